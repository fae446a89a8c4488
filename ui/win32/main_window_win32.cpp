#include <windows.h>

#include <memory>
#include <string>

#include "view/win32/dialog_host.h"
#include "ui/main_window.h"
#include "ui/resource.h"
#include "ui/win32/win32_front.h"

void handleSentMessagesBriefly() { pumpSentMessages(1); }

bool translateMainWindowKeys(HINSTANCE instance, HWND mainWindow, MSG& message) {
    static const HACCEL keys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_KEYS));
    if (keys == nullptr || mainWindow == nullptr) return false;
    // Keys typed in another window of the thread (a message box's own loop aside) are theirs.
    if (message.hwnd != mainWindow && !IsChild(mainWindow, message.hwnd)) return false;
    return TranslateAcceleratorA(mainWindow, keys, &message) != 0;
}

int runLansetDialog(HINSTANCE instance, HWND owner, int templateId, const WindowFactory& make) {
    DialogSetup setup;
    setup.instance = instance;
    setup.templateId = templateId;
    setup.make = make;
    return runModalDialog(owner, setup);
}

HWND openMainWindow(HINSTANCE instance, NetSession& session, AdapterSource adapters) {
    DialogSetup setup;
    setup.instance = instance;
    setup.templateId = IDD_MAIN;
    setup.prepare = [instance](Win32DialogView& view) {
        const std::string prefix = loadResourceString(instance, IDS_VERSION_PREFIX);
        buildVersionTitle(view.window(), instance, prefix.c_str());
    };
    setup.make = [instance, &session, adapters](DialogView& view) -> std::unique_ptr<WindowLogic> {
        auto* win32View = dynamic_cast<Win32DialogView*>(&view);
        if (win32View == nullptr) return nullptr;
        // The dialogs are owned by the main window.
        OpenModal openModal = [instance, win32View](int templateId, const WindowFactory& make) {
            return runLansetDialog(instance, win32View->window(), templateId, make);
        };
        return std::make_unique<MainWindow>(view, session, std::move(openModal), adapters,
                                            handleSentMessagesBriefly);
    };
    return createModelessDialog(nullptr, setup);
}
