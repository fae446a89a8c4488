#include <windows.h>

#include <memory>
#include <string>

#include "common/win32/win32_dialog_view.h"
#include "ui/main_window.h"
#include "ui/resource.h"
#include "ui/win32/win32_front.h"

namespace {

struct MainHost {
    HINSTANCE instance;
    Win32DialogView view{nullptr, Win32DialogView::Kind::Modeless};
    std::unique_ptr<MainWindow> logic;
};

template <typename Body>
void guarded(Body body) {
    try {
        body();
    } catch (...) {
    }
}

INT_PTR CALLBACK mainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<MainHost*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        host = reinterpret_cast<MainHost*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(host));
        host->view.attach(window);
        guarded([&] {
            std::string prefix = loadResourceString(host->instance, IDS_VERSION_PREFIX);
            buildVersionTitle(window, host->instance, prefix.c_str());
            host->logic->onOpen();
        });
        return TRUE;
    case WM_COMMAND:
        if (host != nullptr)
            guarded([&] {
                host->logic->onCommand(LOWORD(wParam), HIWORD(wParam),
                                       static_cast<intptr_t>(lParam));
            });
        return TRUE;
    case WM_NCDESTROY:
        if (host != nullptr) host->view.attach(nullptr);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void handleSentMessagesBriefly() { pumpSentMessages(1); }

HWND openMainWindow(HINSTANCE instance, NetSession& session, AdapterSource adapters) {
    // Never freed: the window's logic and view stay reachable for a worker until the process
    // ends.
    auto* host = new MainHost{instance, {nullptr, Win32DialogView::Kind::Modeless}, nullptr};
    OpenModal openModal = [host](int templateId, const ModalFactory& make) {
        return runModalDialog(host->instance, host->view.window(), templateId, make);
    };
    host->logic = std::make_unique<MainWindow>(host->view, session, std::move(openModal),
                                               std::move(adapters), handleSentMessagesBriefly);
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, mainProc,
                              reinterpret_cast<LPARAM>(host));
}
