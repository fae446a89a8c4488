// Drives plugset.exe from outside through window messages, over the three boards that
// simboard.sys simulates (Lab3/A1B2C3, Kiln2/0042F7, Oven7/00A913): the list shows them, the
// details show the selected one, Rename gives it a new name on the board (read back by the next
// refresh), and the window closes. Prints one line per failed check; exits 1 when any failed.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/window_driving.h"
#include "usb/resource.h"
#include "versions.h"

using namespace driver;

int main() {
    const char* title = PLUGSET_PRODUCT_TEXT "  " PLUGSET_VERSION_TEXT;
    HWND window = waitWindow(title, 120000);
    if (window == nullptr) {
        fail(std::string("no window titled \"") + title + "\"");
        return 1;
    }
    HWND list = GetDlgItem(window, IDC_USB_LIST);
    const std::vector<std::string> boards = {"Lab3\tA1B2C3", "Kiln2\t0042F7", "Oven7\t00A913"};
    if (!waitFor([&] { return listLines(list) == boards; }, 20000)) {
        for (const std::string& line : listLines(list)) note("listed: " + line);
        fail("the list does not show the three simulated boards");
    }

    ask(list, LB_SETCURSEL, 1);
    ask(window, WM_COMMAND, MAKEWPARAM(IDC_USB_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    expectEq(textOf(GetDlgItem(window, IDC_USB_SERIAL)), "0042F7", "serial number shown");
    expectEq(textOf(GetDlgItem(window, IDC_USB_NAME)), "Kiln2", "name shown");

    setTextOf(GetDlgItem(window, IDC_USB_NAME), "Kiln9");
    press(window, IDC_USB_RENAME);
    const std::vector<std::string> renamed = {"Lab3\tA1B2C3", "Kiln9\t0042F7", "Oven7\t00A913"};
    if (!waitFor([&] { return listLines(list) == renamed; }, 10000)) {
        if (FindWindowA(nullptr, "Error") != nullptr) note("an \"Error\" box is shown");
        fail("the renamed board is not listed as Kiln9");
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!waitFor([&] { return !IsWindow(window); }, 10000)) fail("the window is still there after closing");
    note(failures == 0 ? "PASS: plugset" : std::to_string(failures) + " check(s) failed in plugset");
    return failures == 0 ? 0 : 1;
}
