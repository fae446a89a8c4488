#include <windows.h>

#include <memory>

#include "common/win32/win32_dialog_view.h"
#include "ui/win32/address_controls.h"
#include "ui/win32/win32_front.h"

namespace {

struct ModalHost {
    HINSTANCE instance;
    int templateId;
    const ModalFactory* make;
    std::unique_ptr<Win32DialogView> view;
    std::unique_ptr<ModalLogic> logic;
};

// No exception may cross the window procedure: a command that throws is abandoned.
template <typename Body>
void guarded(Body body) {
    try {
        body();
    } catch (...) {
    }
}

INT_PTR CALLBACK modalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<ModalHost*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        host = reinterpret_cast<ModalHost*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(host));
        guarded([&] {
            host->view = std::make_unique<Win32DialogView>(dialog, Win32DialogView::Kind::Modal);
            createAddressControls(*host->view, host->instance, host->templateId);
            host->logic = (*host->make)(*host->view);
        });
        if (!host->logic) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        guarded([&] { host->logic->onOpen(); });
        return TRUE;
    case WM_COMMAND:
        if (host != nullptr && host->logic)
            guarded([&] {
                host->logic->onCommand(LOWORD(wParam), HIWORD(wParam),
                                       static_cast<intptr_t>(lParam));
            });
        return TRUE;
    case WM_NCDESTROY:
        // Workers that still hold the view find no window from now on.
        if (host != nullptr && host->view) host->view->attach(nullptr);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int runModalDialog(HINSTANCE instance, HWND owner, int templateId, const ModalFactory& make) {
    ModalHost host{instance, templateId, &make, nullptr, nullptr};
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, modalProc,
                                     reinterpret_cast<LPARAM>(&host));
    host.logic.reset();
    host.view.reset();
    return result == -1 ? 0 : static_cast<int>(result);
}
