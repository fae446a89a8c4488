#pragma once
// How every window runs on Qt: a DialogWindow from its template, a QtDialogView over it and the
// window's logic. No C++ exception crosses into Qt's code. The logic is destroyed after its
// window is taken down and before its view, as the Win32 dialog host does it.
#include <functional>
#include <memory>

#include "view/qt/dialog_template.h"
#include "view/qt/dialog_window.h"
#include "view/qt/qt_dialog_view.h"
#include "view/window_logic.h"

struct QtDialogSetup {
    const DialogTemplate* dialog = nullptr;
    WindowFactory make;
    // On the new window, before its logic is made: what its template cannot say (its title, keys).
    std::function<void(DialogWindow& window, QtDialogView& view)> prepare;
};

// Runs the dialog modally, owned by owner, until its logic closes it, and returns the result
// it closed with; 0 when it could not be made.
int runQtModalDialog(QWidget* owner, const QtDialogSetup& setup);

// A window that is not modal (a program's main window). Its logic's close() ends the
// application's event loop.
class QtModelessDialog {
public:
    // Made and opened, not yet shown; null when the window or its logic could not be made.
    static std::unique_ptr<QtModelessDialog> open(const QtDialogSetup& setup);
    ~QtModelessDialog();
    QtModelessDialog(const QtModelessDialog&) = delete;
    QtModelessDialog& operator=(const QtModelessDialog&) = delete;

    DialogWindow& window() { return *window_; }
    QtDialogView& view() { return *view_; }

private:
    QtModelessDialog() = default;

    std::unique_ptr<DialogWindow> window_;
    std::unique_ptr<QtDialogView> view_;
    std::unique_ptr<WindowLogic> logic_;
};
