// plugset: lists the boards attached by USB, shows and sets their names.
#include <windows.h>
#include <commctrl.h>

#include "usb/win32/usb_access.h"
#include "usb/win32/usb_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_INTERNET_CLASSES};
    static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
    if (!InitCommonControlsEx(&controls)) {
        MessageBoxA(nullptr, "Unable to load common controls", "Error", MB_OK);
        return 0;
    }

    static Win32UsbBus bus;
    HWND window = createUsbDialog(instance, bus);
    if (window == nullptr) {
        // Without its window the program would wait for a message that never comes.
        MessageBoxA(nullptr, "Unable to open the plugset window.", "Error", MB_OK);
        return 1;
    }
    ShowWindow(window, SW_SHOW);

    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
