#pragma once
// DialogView over a window laid out from its template (DialogWindow): controls by identifier.
// Workers reach the window thread through the sent-command queue (view/qt/sent_commands.h).
#include <QPoint>
#include <QPointer>

#include <atomic>
#include <functional>
#include <vector>

#include "view/dialog_view.h"
#include "view/qt/dialog_window.h"

class QMessageBox;

class QtDialogView : public DialogView {
public:
    // Modal: close() ends the dialog's loop. Modeless: close() ends the application's loop.
    enum class Kind { Modal, Modeless };
    using Dispatch = std::function<void(int id, int notification, intptr_t value)>;
    using EventDispatch = std::function<bool(SessionEvent code, int32_t value)>;

    QtDialogView(DialogWindow& window, Kind kind);
    ~QtDialogView() override;
    QtDialogView(const QtDialogView&) = delete;
    QtDialogView& operator=(const QtDialogView&) = delete;

    // Where commands go (the logic's command()); the window's own commands go there too.
    void setDispatch(Dispatch dispatch);
    // Where the operations' events go (the logic's event()).
    void setEventDispatch(EventDispatch dispatch) { eventDispatch_ = std::move(dispatch); }
    // What else close() does: a modal dialog's loop ends.
    void setEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    // The window is being taken down: from now on the view acts for nobody.
    void detach();

    bool closed() const { return closed_; }
    int result() const { return result_; }
    DialogWindow* window() const { return window_.data(); }
    QWidget* control(int id) const;
    // A command from the window itself (a click), on the window thread.
    void dispatch(int id, int notification, intptr_t value);

    void setTitle(const std::string& text) override;
    void setText(int id, const std::string& text) override;
    std::string getText(int id, size_t maxChars) override;
    void enable(int id, bool on) override;
    bool isEnabled(int id) override;
    void check(int id, bool on) override;
    bool isChecked(int id) override;
    void checkRadio(int firstId, int lastId, int checkedId) override;

    void listReset(int id) override;
    int listAdd(int id, const std::string& line) override;
    void listInsert(int id, int index, const std::string& line) override;
    void listDelete(int id, int index) override;
    int listCount(int id) override;
    int listCurSel(int id) override;
    void listSetCurSel(int id, int index) override;
    int listSelCount(int id) override;
    std::vector<int> listSelItems(int id, int max) override;
    void listClearSelection(int id) override;
    void listSetTabStops(int id, const std::vector<int>& stops) override;

    MessageAnswer messageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons) override;
    int popupMenu(const std::vector<MenuItem>& items) override;
    // Each byte one character of Latin-1, as every control here reads the bytes it is given.
    std::string shownText(const std::string& bytes) override;
    bool setClipboardText(const std::string& text) override;
    std::optional<std::filesystem::path> askSaveFileName(const SaveFileRequest& request) override;
    // Where the next popupMenu opens, on the screen (where the context menu was asked for);
    // the cursor when nothing was said.
    void setMenuPoint(const QPoint& at) { menuPoint_ = at; }
    void close(int result) override;
    void waitWhile(const std::atomic<bool>& flag) override;
    bool sendEvent(SessionEvent code, int32_t value) override;

private:
    MessageAnswer showMessageBox(const QString& text, const QString& caption, MessageButtons buttons);

    QPointer<DialogWindow> window_;
    Kind kind_;
    Dispatch dispatch_;
    EventDispatch eventDispatch_;
    std::function<void()> ended_;
    // Read by workers (sendEvent, messageBox) while the window thread closes the view.
    std::atomic<bool> closed_{false};
    int result_ = 0;
    std::vector<QPointer<QMessageBox>> boxes_;   // shown now, innermost last
    std::optional<QPoint> menuPoint_;
};
