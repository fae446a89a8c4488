// plugset: lists the boards attached by USB, shows and sets their names.
#include <windows.h>

#include "view/win32/dialog_host.h"
#include "usb/win32/usb_access.h"
#include "usb/win32/usb_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!loadCommonControls()) return 0;

    static Win32UsbBus bus;
    HWND window = createUsbDialog(instance, bus);
    if (window == nullptr) {
        // Without its window the program would wait for a message that never comes.
        MessageBoxA(nullptr, "Unable to open the plugset window.", "Error", MB_OK);
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    return runMessageLoop();
}
