#include "view/win32/dialog_host.h"

#include <commctrl.h>

#include <memory>

#include "view/win32/program_icon.h"

namespace {

struct DialogHost {
    DialogHost(HWND window, bool modal)
        : view(window, modal ? Win32DialogView::Kind::Modal : Win32DialogView::Kind::Modeless),
          modal(modal) {}
    Win32DialogView view;
    std::unique_ptr<WindowLogic> logic;   // destroyed before the view
    bool modal;          // a modal host belongs to runModalDialog; a modeless one to its window
    int handling = 0;    // handlers of the logic now running
    bool destroyed = false;
};

struct Creation {
    const DialogSetup* setup;
    bool modal;
    DialogHost* host = nullptr;
};

DialogHost* hostOf(HWND window) {
    return reinterpret_cast<DialogHost*>(GetWindowLongPtrA(window, DWLP_USER));
}

void release(DialogHost* host) {
    if (!host->modal && host->destroyed && host->handling == 0) delete host;
}

// Runs one handler of the logic. The window may be destroyed inside it; its host stays until
// the handler has returned.
template <typename Handler>
void handle(DialogHost* host, Handler handler) {
    if (host == nullptr || !host->logic) return;
    ++host->handling;
    try {
        handler(*host->logic);
    } catch (...) {
        // A handler that failed leaves the window as it was.
    }
    --host->handling;
    release(host);
}

// The window could not get its logic: a window without one would not even close.
void abandon(HWND window, bool modal) {
    if (modal) EndDialog(window, 0);
    else DestroyWindow(window);
}

// A window of its own on the taskbar shows the program's icon; a program without one keeps the
// system's default.
void showProgramIcon(HWND window, HINSTANCE instance) {
    if (GetWindow(window, GW_OWNER) != nullptr) return;
    const struct {
        WPARAM which;
        int width, height;
    } sizes[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& size : sizes) {
        HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                 GetSystemMetrics(size.width), GetSystemMetrics(size.height), LR_SHARED);
        if (icon != nullptr) SendMessageW(window, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
    }
}

INT_PTR opened(HWND window, Creation& creation) {
    const DialogSetup& setup = *creation.setup;
    showProgramIcon(window, setup.instance);
    fitAddressFieldsToFont(window);
    auto host = std::make_unique<DialogHost>(window, creation.modal);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(host.get()));
    if (setup.prepare) setup.prepare(host->view);
    if (setup.make) host->logic = setup.make(host->view);
    if (!host->logic) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        abandon(window, creation.modal);
        return TRUE;
    }
    creation.host = host.release();
    handle(creation.host, [](WindowLogic& logic) { logic.opened(); });
    if (IsWindow(window) && setup.started) setup.started(window);
    return TRUE;   // the system sets the focus
}

INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto& creation = *reinterpret_cast<Creation*>(lParam);
        try {
            return opened(window, creation);
        } catch (...) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            if (creation.host != nullptr && !creation.modal) {
                // Taken down below; the window's destruction frees its host.
                creation.host->destroyed = true;
                release(creation.host);
                creation.host = nullptr;
            }
            abandon(window, creation.modal);
            return TRUE;
        }
    }
    case WM_COMMAND:
        handle(hostOf(window), [&](WindowLogic& logic) {
            logic.command(LOWORD(wParam), HIWORD(wParam), static_cast<intptr_t>(lParam));
        });
        return TRUE;
    case kSessionEventMessage: {
        bool answer = false;
        handle(hostOf(window), [&](WindowLogic& logic) {
            answer = logic.event(static_cast<SessionEvent>(wParam), static_cast<int32_t>(lParam));
        });
        SetWindowLongPtrA(window, DWLP_MSGRESULT, answer ? 1 : 0);
        return TRUE;
    }
    case WM_TIMER:
        handle(hostOf(window), [&](WindowLogic& logic) { logic.timer(wParam); });
        return TRUE;
    case WM_CONTEXTMENU: {
        // Unanswered, the message goes on to the system, which shows the window menu over the
        // caption.
        bool shown = false;
        if (DialogHost* host = hostOf(window)) {
            HWND from = reinterpret_cast<HWND>(wParam);
            const int id = from == window || from == nullptr ? 0 : GetDlgCtrlID(from);
            host->view.setMenuPoint(from, lParam);
            handle(host, [id, &shown](WindowLogic& logic) { shown = logic.contextMenu(id); });
        }
        return shown ? TRUE : FALSE;
    }
    case WM_NCDESTROY:
        if (DialogHost* host = hostOf(window)) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            // Workers that still hold the view find no window from now on.
            host->view.attach(nullptr);
            host->destroyed = true;
            release(host);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int runModalDialog(HWND owner, const DialogSetup& setup) {
    Creation creation{&setup, true};
    const INT_PTR result = DialogBoxParamA(setup.instance, MAKEINTRESOURCEA(setup.templateId), owner,
                                           dialogProc, reinterpret_cast<LPARAM>(&creation));
    // The window is gone: its logic goes now, before its view.
    delete creation.host;
    return result == -1 ? 0 : static_cast<int>(result);
}

HWND createModelessDialog(HWND owner, const DialogSetup& setup) {
    Creation creation{&setup, false};
    HWND window = CreateDialogParamA(setup.instance, MAKEINTRESOURCEA(setup.templateId), owner,
                                     dialogProc, reinterpret_cast<LPARAM>(&creation));
    // A window taken down while it opened is no window, whatever the system returned for it.
    return window != nullptr && IsWindow(window) && creation.host != nullptr ? window : nullptr;
}

bool loadCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_INTERNET_CLASSES;
    if (InitCommonControlsEx(&controls)) return true;
    MessageBoxA(nullptr, "Unable to load common controls", "Error", MB_OK);
    return false;
}

int runMessageLoop(const std::function<bool(MSG& message)>& handled) {
    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        if (handled && handled(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
