#include "usb/win32/usb_dialog.h"

#include <new>

#include "common/win32/win32_dialog_view.h"
#include "usb/resource.h"
#include "usb/usb_window.h"

namespace {

struct UsbDialogSetup {
    HINSTANCE instance;
    UsbBus* bus;
};

struct UsbDialog;

UsbDialog* dialogOf(HWND window) {
    return reinterpret_cast<UsbDialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

// What one open window owns; it lives from the initialisation message to WM_NCDESTROY, or
// until the handler that destroyed the window (the close command) has returned.
struct UsbDialog {
    UsbDialog(HWND window, UsbBus& bus) : view(window, Win32DialogView::Kind::Modeless), logic(view, bus) {}
    Win32DialogView view;
    UsbWindow logic;
    int handling = 0;
    bool destroyed = false;
};

// Runs one handler of the logic; the window may be destroyed inside it.
template <typename Handler>
void handle(HWND window, Handler handler) {
    UsbDialog* dialog = dialogOf(window);
    if (dialog == nullptr) return;
    ++dialog->handling;
    try {
        handler(dialog->logic);
    } catch (...) {
        // A failed handler leaves the window as it was.
    }
    if (--dialog->handling == 0 && dialog->destroyed) delete dialog;
}

INT_PTR opened(HWND window, const UsbDialogSetup& setup) {
    buildVersionTitle(window, setup.instance, kPlugsetVersionPrefix);
    auto* dialog = new (std::nothrow) UsbDialog(window, *setup.bus);
    if (dialog == nullptr) {
        // A window without its logic would not even close: take it down, so the program
        // reports that it could not open its window.
        DestroyWindow(window);
        return TRUE;
    }
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    dialog->logic.opened();
    SetTimer(window, REFRESH_TIMER, REFRESH_PERIOD_MS, nullptr);
    // The first tick at once, so the list is filled before the window is first shown.
    SendMessageA(window, WM_TIMER, REFRESH_TIMER, 0);
    return TRUE;  // focus not set here
}

INT_PTR CALLBACK usbDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // No C++ exception may cross into the system's code.
    switch (message) {
    case WM_INITDIALOG:
        try {
            return opened(window, *reinterpret_cast<const UsbDialogSetup*>(lParam));
        } catch (...) {
            DestroyWindow(window);
            return TRUE;
        }
    case WM_TIMER:
        handle(window, [&](UsbWindow& logic) { logic.timer(wParam); });
        return TRUE;
    case WM_COMMAND:
        handle(window, [&](UsbWindow& logic) { logic.command(LOWORD(wParam), HIWORD(wParam)); });
        return TRUE;
    case WM_NCDESTROY:
        if (UsbDialog* dialog = dialogOf(window)) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            if (dialog->handling == 0) delete dialog;
            else dialog->destroyed = true;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND createUsbDialog(HINSTANCE instance, UsbBus& bus) {
    UsbDialogSetup setup{instance, &bus};
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PLUGSET), nullptr, usbDialogProc,
                              reinterpret_cast<LPARAM>(&setup));
}
