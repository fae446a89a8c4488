#pragma once
// A recording DialogView for window-logic tests. It keeps each control's text, enabled and
// checked state and each list box's lines and selection by control id, records message boxes
// and answers them from a script, and records close().
//
// The thread that creates a view plays the window thread. A worker's sendEvent queues the
// event on one queue shared by every fake view (like the messages sent to the windows of one
// thread) and blocks until the window thread pumps it into the view's attached handler; on the
// window thread itself sendEvent runs the handler at once. After close() (or destruction) a
// view handles nothing more: sendEvent returns false, messageBox returns None.
//
// A control that nothing has touched yet is enabled, unchecked and empty.
//
// Every wait (pumpUntil, waitWhile) gives up after a guard time and fails the test instead of
// hanging.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "view/dialog_view.h"
#include "view/window_logic.h"

class FakeDialogView : public DialogView {
public:
    using Handler = std::function<bool(SessionEvent code, int32_t value)>;
    struct Message {
        std::string text;
        std::string caption;
        MessageButtons buttons;
    };
    // Decides a message box's answer; runs on the thread that asked, without any lock held.
    using Responder = std::function<MessageAnswer(const Message&)>;

    static constexpr std::chrono::milliseconds kGuard{30000};

    FakeDialogView();
    ~FakeDialogView() override;
    FakeDialogView(const FakeDialogView&) = delete;
    FakeDialogView& operator=(const FakeDialogView&) = delete;

    // Where events sent with sendEvent go: a handler, or a logic's event().
    void attach(Handler handler);
    void attach(WindowLogic& logic) {
        attach([&logic](SessionEvent code, int32_t value) { return logic.event(code, value); });
    }

    // --- Message boxes ---------------------------------------------------------------------
    // Answers are taken from the queue first, then from the responder, else the box's "escape"
    // answer: Ok, No, Cancel or Abort.
    void queueAnswer(MessageAnswer answer);
    void setResponder(Responder responder);
    std::vector<Message> messages() const;
    size_t messageCount() const;
    std::optional<Message> lastMessage() const;
    void clearMessages();

    // --- Menus, the clipboard and the save dialog ------------------------------------------
    // The next popupMenu answers with this id (0: the menu was dismissed); unqueued, 0.
    void queueMenuChoice(int id);
    // Every menu shown, with its items, in order.
    std::vector<std::vector<MenuItem>> menus() const;
    // What the last successful setClipboardText put there; fail makes the next ones fail.
    std::string clipboard() const;
    void failClipboard(bool fail);
    // The next askSaveFileName answers with this name (nullopt: cancelled); unqueued, nullopt.
    void queueSaveFileName(std::optional<std::filesystem::path> name);
    std::vector<SaveFileRequest> saveRequests() const;

    // --- What the logic did ------------------------------------------------------------------
    bool closed() const;
    std::optional<int> result() const;          // the value given to close()
    std::string title() const;
    std::string text(int id) const;
    std::vector<std::string> textHistory(int id) const;  // every setText of id, in order
    std::vector<std::string> listLines(int id) const;
    std::vector<int> listSelection(int id) const;        // ascending
    std::vector<int> tabStops(int id) const;
    bool controlKnown(int id) const;                     // touched by the logic or the test
    // Events handled through sendEvent, in order.
    std::vector<std::pair<int, int32_t>> handledEvents() const;

    // --- What the user does (the test, on the window thread) ---------------------------------
    // Selects exactly these lines of a list box; caret is its current line (-1: none).
    void selectLines(int id, const std::vector<int>& lines, int caret);

    // --- Window thread ---------------------------------------------------------------------------
    // Handles every event queued to any fake view; returns how many it took off the queue.
    static size_t pumpAll();
    size_t pump() { return pumpAll(); }
    // Events sent from other threads that wait to be pumped.
    static size_t pendingEvents();
    // Pumps until done() holds; false (and a test failure) when the guard time passes first.
    bool pumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds guard = kGuard);

    // --- DialogView --------------------------------------------------------------------------------
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
    std::string shownText(const std::string& bytes) override;   // the bytes as they are
    bool setClipboardText(const std::string& text) override;
    std::optional<std::filesystem::path> askSaveFileName(const SaveFileRequest& request) override;
    void close(int result) override;
    void waitWhile(const std::atomic<bool>& flag) override;
    bool sendEvent(SessionEvent code, int32_t value) override;

    // Read-only helpers that do not go through the interface's non-const calls.
    bool enabled(int id) const;
    bool checked(int id) const;

private:
    struct Control {
        std::string text;
        std::vector<std::string> history;
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> lines;
        std::vector<bool> selected;
        int caret = -1;
        std::vector<int> tabStops;
    };
    std::vector<int> listSelItemsOf(int id, int max) const;
    Control& control(int id);              // lock_ held
    const Control* find(int id) const;     // lock_ held
    // Runs f on control id under lock_ (made when unknown) and returns what f returns.
    template <typename F>
    auto onControl(int id, F f) {
        std::lock_guard<std::mutex> hold(lock_);
        return f(control(id));
    }
    // f's result for a known control, else the value of an untouched one.
    template <typename T, typename F>
    T readControl(int id, F f, T untouched) const {
        std::lock_guard<std::mutex> hold(lock_);
        const Control* c = find(id);
        return c ? f(*c) : untouched;
    }

    mutable std::mutex lock_;
    std::map<int, Control> controls_;
    std::string title_;
    std::vector<Message> messages_;
    std::deque<MessageAnswer> answers_;
    Responder responder_;
    std::optional<int> result_;
    std::deque<int> menuChoices_;
    std::vector<std::vector<MenuItem>> menus_;
    std::string clipboard_;
    bool clipboardFails_ = false;
    std::deque<std::optional<std::filesystem::path>> saveNames_;
    std::vector<SaveFileRequest> saveRequests_;
    std::atomic<bool> closed_{false};
    Handler handler_;
    std::vector<std::pair<int, int32_t>> handled_;
    std::thread::id windowThread_;
};
