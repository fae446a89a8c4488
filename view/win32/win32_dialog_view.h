#pragma once
// DialogView over a Win32 dialog window: its controls by identifier (GetDlgItem). An IP address
// control (SysIPAddress32) is read and written as a dotted quad, as an edit would be.
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "view/dialog_view.h"

// The message that hands an operation's event to a dialog's logic: wParam the event code,
// lParam its value; the dialog answers the logic's answer (1 or 0).
constexpr UINT kSessionEventMessage = WM_APP + 1;

class Win32DialogView : public DialogView {
public:
    // Modal: close() ends the dialog with EndDialog. Modeless: close() destroys the window
    // and ends the program's message loop.
    enum class Kind { Modal, Modeless };

    Win32DialogView(HWND dialog, Kind kind);
    ~Win32DialogView() override;
    Win32DialogView(const Win32DialogView&) = delete;
    Win32DialogView& operator=(const Win32DialogView&) = delete;

    // Points the view at a new window of the same kind (a dialog opened again).
    void attach(HWND dialog);
    HWND control(int id) const;
    HWND window() const { return dialog_.load(); }

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
    // Through the ANSI code page, as the ...A calls hand the bytes to the controls.
    std::string shownText(const std::string& bytes) override;
    bool setClipboardText(const std::string& text) override;
    std::optional<std::filesystem::path> askSaveFileName(const SaveFileRequest& request) override;
    void close(int result) override;

    // Where the next popupMenu opens, in screen coordinates, as WM_CONTEXTMENU told it; a
    // request from the keyboard (no point) opens it over the control that has the focus.
    void setMenuPoint(HWND from, LPARAM point);
    void waitWhile(const std::atomic<bool>& flag) override;
    bool sendEvent(SessionEvent code, int32_t value) override;

private:
    // A list that changes line by line is drawn at most every kRedrawDelayMs: drawing it (and
    // its scroll bar) after every single line can cost more than the line itself.
    static constexpr UINT kRedrawDelayMs = 50;
    void deferRedraw(HWND list);
    void redrawDeferred();
    static void CALLBACK redrawTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

    // Read by worker threads (sendEvent, messageBox) while the window thread may re-attach.
    std::atomic<HWND> dialog_;
    // Set by close(): a modal dialog stays a window until its loop ends, but acts for nobody.
    std::atomic<bool> closed_{false};
    Kind kind_;
    std::vector<HWND> redrawPending_;  // window thread only
    std::optional<POINT> menuPoint_;   // window thread only
};

// Handles the messages that other threads have sent to this thread's windows, waiting up to
// waitMs for one to arrive. Input and posted messages stay queued.
void pumpSentMessages(DWORD waitMs);

// Sets the window's text from the version block of the instance's program file: ProductName,
// two blanks, ProductVersion, each looked up under prefix (e.g. "\StringFileInfo\040904E4\").
// Without a version block the window keeps its text. False when it kept its text.
bool buildVersionTitle(HWND window, HINSTANCE instance, const char* prefix);

// Has the fields of the dialog's IP address controls draw in the dialog's font. Wine's control
// keeps a font of its own for them and does not pass on the one the dialog manager gives it.
void fitAddressFieldsToFont(HWND dialog);

// A text of the instance's string table; empty when there is none.
std::string loadResourceString(HINSTANCE instance, UINT id);
