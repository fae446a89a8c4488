#pragma once
// A window laid out from a dialog template: each control of the template as the Qt widget that
// behaves like it, placed in dialog units of the window's font, with the template's identifiers,
// texts, tab order and enabled states, and an accessible name from its label (a status line's
// name is what it shows, and its label is its labelled-by relation). What the user does
// reaches the command handler as the Win32 dialog's WM_COMMAND would (identifier, notification).
#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <span>
#include <vector>

#include "view/qt/dialog_controls.h"
#include "view/qt/dialog_template.h"

// Notification codes of WM_COMMAND that the windows send.
inline constexpr int kButtonClicked = 0;    // BN_CLICKED
inline constexpr int kListSelChange = 1;    // LBN_SELCHANGE
inline constexpr int kListDoubleClick = 2;  // LBN_DBLCLK
inline constexpr int kEditChange = 0x300;   // EN_CHANGE
// IDCANCEL: Esc, the close box, and a "Cancel" or "Exit" button.
inline constexpr int kCancelCommand = 2;

class DialogWindow : public QDialog {
public:
    using CommandHandler = std::function<void(int id, int notification)>;
    // A control asked for its context menu (a right click, or the menu key), at a point on the
    // screen.
    using ContextMenuHandler = std::function<void(int id, const QPoint& at)>;

    // A modal dialog takes Esc and its close box as Cancel (IDCANCEL); a main window (not
    // modal) takes only its close box so, and no Esc.
    DialogWindow(const DialogTemplate& dialog, bool modal, QWidget* owner = nullptr);

    QWidget* control(int id) const;
    const DialogUnits& units() const { return units_; }
    void setCommandHandler(CommandHandler handler) { handler_ = std::move(handler); }
    void setContextMenuHandler(ContextMenuHandler handler) { menuHandler_ = std::move(handler); }
    // The widgets that Tab visits, in order.
    const std::vector<QWidget*>& tabOrder() const { return tabOrder_; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeControl(const DialogControl& control);
    void wire(int id, QWidget* widget);
    void applyTabOrder();
    void command(int id, int notification);

    DialogUnits units_;
    bool modal_;
    std::map<int, QPointer<QWidget>> controls_;
    std::vector<QWidget*> tabOrder_;
    class QButtonGroup* autoRadios_ = nullptr;   // the group of automatic radio buttons being read
    CommandHandler handler_;
    ContextMenuHandler menuHandler_;
};

// The name a screen reader gives a control other than a status line: its text, or for a control
// without one the texts of the static labels just before it in the template (the column
// headings above a list), else the text of the control just before it (the check box that
// switches an edit). A trailing colon is left out. Frames without text have none.
QString accessibleNameOf(std::span<const DialogControl> controls, size_t index);
