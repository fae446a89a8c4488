// plugset's window over three simulated boards, the second one selected, saved as plugset.bmp
// in the current folder: the README's picture (scripts/screenshots). The window thread runs the
// message loop; another thread waits for the window to paint and takes the picture.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <thread>

#include "tests/usb/support/sim_usb_bus.h"
#include "tests/win/window_capture.h"
#include "usb/resource.h"
#include "usb/win32/usb_dialog.h"

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    SimUsbBus bus;
    bus.plug("Lab3", "A1B2C3");
    bus.plug("Kiln2", "0042F7");
    bus.plug("Oven7", "00A913");
    HWND window = createUsbDialog(GetModuleHandleA(nullptr), bus);
    if (window == nullptr) {
        std::fprintf(stderr, "plugset_picture: no window\n");
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    HWND list = GetDlgItem(window, IDC_USB_LIST);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_USB_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));

    bool saved = false;
    const DWORD windowThread = GetCurrentThreadId();
    std::thread camera([&] {
        saved = saveWindowImage(window, "plugset.bmp");
        PostThreadMessageA(windowThread, WM_QUIT, 0, 0);
    });
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    camera.join();
    DestroyWindow(window);
    if (!saved) std::fprintf(stderr, "plugset_picture: could not save plugset.bmp\n");
    return saved ? 0 : 1;
}
