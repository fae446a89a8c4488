// Drives a running lanset.exe from outside, as a user would, with window messages: finds its
// main window by the title, presses buttons, fills dialogs and reads the list and the status
// back. One scenario per run; exit status 0 when every check held. Run in the same Wine
// session (prefix and display) as lanset.exe.
//
//   lanset_driver find N           Find lists the N simulated boards, each once, exactly
//   lanset_driver stop N           Stop Find during a find ends it with the boards found so far
//   lanset_driver configure N      one board gets a new ID and IP address; a new find shows it
//   lanset_driver auto N           all boards get a pattern ID and consecutive addresses
//   lanset_driver exit-finding N   Exit while a find runs closes the window at once
//   lanset_driver storm N          Find / Stop Find / Find again, then a find lists every board
//   lanset_driver screenshots N    pictures of the three windows and of the board list's context
//                                  menu over the boards, as BMP files in the current directory
//
// The simulated boards are boardsim's defaults: board i has the ID Sim<i, 4 digits>, the
// hardware address 025a<i + 1, 8 hex digits> and the IP address 192.168.10.101 + i.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tests/win/window_capture.h"
#include "tests/win/window_driving.h"
#include "ui/resource.h"

namespace {

using driver::ask;
using driver::expectEq;
using driver::fail;
using driver::failures;
using driver::listLines;
using driver::note;
using driver::press;
using driver::setTextOf;
using driver::textOf;
using driver::waitFor;
using driver::waitWindow;

// What typing an address into the four fields of an IP address control gives.
void typeAddress(HWND control, const std::string& text) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) != 4) {
        fail("bad address " + text);
        return;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control, IPM_SETADDRESS, 0, static_cast<LPARAM>(MAKEIPADDRESS(a, b, c, d)),
                        SMTO_NORMAL, 10000, &ignored);
}

// A press whose handling is over when this returns (for buttons whose handler does not wait).
bool pressNow(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr || !IsWindowEnabled(button)) return false;
    ask(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::string status(HWND dialog) { return textOf(GetDlgItem(dialog, IDC_STATUS)); }

std::vector<std::string> lines(HWND window) { return listLines(GetDlgItem(window, IDC_DEVICE_LIST)); }

std::string dotted(unsigned address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 255,
                  (address >> 8) & 255, address & 255);
    return text;
}

std::string simMac(int i) {
    char mac[16];
    std::snprintf(mac, sizeof mac, "025a%08x", i + 1);
    return mac;
}

// The list line of simulated board i as it starts.
std::string simLine(int i) {
    char id[16];
    std::snprintf(id, sizeof id, "Sim%04d", i);
    return std::string(id) + "\t" + simMac(i) + "\t" + dotted(0xC0A80A65u + static_cast<unsigned>(i));
}

std::string finishedText(int n) {
    return "Finished.  Found " + std::to_string(n) + (n == 1 ? " device" : " devices");
}

struct FindReport {
    DWORD durationMs = 0;
    DWORD longestAnswerMs = 0;   // to a message sent to the window during the find
    DWORD longestRepaintMs = 0;  // from invalidating the window to its repaint
};

// Presses Find and watches the window until the find has finished.
FindReport runFind(HWND window, DWORD limitMs) {
    FindReport report;
    const DWORD start = GetTickCount();
    if (!press(window, IDC_FIND)) return report;
    HWND list = GetDlgItem(window, IDC_DEVICE_LIST);
    while (true) {
        const DWORD before = GetTickCount();
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored))
            fail("the window did not answer within 10 s during the find");
        report.longestAnswerMs = std::max(report.longestAnswerMs, GetTickCount() - before);

        const DWORD invalidated = GetTickCount();
        InvalidateRect(list, nullptr, FALSE);
        if (!waitFor([&] { return !GetUpdateRect(list, nullptr, FALSE); }, 10000))
            fail("the list was not repainted within 10 s during the find");
        report.longestRepaintMs = std::max(report.longestRepaintMs, GetTickCount() - invalidated);

        if (status(window).rfind("Finished.", 0) == 0 && enabled(window, IDC_FIND)) break;
        if (GetTickCount() - start > limitMs) {
            fail("the find did not finish within " + std::to_string(limitMs) + " ms");
            break;
        }
        Sleep(20);
    }
    report.durationMs = GetTickCount() - start;
    return report;
}

void expectSimBoards(HWND window, int n, const std::string& what) {
    std::vector<std::string> shown = lines(window);
    if (static_cast<int>(shown.size()) != n)
        fail(what + ": " + std::to_string(shown.size()) + " lines, expected " + std::to_string(n));
    std::multiset<std::string> got(shown.begin(), shown.end());
    std::multiset<std::string> expected;
    for (int i = 0; i < n; ++i) expected.insert(simLine(i));
    if (got != expected) {
        int shownWrong = 0;
        for (const std::string& line : got)
            if (expected.count(line) != 1 && shownWrong++ < 5) fail(what + ": unexpected line " + line);
        fail(what + ": the lines are not the simulated boards, each once");
    }
    expectEq(status(window), finishedText(n), what + ": status");
}

int lineOfMac(HWND window, const std::string& mac) {
    std::vector<std::string> shown = lines(window);
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i].find("\t" + mac + "\t") != std::string::npos) return static_cast<int>(i);
    return -1;
}

// Selects exactly one line, as a click on it does.
void selectLine(HWND window, int index) {
    HWND list = GetDlgItem(window, IDC_DEVICE_LIST);
    ask(list, LB_SETSEL, FALSE, -1);
    ask(list, LB_SETSEL, TRUE, index);
    ask(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    ask(window, WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool waitGone(HWND window, DWORD ms) {
    return waitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

int scenarioFind(HWND window, int n) {
    FindReport report = runFind(window, 120000);
    expectSimBoards(window, n, "find");
    note("find: " + std::to_string(n) + " boards listed in " + std::to_string(report.durationMs) +
         " ms; longest answer to a sent message " + std::to_string(report.longestAnswerMs) +
         " ms; longest repaint " + std::to_string(report.longestRepaintMs) + " ms");
    if (enabled(window, IDC_STOP_FIND)) fail("Stop Find is still enabled after the find");
    return 0;
}

int scenarioStop(HWND window, int n) {
    if (!press(window, IDC_FIND)) return 1;
    if (!waitFor([&] { return !lines(window).empty(); }, 30000)) fail("no board listed during the find");
    if (!enabled(window, IDC_STOP_FIND)) fail("Stop Find is not enabled during the find");
    if (enabled(window, IDC_FIND)) fail("Find is enabled during the find");
    const DWORD pressed = GetTickCount();
    press(window, IDC_STOP_FIND);
    if (!waitFor([&] { return status(window).rfind("Finished.", 0) == 0; }, 30000))
        fail("the stopped find did not finish");
    note("stop: finished " + std::to_string(GetTickCount() - pressed) + " ms after Stop Find");
    const int listed = static_cast<int>(lines(window).size());
    expectEq(status(window), finishedText(listed), "stop: status");
    if (listed < 1 || listed > n) fail("stop: " + std::to_string(listed) + " boards listed");
    if (!enabled(window, IDC_FIND)) fail("stop: Find is not enabled again");
    if (enabled(window, IDC_STOP_FIND)) fail("stop: Stop Find is still enabled");
    // A full find afterwards still finds every board.
    runFind(window, 120000);
    expectSimBoards(window, n, "find after stop");
    return 0;
}

int scenarioConfigure(HWND window, int n) {
    runFind(window, 120000);
    expectSimBoards(window, n, "find before configure");
    const int board = n / 2;
    const std::string mac = simMac(board);
    int line = lineOfMac(window, mac);
    if (line < 0) return fail("configure: board " + mac + " is not listed"), 1;
    selectLine(window, line);
    if (!enabled(window, IDC_CONFIGURE)) fail("configure: Configure is not enabled for one line");

    press(window, IDC_CONFIGURE);
    HWND dialog = waitWindow("Ethernet Board Configure", 10000);
    if (dialog == nullptr) return fail("configure: the dialog did not open"), 1;
    char simId[16];
    std::snprintf(simId, sizeof simId, "Sim%04d", board);
    expectEq(textOf(GetDlgItem(dialog, IDC_CFG_ID_EDIT)), simId, "configure: ID shown");
    HWND ip = GetDlgItem(dialog, IDV_IP_ADDRESS);
    if (ip == nullptr) return fail("configure: no IP address control"), 1;
    expectEq(textOf(ip), dotted(0xC0A80A65u + static_cast<unsigned>(board)), "configure: IP shown");
    expectEq(status(dialog), "Ready", "configure: dialog status");

    setTextOf(GetDlgItem(dialog, IDC_CFG_ID_EDIT), "Lab-42");
    typeAddress(ip, "192.168.10.200");
    press(dialog, IDC_CFG_CONFIGURE);
    if (!waitGone(dialog, 30000)) return fail("configure: the dialog did not close"), 1;
    if (!waitFor([&] { return status(window) == "Device Configured"; }, 10000))
        fail("configure: main status is \"" + status(window) + "\"");
    const std::vector<std::string> shown = lines(window);
    const std::string wanted = "Lab-42\t" + mac + "\t192.168.10.200";
    if (line >= static_cast<int>(shown.size()) || shown[line] != wanted)
        fail("configure: line " + std::to_string(line) + " is not rewritten as " + wanted);
    if (ask(GetDlgItem(window, IDC_DEVICE_LIST), LB_GETSELCOUNT) != 0) fail("configure: a line stays selected");
    if (enabled(window, IDC_CONFIGURE)) fail("configure: Configure stays enabled");

    // The board itself now answers with its new settings.
    runFind(window, 120000);
    line = lineOfMac(window, mac);
    if (line < 0 || lines(window)[line] != wanted) fail("configure: a new find does not show " + wanted);
    expectEq(status(window), finishedText(n), "configure: find afterwards");
    return 0;
}

int scenarioAuto(HWND window, int n) {
    runFind(window, 120000);
    expectSimBoards(window, n, "find before auto-configure");
    press(window, IDC_AUTO_CONFIGURE);
    HWND dialog = waitWindow("Ethernet Board Auto Configure", 10000);
    if (dialog == nullptr) return fail("auto: the dialog did not open"), 1;
    // The proposal comes from this host's adapter: 10.213.x.1/24 gives its network address.
    HWND start = GetDlgItem(dialog, IDV_IP_ADDRESS);
    HWND mask = GetDlgItem(dialog, IDV_SUBNET_MASK);
    if (start == nullptr || mask == nullptr) return fail("auto: no address controls"), 1;
    note("auto: proposed start " + textOf(start) + " mask " + textOf(mask));
    if (IsDlgButtonChecked(dialog, IDC_AUTO_MODE_ALL) != BST_CHECKED)
        fail("auto: \"Configure all devices\" is not chosen with boards and no selection");

    setTextOf(GetDlgItem(dialog, IDC_AUTO_PATTERN), "Node###");
    setTextOf(GetDlgItem(dialog, IDC_AUTO_SEQUENCE), "1");
    typeAddress(start, "192.168.10.50");
    typeAddress(mask, "255.255.255.0");
    press(dialog, IDC_AUTO_CONFIGURE_ALL);
    if (!waitGone(dialog, 120000)) return fail("auto: the dialog did not close"), 1;
    if (!waitFor([&] { return status(window).find("Configured") != std::string::npos; }, 10000))
        fail("auto: main status is \"" + status(window) + "\"");

    // Line i shows board i, numbered and addressed in list order.
    auto expectNumbered = [&](const std::string& what) {
        const std::vector<std::string> shown = lines(window);
        if (static_cast<int>(shown.size()) != n) fail(what + ": " + std::to_string(shown.size()) + " lines");
        std::set<std::string> seen;
        for (size_t i = 0; i < shown.size(); ++i) {
            char id[16];
            std::snprintf(id, sizeof id, "Node%03d", static_cast<int>(i) + 1);
            const std::string prefix = std::string(id) + "\t";
            std::string suffix(1, '\t');
            suffix += dotted(0xC0A80A32u + static_cast<unsigned>(i));
            const std::string& l = shown[i];
            if (l.rfind(prefix, 0) != 0 || l.size() < suffix.size() ||
                l.compare(l.size() - suffix.size(), suffix.size(), suffix) != 0)
                fail(what + ": line " + std::to_string(i) + " is " + l);
            seen.insert(l.substr(prefix.size(), 12));
        }
        if (static_cast<int>(seen.size()) != n) fail(what + ": boards missing or twice");
    };
    expectNumbered("auto");
    const std::vector<std::string> configured = lines(window);

    // The boards answer with their new settings; a find lists them in answer order.
    runFind(window, 120000);
    std::vector<std::string> found = lines(window);
    if (std::multiset<std::string>(found.begin(), found.end()) !=
        std::multiset<std::string>(configured.begin(), configured.end()))
        fail("auto: a new find does not show the configured boards");
    return 0;
}

// Find, Stop Find and Find again in quick succession, each stop at another moment of the find
// (after a random number of boards), like an impatient user; then one find must list every
// board once.
int scenarioStorm(HWND window, int n) {
    srand(static_cast<unsigned>(GetTickCount()));
    for (int round = 0; round < 20; ++round) {
        if (!waitFor([&] { return enabled(window, IDC_FIND); }, 30000))
            return fail("storm: Find did not come back in round " + std::to_string(round)), 1;
        if (!pressNow(window, IDC_FIND)) return fail("storm: Find cannot be pressed"), 1;
        const size_t stopAfter = static_cast<size_t>(rand() % (n + 1));
        waitFor([&] { return lines(window).size() >= stopAfter || enabled(window, IDC_FIND); }, 10000);
        pressNow(window, IDC_STOP_FIND);
        if (!waitFor([&] { return enabled(window, IDC_FIND); }, 30000))
            return fail("storm: the stopped find did not end in round " + std::to_string(round)), 1;
        const int listed = static_cast<int>(lines(window).size());
        expectEq(status(window), finishedText(listed), "storm: status of round " + std::to_string(round));
        if (listed > n) fail("storm: " + std::to_string(listed) + " lines in round " + std::to_string(round));
    }
    runFind(window, 120000);
    expectSimBoards(window, n, "find after the storm");
    return 0;
}

int scenarioExitWhileFinding(HWND window) {
    if (!press(window, IDC_FIND)) return 1;
    if (!waitFor([&] { return !lines(window).empty(); }, 30000)) fail("no board listed during the find");
    press(window, IDCANCEL);
    if (!waitFor([&] { return !IsWindow(window); }, 10000)) fail("exit: the window is still there");
    return 0;
}

void capture(HWND window, const char* file) {
    if (!saveWindowImage(window, file)) fail(std::string("could not save ") + file);
}

int scenarioScreenshots(HWND window, int n) {
    runFind(window, 120000);
    expectSimBoards(window, n, "find");
    selectLine(window, 1);
    capture(window, "lanset-main.bmp");

    press(window, IDC_CONFIGURE);
    if (HWND dialog = waitWindow("Ethernet Board Configure", 10000)) {
        capture(dialog, "lanset-configure.bmp");
        press(dialog, IDCANCEL);
        waitGone(dialog, 10000);
    } else {
        fail("the configure dialog did not open");
    }

    // The list's context menu, opened by a right click on the second line, inside the window.
    HWND list = GetDlgItem(window, IDC_DEVICE_LIST);
    RECT line{};
    ask(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    POINT at{line.left + 90, (line.top + line.bottom) / 2};
    ClientToScreen(list, &at);
    PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
    HWND menu = nullptr;
    if (waitFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); },
                10000)) {
        capture(window, "lanset-context-menu.bmp");
        // Esc closes the menu without a choice.
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
        if (!waitFor([&] { return !IsWindowVisible(menu); }, 10000)) fail("the context menu stayed open");
    } else {
        fail("no context menu");
    }

    ask(list, LB_SETSEL, TRUE, 2);
    ask(window, WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    press(window, IDC_AUTO_CONFIGURE);
    if (HWND dialog = waitWindow("Ethernet Board Auto Configure", 10000)) {
        capture(dialog, "lanset-auto-configure.bmp");
        press(dialog, IDCANCEL);
        waitGone(dialog, 10000);
    } else {
        fail("the auto-configure dialog did not open");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lanset_driver find|stop|configure|auto|exit-finding|storm|screenshots [N]\n");
        return 2;
    }
    const std::string scenario = argv[1];
    const int n = argc > 2 ? std::atoi(argv[2]) : 5;
    HWND window = waitWindow("Tarnwick Lanset  1.2", 120000);
    if (window == nullptr) {
        fail("no window titled \"Tarnwick Lanset  1.2\"");
        return 1;
    }
    expectEq(status(window), "Ready", "status at opening");

    if (scenario == "find") scenarioFind(window, n);
    else if (scenario == "stop") scenarioStop(window, n);
    else if (scenario == "configure") scenarioConfigure(window, n);
    else if (scenario == "auto") scenarioAuto(window, n);
    else if (scenario == "exit-finding") scenarioExitWhileFinding(window);
    else if (scenario == "storm") scenarioStorm(window, n);
    else if (scenario == "screenshots") scenarioScreenshots(window, n);
    else {
        std::fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    // Every scenario but the last leaves the program to be ended like a user does.
    if (scenario != "exit-finding" && IsWindow(window)) {
        press(window, IDCANCEL);
        if (!waitFor([&] { return !IsWindow(window); }, 10000)) fail("exit: the window is still there");
    }
    note(failures == 0 ? "PASS: " + scenario : std::to_string(failures) + " check(s) failed in " + scenario);
    return failures == 0 ? 0 : 1;
}
