#include "tests/win/win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "view/win32/win32_dialog_view.h"
#include "tests/win/dialog_template.h"
#include "ui/resource.h"
#include "ui/win32/win32_front.h"

namespace wintest {

void initCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_INTERNET_CLASSES;
    ASSERT_TRUE(InitCommonControlsEx(&controls));
}

std::string windowText(HWND window) {
    char buffer[512] = {};
    int n = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string className(HWND window) {
    char buffer[256] = {};
    int n = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT clientRectOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE dialogUnitSize(HWND dialog, int width, int height) {
    RECT r{0, 0, width, height};
    MapDialogRect(dialog, &r);
    return SIZE{r.right, r.bottom};
}

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND window) { return window != nullptr && IsWindowEnabled(window) != FALSE; }
bool enabled(HWND dialog, int id) { return enabled(GetDlgItem(dialog, id)); }

namespace {

bool samePlace(const TemplateItem& item, const TemplateControl& c) {
    return item.x == c.x && item.y == c.y && item.width == c.width && item.height == c.height;
}

const TemplateItem* findItem(const DialogTemplateInfo& info, const TemplateControl& c) {
    for (const TemplateItem& item : info.items) {
        const bool match =
            c.id >= 0 ? item.id == c.id
                      : item.id == 0xFFFF && _stricmp(item.windowClass.c_str(), c.windowClass) == 0 &&
                            item.text == (c.text ? c.text : "") && samePlace(item, c);
        if (match) return &item;
    }
    return nullptr;
}

}  // namespace

void expectTemplate(int templateId, const char* caption, int width, int height, DWORD required,
                    DWORD forbidden, const std::vector<TemplateControl>& controls) {
    DialogTemplateInfo info;
    ASSERT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), templateId, info)) << templateId;
    EXPECT_EQ(info.caption, caption);
    EXPECT_EQ(info.width, width);
    EXPECT_EQ(info.height, height);
    EXPECT_EQ(info.font, "MS Sans Serif");
    EXPECT_EQ(info.pointSize, 8);
    EXPECT_EQ(info.style & required, required) << std::hex << info.style;
    EXPECT_EQ(info.style & forbidden, 0u) << std::hex << info.style;
    EXPECT_EQ(info.exStyle, 0u);
    const auto addresses = std::count_if(info.items.begin(), info.items.end(), [](const TemplateItem& item) {
        return _stricmp(item.windowClass.c_str(), WC_IPADDRESSA) == 0;
    });
    EXPECT_EQ(info.items.size() - static_cast<size_t>(addresses), controls.size())
        << "controls in template " << templateId;

    for (const TemplateControl& c : controls) {
        const std::string what =
            "control " + std::to_string(c.id) + " \"" + (c.text ? c.text : "") + "\"";
        const TemplateItem* item = findItem(info, c);
        if (item == nullptr) {
            ADD_FAILURE() << what << " is not in template " << templateId;
            continue;
        }
        EXPECT_EQ(_stricmp(item->windowClass.c_str(), c.windowClass), 0)
            << what << " is a " << item->windowClass;
        if (c.text != nullptr) {
            EXPECT_EQ(item->text, c.text) << what;
        }
        EXPECT_TRUE(samePlace(*item, c)) << what << " is at " << item->x << "," << item->y << ","
                                         << item->width << "," << item->height;
        const DWORD base = WS_CHILD | WS_VISIBLE;
        EXPECT_EQ(item->style & (base | c.required), base | c.required)
            << what << " style " << std::hex << item->style;
        EXPECT_EQ(item->style & c.forbidden, 0u) << what << " style " << std::hex << item->style;
        if (c.kind >= 0) {
            const DWORD mask = _stricmp(c.windowClass, "Static") == 0 ? SS_TYPEMASK : BS_TYPEMASK;
            EXPECT_EQ(static_cast<int>(item->style & mask), c.kind) << what;
        }
    }
}

std::string shownAddress(HWND addressControl) {
    if (SendMessageA(addressControl, IPM_ISBLANK, 0, 0)) return "";
    DWORD address = 0;
    SendMessageA(addressControl, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return std::to_string(FIRST_IPADDRESS(address)) + "." + std::to_string(SECOND_IPADDRESS(address)) +
           "." + std::to_string(THIRD_IPADDRESS(address)) + "." +
           std::to_string(FOURTH_IPADDRESS(address));
}

RECT dialogUnitsToPixels(HWND dialog, int x, int y, int width, int height) {
    RECT r{x, y, width, height};
    MapDialogRect(dialog, &r);
    return r;
}

std::array<HWND, 3> expectAddressControls(HWND dialog, int templateId, HWND column) {
    std::array<HWND, 3> controls{};
    const RECT base = dialogUnitsToPixels(dialog, 4, 8, 4, 8);
    // With the font and DPI of Windows' own dialogs, the pixels the controls were drawn for.
    const bool windowsMetrics = screenDpi() == 96 && base.right == 6 && base.bottom == 13;
    const int ids[3] = {IDV_IP_ADDRESS, IDV_SUBNET_MASK, IDV_GATEWAY};
    for (size_t i = 0; i < 3; ++i) {
        HWND address = controls[i] = GetDlgItem(dialog, ids[i]);
        if (address == nullptr || className(address) != WC_IPADDRESSA) {
            ADD_FAILURE() << "no IP address control " << ids[i] << " in template " << templateId;
            continue;
        }
        RECT r = clientRectOf(address);
        if (windowsMetrics) {
            EXPECT_EQ(r.left, 125) << ids[i];
            EXPECT_EQ(r.right - r.left, 158) << ids[i];
            EXPECT_EQ(r.bottom - r.top, 23) << ids[i];
        }
        const LONG_PTR style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        EXPECT_EQ(styleOf(address) & style, style) << ids[i];
        const LRESULT font = SendMessageA(dialog, WM_GETFONT, 0, 0);   // as the template's controls
        for (HWND field : childWindows(address)) EXPECT_EQ(SendMessageA(field, WM_GETFONT, 0, 0), font) << ids[i];
        if (column != nullptr) {
            EXPECT_EQ(r.left, clientRectOf(column).left) << ids[i];
            EXPECT_EQ(r.right, clientRectOf(column).right) << ids[i];
        }
    }
    return controls;
}

int expectedDpi() {
    const char* given = std::getenv("LANSET_WINE_DPI");
    return given != nullptr && *given != '\0' ? std::atoi(given) : 96;
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

namespace {

std::string describe(HWND control) {
    const RECT r = clientRectOf(control);
    return className(control) + " \"" + windowText(control) + "\" at " + std::to_string(r.left) + "," +
           std::to_string(r.top) + "-" + std::to_string(r.right) + "," + std::to_string(r.bottom);
}

bool isGroupFrame(HWND control) {
    return _stricmp(className(control).c_str(), "Button") == 0 &&
           (styleOf(control) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The room a control leaves its text: a check box or radio button draws its box before it.
int textRoom(HWND control) {
    const RECT r = clientRectOf(control);
    int room = r.right - r.left;
    if (_stricmp(className(control).c_str(), "Button") == 0) {
        switch (styleOf(control) & BS_TYPEMASK) {
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
            room -= GetSystemMetrics(SM_CXMENUCHECK);
            break;
        default:
            room -= 2 * GetSystemMetrics(SM_CXEDGE);
            break;
        }
    }
    return room;
}

}  // namespace

void expectTidyLayout(HWND dialog) {
    EXPECT_EQ(screenDpi(), expectedDpi()) << "the prefix's LogPixels did not take";
    std::vector<HWND> controls;
    for (HWND child : childWindows(dialog))
        if (IsWindowVisible(child) && !isGroupFrame(child)) controls.push_back(child);
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const RECT a = clientRectOf(controls[i]);
            const RECT b = clientRectOf(controls[j]);
            RECT both{};
            EXPECT_FALSE(IntersectRect(&both, &a, &b))
                << describe(controls[i]) << " overlaps " << describe(controls[j]);
        }
    }
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    for (HWND control : controls) {
        // Trailing blanks show nothing: only what is drawn must fit.
        std::string text = windowText(control);
        text.erase(text.find_last_not_of(' ') + 1);
        if (text.empty() || className(control) == WC_IPADDRESSA) continue;
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        EXPECT_LE(size.cx, textRoom(control)) << describe(control) << " cuts its text off";
    }
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
}

void pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void clickListLine(HWND list, int index, bool withControl) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    const WPARAM keys = MK_LBUTTON | (withControl ? MK_CONTROL : 0);
    SendMessageA(list, WM_LBUTTONDOWN, keys, at);
    SendMessageA(list, WM_LBUTTONUP, keys & ~static_cast<WPARAM>(MK_LBUTTON), at);
}

DeviceRecord* newBoard(const char* id, const char* mac, const char* ip, const char* subnet,
                       const char* gateway, bool dhcp) {
    auto* board = new DeviceRecord;
    board->setId(id);
    copyText(board->mac, mac);
    board->setIp(ip);
    board->setSubnet(subnet);
    board->setGateway(gateway);
    board->dhcp = dhcp ? 1 : 0;
    copyText(board->echoText, "echo");
    return board;
}

namespace {

// A command identifier that no template uses: the script's turn.
constexpr int kRunScript = 0x7FF0;

class ScriptedLogic : public WindowLogic {
public:
    ScriptedLogic(std::unique_ptr<WindowLogic> inner, Win32DialogView& view,
                  const DialogScript& script)
        : inner_(std::move(inner)), view_(view), script_(script) {}

    void opened() override {
        inner_->opened();
        PostMessageA(view_.window(), WM_COMMAND, MAKEWPARAM(kRunScript, 0), 0);
    }
    void command(int id, int notification, intptr_t value) override {
        if (id != kRunScript) {
            inner_->command(id, notification, value);
            return;
        }
        script_(view_.window());
        // A dialog that its logic has ended is already hidden; keep the logic's result.
        if (IsWindowVisible(view_.window())) view_.close(kScriptDone);
    }
    bool event(SessionEvent code, int32_t value) override { return inner_->event(code, value); }

private:
    std::unique_ptr<WindowLogic> inner_;
    Win32DialogView& view_;
    const DialogScript& script_;
};

}  // namespace

int runScriptedDialog(int templateId, const WindowFactory& make, const DialogScript& script,
                      HWND owner) {
    WindowFactory scripted = [&](DialogView& view) -> std::unique_ptr<WindowLogic> {
        auto* win32View = dynamic_cast<Win32DialogView*>(&view);
        if (win32View == nullptr) return nullptr;
        return std::make_unique<ScriptedLogic>(make(view), *win32View, script);
    };
    return runLansetDialog(GetModuleHandleA(nullptr), owner, templateId, scripted);
}

}  // namespace wintest
