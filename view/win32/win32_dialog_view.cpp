#include "view/win32/win32_dialog_view.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

namespace {

bool isAddressControl(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, WC_IPADDRESSA) == 0;
}

// "a.b.c.d" with four decimal parts of 0 to 255, nothing else.
bool parseDottedQuad(const std::string& text, DWORD& address) {
    int parts[4] = {};
    int count = 0;
    size_t i = 0;
    while (count < 4) {
        int value = 0;
        size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 3) {
            value = value * 10 + (text[i++] - '0');
            ++digits;
        }
        if (digits == 0 || value > 255) return false;
        parts[count++] = value;
        if (count < 4) {
            if (i >= text.size() || text[i] != '.') return false;
            ++i;
        }
    }
    if (i != text.size()) return false;
    address = MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3]);
    return true;
}

// A blank field of a half-filled control reads as 0, as the control reports it.
std::string formatDottedQuad(DWORD address) {
    return std::to_string(FIRST_IPADDRESS(address)) + "." + std::to_string(SECOND_IPADDRESS(address)) +
           "." + std::to_string(THIRD_IPADDRESS(address)) + "." + std::to_string(FOURTH_IPADDRESS(address));
}

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// Another program may hold the clipboard for a moment: ask again for up to half a second.
bool openClipboard(HWND owner) {
    const DWORD start = GetTickCount();
    while (!OpenClipboard(owner)) {
        if (GetTickCount() - start > 500) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace

Win32DialogView::Win32DialogView(HWND dialog, Kind kind) : dialog_(dialog), kind_(kind) {}

Win32DialogView::~Win32DialogView() { redrawDeferred(); }

void Win32DialogView::attach(HWND dialog) {
    redrawDeferred();
    dialog_.store(dialog);
}

void Win32DialogView::deferRedraw(HWND list) {
    HWND dialog = dialog_.load();
    if (dialog == nullptr ||
        std::find(redrawPending_.begin(), redrawPending_.end(), list) != redrawPending_.end())
        return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    redrawPending_.push_back(list);
    // The timer is known by this view's address, so the callback finds the view.
    if (redrawPending_.size() == 1)
        SetTimer(dialog, reinterpret_cast<UINT_PTR>(this), kRedrawDelayMs, redrawTimer);
}

void Win32DialogView::redrawDeferred() {
    if (redrawPending_.empty()) return;
    if (HWND dialog = dialog_.load()) KillTimer(dialog, reinterpret_cast<UINT_PTR>(this));
    for (HWND list : redrawPending_) {
        if (!IsWindow(list)) continue;
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    redrawPending_.clear();
}

void CALLBACK Win32DialogView::redrawTimer(HWND, UINT, UINT_PTR id, DWORD) {
    reinterpret_cast<Win32DialogView*>(id)->redrawDeferred();
}

HWND Win32DialogView::control(int id) const {
    HWND dialog = dialog_.load();
    return dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
}

void Win32DialogView::setTitle(const std::string& text) {
    if (HWND dialog = dialog_.load()) SetWindowTextA(dialog, text.c_str());
}

void Win32DialogView::setText(int id, const std::string& text) {
    HWND h = control(id);
    if (h == nullptr) return;
    // An address control shows an address given by its fields; not every comctl32 fills them
    // from WM_SETTEXT.
    if (isAddressControl(h)) {
        DWORD address = 0;
        if (text.empty()) {
            SendMessageA(h, IPM_CLEARADDRESS, 0, 0);
            return;
        }
        if (parseDottedQuad(text, address)) {
            SendMessageA(h, IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
            return;
        }
    }
    // The same text again (a status told of every board found) would only repaint the control,
    // and under Wine each repaint costs more than the rest of the event.
    std::string shown(text.size() + 2, '\0');
    const int n = GetWindowTextA(h, shown.data(), static_cast<int>(shown.size()));
    if (n >= 0 && static_cast<size_t>(n) == text.size() && shown.compare(0, text.size(), text) == 0) return;
    SetWindowTextA(h, text.c_str());
}

std::string Win32DialogView::getText(int id, size_t maxChars) {
    HWND h = control(id);
    if (h == nullptr || maxChars == 0) return {};
    // Read an address control by its fields, as it is written: its text for a blank or
    // half-filled control differs between comctl32 versions ("" or "0.0.0.0"). A blank one is
    // 0.0.0.0, never "no address": the rules judge it like any other.
    if (isAddressControl(h)) {
        DWORD address = 0;
        SendMessageA(h, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
        const std::string text = formatDottedQuad(address);
        return text.substr(0, maxChars);
    }
    std::string buffer(maxChars + 1, '\0');
    int n = GetWindowTextA(h, buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return buffer;
}

void Win32DialogView::enable(int id, bool on) {
    if (HWND h = control(id)) EnableWindow(h, on ? TRUE : FALSE);
}

bool Win32DialogView::isEnabled(int id) {
    HWND h = control(id);
    return h != nullptr && IsWindowEnabled(h);
}

void Win32DialogView::check(int id, bool on) {
    if (HWND h = control(id)) SendMessageA(h, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32DialogView::isChecked(int id) {
    HWND h = control(id);
    return h != nullptr && SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogView::checkRadio(int firstId, int lastId, int checkedId) {
    if (HWND dialog = dialog_.load()) CheckRadioButton(dialog, firstId, lastId, checkedId);
}

void Win32DialogView::listReset(int id) {
    if (HWND h = control(id)) SendMessageA(h, LB_RESETCONTENT, 0, 0);
}

int Win32DialogView::listAdd(int id, const std::string& line) {
    HWND h = control(id);
    if (h == nullptr) return LB_ERR;
    deferRedraw(h);
    return static_cast<int>(SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())));
}

void Win32DialogView::listInsert(int id, int index, const std::string& line) {
    HWND h = control(id);
    if (h == nullptr) return;
    deferRedraw(h);
    SendMessageA(h, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.c_str()));
}

void Win32DialogView::listDelete(int id, int index) {
    HWND h = control(id);
    if (h == nullptr) return;
    deferRedraw(h);
    SendMessageA(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int Win32DialogView::listCount(int id) {
    HWND h = control(id);
    return h != nullptr ? static_cast<int>(SendMessageA(h, LB_GETCOUNT, 0, 0)) : 0;
}

int Win32DialogView::listCurSel(int id) {
    HWND h = control(id);
    if (h == nullptr) return -1;
    LRESULT r = SendMessageA(h, LB_GETCURSEL, 0, 0);
    return r == LB_ERR ? -1 : static_cast<int>(r);
}

void Win32DialogView::listSetCurSel(int id, int index) {
    if (HWND h = control(id)) SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32DialogView::listSelCount(int id) {
    HWND h = control(id);
    if (h == nullptr) return 0;
    LRESULT r = SendMessageA(h, LB_GETSELCOUNT, 0, 0);
    return r == LB_ERR ? 0 : static_cast<int>(r);
}

std::vector<int> Win32DialogView::listSelItems(int id, int max) {
    HWND h = control(id);
    if (h == nullptr || max <= 0) return {};
    std::vector<int> items(static_cast<size_t>(max));
    LRESULT r = SendMessageA(h, LB_GETSELITEMS, static_cast<WPARAM>(max),
                             reinterpret_cast<LPARAM>(items.data()));
    items.resize(r > 0 ? static_cast<size_t>(r) : 0);
    return items;
}

void Win32DialogView::listClearSelection(int id) {
    HWND h = control(id);
    if (h == nullptr) return;
    LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
    if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        SendMessageA(h, LB_SETSEL, FALSE, -1);
    else
        SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void Win32DialogView::listSetTabStops(int id, const std::vector<int>& stops) {
    HWND h = control(id);
    if (h == nullptr) return;
    // The list keeps its own copy of the stops.
    SendMessageA(h, LB_SETTABSTOPS, stops.size(),
                 reinterpret_cast<LPARAM>(stops.empty() ? nullptr : stops.data()));
}

MessageAnswer Win32DialogView::messageBox(const std::string& text, const std::string& caption,
                                          MessageButtons buttons) {
    HWND owner = dialog_.load();
    if (closed_ || owner == nullptr || !IsWindow(owner)) return MessageAnswer::None;
    UINT type = MB_OK;
    switch (buttons) {
    case MessageButtons::Ok: type = MB_OK; break;
    case MessageButtons::YesNo: type = MB_YESNO; break;
    case MessageButtons::RetryCancel: type = MB_RETRYCANCEL; break;
    case MessageButtons::AbortRetryIgnore: type = MB_ABORTRETRYIGNORE; break;
    case MessageButtons::YesNoDefaultNo: type = MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING; break;
    }
    // Wide: a text may name a program or a board in characters the ANSI code page lacks.
    switch (MessageBoxW(owner, wide(text).c_str(), wide(caption).c_str(), type)) {
    case IDOK: return MessageAnswer::Ok;
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDRETRY: return MessageAnswer::Retry;
    case IDCANCEL: return MessageAnswer::Cancel;
    case IDABORT: return MessageAnswer::Abort;
    case IDIGNORE: return MessageAnswer::Ignore;
    default: return MessageAnswer::None;  // the box could not be shown, or its owner went
    }
}

void Win32DialogView::setMenuPoint(HWND from, LPARAM point) {
    if (point != -1) {
        menuPoint_ = POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
        return;
    }
    // From the keyboard: over the focused control, a little in from its corner.
    HWND focus = GetFocus();
    HWND place = focus != nullptr ? focus : from;
    RECT r{};
    if (place == nullptr || !GetWindowRect(place, &r)) {
        menuPoint_.reset();
        return;
    }
    menuPoint_ = POINT{r.left + 8, r.top + 8};
}

int Win32DialogView::popupMenu(const std::vector<MenuItem>& items) {
    HWND dialog = dialog_.load();
    const std::optional<POINT> asked = menuPoint_;
    menuPoint_.reset();
    if (closed_ || dialog == nullptr || items.empty()) return 0;
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return 0;
    for (const MenuItem& item : items) {
        const std::wstring label = wide(item.shortcut.empty() ? item.text : item.text + "\t" + item.shortcut);
        AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(item.id), label.c_str());
    }
    POINT at{};
    if (asked) at = *asked;
    else GetCursorPos(&at);
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, dialog, nullptr));
    DestroyMenu(menu);
    return chosen;
}

std::string Win32DialogView::shownText(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring chars(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, chars.data(), n);
    const int length = WideCharToMultiByte(CP_UTF8, 0, chars.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, chars.data(), n, out.data(), length, nullptr, nullptr);
    return out;
}

bool Win32DialogView::setClipboardText(const std::string& text) {
    HWND dialog = dialog_.load();
    if (dialog == nullptr) return false;
    // The system's plain text ends its lines in CR LF.
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const std::wstring converted = wide(crlf);
    const size_t bytes = (converted.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) return false;
    if (void* at = GlobalLock(block)) {
        std::copy(converted.c_str(), converted.c_str() + converted.size() + 1, static_cast<wchar_t*>(at));
        GlobalUnlock(block);
    } else {
        GlobalFree(block);
        return false;
    }
    if (!openClipboard(dialog)) {
        GlobalFree(block);
        return false;
    }
    bool placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    // Once placed, the block belongs to the clipboard.
    if (!placed) GlobalFree(block);
    return placed;
}

std::optional<std::filesystem::path> Win32DialogView::askSaveFileName(const SaveFileRequest& request) {
    HWND dialog = dialog_.load();
    if (closed_ || dialog == nullptr) return std::nullopt;
    // "CSV files (*.csv)", "*.csv", "All files (*.*)", "*.*", each ended by a NUL, then one more.
    const std::wstring pattern = L"*." + wide(request.extension);
    std::wstring filter = wide(request.typeName) + L" (" + pattern + L")" + L'\0' + pattern + L'\0' +
                          L"All files (*.*)" + L'\0' + L"*.*" + L'\0';
    // Room for the longest path the system takes.
    std::wstring name(32768, L'\0');
    const std::wstring suggested = wide(request.suggestedName);
    std::copy(suggested.begin(), suggested.begin() + std::min(suggested.size(), name.size() - 1), name.begin());
    const std::wstring title = wide(request.title);
    const std::wstring extension = wide(request.extension);

    OPENFILENAMEW ask{};
    ask.lStructSize = sizeof ask;
    ask.hwndOwner = dialog;
    ask.lpstrFilter = filter.c_str();
    ask.nFilterIndex = 1;
    ask.lpstrFile = name.data();
    ask.nMaxFile = static_cast<DWORD>(name.size());
    ask.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ask.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ask.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ask)) return std::nullopt;
    name.resize(wcsnlen(name.c_str(), name.size()));
    return std::filesystem::path(name);
}

void Win32DialogView::close(int result) {
    HWND dialog = dialog_.load();
    if (dialog == nullptr) return;
    closed_ = true;
    if (kind_ == Kind::Modal) {
        EndDialog(dialog, result);
    } else {
        DestroyWindow(dialog);
        PostQuitMessage(0);
    }
}

void Win32DialogView::waitWhile(const std::atomic<bool>& flag) {
    while (flag.load()) pumpSentMessages(1);
}

bool Win32DialogView::sendEvent(SessionEvent code, int32_t value) {
    HWND dialog = dialog_.load();
    if (closed_ || dialog == nullptr || !IsWindow(dialog)) return false;
    const auto wParam = static_cast<WPARAM>(code);
    const auto lParam = static_cast<LPARAM>(value);
    // From another thread the window may go between the test and the send; the send then
    // fails (and answers 0), and nothing was handled.
    return SendMessageA(dialog, kSessionEventMessage, wParam, lParam) != 0;
}

void fitAddressFieldsToFont(HWND dialog) {
    const WPARAM font = static_cast<WPARAM>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!isAddressControl(control)) continue;
        for (HWND field = GetWindow(control, GW_CHILD); field; field = GetWindow(field, GW_HWNDNEXT))
            SendMessageA(field, WM_SETFONT, font, FALSE);
    }
}

void pumpSentMessages(DWORD waitMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_SENDMESSAGE, 0);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}
