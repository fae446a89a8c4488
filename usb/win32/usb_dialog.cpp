#include "usb/win32/usb_dialog.h"

#include <memory>

#include "view/win32/dialog_host.h"
#include "usb/resource.h"
#include "usb/usb_window.h"

HWND createUsbDialog(HINSTANCE instance, UsbBus& bus) {
    DialogSetup setup;
    setup.instance = instance;
    setup.templateId = IDD_PLUGSET;
    setup.prepare = [instance](Win32DialogView& view) {
        buildVersionTitle(view.window(), instance, kPlugsetVersionPrefix);
    };
    setup.make = [&bus](DialogView& view) { return std::make_unique<UsbWindow>(view, bus); };
    setup.started = [](HWND window) {
        SetTimer(window, REFRESH_TIMER, REFRESH_PERIOD_MS, nullptr);
        // The first tick at once, so the list is filled before the window is first shown.
        SendMessageA(window, WM_TIMER, REFRESH_TIMER, 0);
    };
    return createModelessDialog(nullptr, setup);
}
