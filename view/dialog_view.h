#pragma once
// What a window's logic may do to its window, addressed by control identifier. The Win32 view
// maps it onto a dialog built from its template; tests use a recording fake.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "net/session_events.h"

// YesNoDefaultNo: a warning whose Yes goes on with something the user may regret; No is the
// default, so Enter alone sends nothing.
enum class MessageButtons { Ok, YesNo, RetryCancel, AbortRetryIgnore, YesNoDefaultNo };
enum class MessageAnswer { None, Ok, Yes, No, Retry, Cancel, Abort, Ignore };

// One command of a context menu; shortcut is the key shown beside it ("Ctrl+C").
struct MenuItem {
    int id = 0;
    std::string text;
    std::string shortcut;
    bool enabled = true;
};

// What the save dialog asks for: its title, the name it proposes, and the one file type it
// offers besides every file ("CSV files", "csv": the extension a bare name gets).
struct SaveFileRequest {
    std::string title;
    std::string suggestedName;
    std::string typeName;
    std::string extension;
};

class DialogView {
public:
    virtual ~DialogView() = default;

    // Texts of the window and its controls are single bytes, as a board holds its ID (the Win32
    // view shows them through the ANSI code page, the Qt view as Latin-1).
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

    // A modal message box owned by this window, text and caption UTF-8 (a board's bytes in it
    // go through shownText first). Callable from any thread; None when it cannot be shown (the
    // window is gone).
    virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons) = 0;
    // Shows a context menu of these items, owned by this window, where the user asked for it
    // (the mouse, or the focused control for the keyboard), and waits for the choice: the id
    // of the item chosen, 0 when none was.
    virtual int popupMenu(const std::vector<MenuItem>& items) = 0;
    // The UTF-8 text that this window's controls show for bytes from a board (an ID): what
    // the window puts on the clipboard or in a file must be what the user sees.
    virtual std::string shownText(const std::string& bytes) = 0;
    // Puts UTF-8 text (lines ending in "\n") on the clipboard as the system's plain text.
    // False when the clipboard could not be had.
    virtual bool setClipboardText(const std::string& text) = 0;
    // Asks with the system's save dialog, owned by this window, where to save; it asks itself
    // before a file is replaced. Nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> askSaveFileName(const SaveFileRequest& request) = 0;

    // Ends the window with a result (a modal dialog's result; a main window quits). From then
    // on the view acts for nobody: sendEvent returns false and messageBox None, even while
    // the window itself is still being taken down.
    virtual void close(int result) = 0;
    // Runs on the window thread until flag is clear, still handling what other threads send
    // to this window, so a finishing worker is never held up.
    virtual void waitWhile(const std::atomic<bool>& flag) = 0;
    // From a worker thread: hands an operation's event to the window's logic (its event()) on
    // the window thread and returns the logic's answer once it has been handled. False when the
    // window is gone (nothing is handled then).
    virtual bool sendEvent(SessionEvent code, int32_t value) = 0;
};

// The sink a window gives the operations it starts: each event goes to the window's logic.
inline EventSink forwardEvents(DialogView& view) {
    return [&view](int32_t code, int32_t value) {
        return view.sendEvent(static_cast<SessionEvent>(code), value);
    };
}
