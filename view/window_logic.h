#pragma once
// The seam between a window's logic and the platform that runs it. Every window of both programs
// is such a logic over a DialogView, driven the same way.
#include <cstdint>
#include <functional>
#include <memory>

#include "net/session_events.h"
#include "view/dialog_view.h"

class WindowLogic {
public:
    virtual ~WindowLogic() = default;
    // The window and its controls exist (WM_INITDIALOG).
    virtual void opened() = 0;
    // A command of the user's (WM_COMMAND: low word, high word, lParam).
    virtual void command(int id, int notification, intptr_t value) = 0;
    // An event of an operation that the window started, handed over by its view on the window
    // thread. The answer goes back to the operation, which reads it only for EVT_TOO_MANY
    // (true: go on searching).
    virtual bool event(SessionEvent code, int32_t value) {
        (void)code;
        (void)value;
        return true;
    }
    // A timer of the window's own (WM_TIMER).
    virtual void timer(uintptr_t id) { (void)id; }
    // The user asked for a control's context menu (right click, the menu key, Shift+F10); id 0
    // for the window itself (WM_CONTEXTMENU). True when the logic showed a menu of its own;
    // otherwise the system shows its own (the window menu over the caption).
    virtual bool contextMenu(int id) {
        (void)id;
        return false;
    }
};

// Builds a window's logic over the view that the platform made for it.
using WindowFactory = std::function<std::unique_ptr<WindowLogic>(DialogView& view)>;

// Supplied by the platform: creates the dialog of template templateId (IDD_...) modally, owned
// by the calling window; calls make with the dialog's view, then opened; routes the dialog's
// commands until the logic closes the view; destroys the logic (before the view) and returns the
// result the logic passed to close().
using OpenModal = std::function<int(int templateId, const WindowFactory& make)>;
