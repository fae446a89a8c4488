#pragma once
// What a window's logic may do to its window, addressed by control identifier. The Win32 view
// maps it onto a dialog built from its template; tests use a recording fake.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

enum class MessageButtons { Ok, YesNo, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { None, Ok, Yes, No, Retry, Cancel, Abort, Ignore };

class DialogView {
public:
    virtual ~DialogView() = default;

    virtual void setTitle(const std::string& text) = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string getText(int id, size_t maxChars) = 0;
    virtual void enable(int id, bool on) = 0;
    virtual bool isEnabled(int id) = 0;
    virtual void check(int id, bool on) = 0;
    virtual bool isChecked(int id) = 0;
    virtual void checkRadio(int firstId, int lastId, int checkedId) = 0;

    // List boxes.
    virtual void listReset(int id) = 0;
    virtual int listAdd(int id, const std::string& line) = 0;
    virtual void listInsert(int id, int index, const std::string& line) = 0;
    virtual void listDelete(int id, int index) = 0;
    virtual int listCount(int id) = 0;
    virtual int listCurSel(int id) = 0;                 // -1 when none
    virtual void listSetCurSel(int id, int index) = 0;  // single-selection lists; -1 selects none
    virtual int listSelCount(int id) = 0;               // multiple-selection lists
    virtual std::vector<int> listSelItems(int id, int max) = 0;
    virtual void listClearSelection(int id) = 0;
    virtual void listSetTabStops(int id, const std::vector<int>& stops) = 0;

    // A modal message box owned by this window. Callable from any thread; None when it cannot
    // be shown (the window is gone).
    virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons) = 0;
    // Ends the window with a result (a modal dialog's result; a main window quits). From then
    // on the view acts for nobody: sendCommand returns false and messageBox None, even while
    // the window itself is still being taken down.
    virtual void close(int result) = 0;
    // Runs on the window thread until flag is clear, still handling what other threads send
    // to this window, so a finishing worker is never held up.
    virtual void waitWhile(const std::atomic<bool>& flag) = 0;
    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
};
