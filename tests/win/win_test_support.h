#pragma once
// Helpers for the tests that open lanset's real windows from its templates under Wine: reading
// controls back with Win32 calls, comparing them with the template, and running a modal dialog
// with a script that acts on it once it is up.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "net/device_record.h"
#include "view/window_logic.h"

namespace wintest {

void initCommonControls();

std::string windowText(HWND window);
std::string className(HWND window);
LONG_PTR styleOf(HWND window);
// The direct children of parent.
std::vector<HWND> childWindows(HWND parent);
// A child's rectangle in its parent's client coordinates.
RECT clientRectOf(HWND child);
bool checked(HWND dialog, int id);
bool enabled(HWND window);   // false for no window
bool enabled(HWND dialog, int id);
// The client size that a dialog of width x height dialog units has.
SIZE dialogUnitSize(HWND dialog, int width, int height);

// One control as a dialog's template must describe it. id -1: a control without identifier,
// found by its class, text and place. kind: the BS_/SS_ type in the low style bits, or -1.
struct TemplateControl {
    int id;
    const char* windowClass;
    const char* text;
    int x, y, width, height;
    int kind;
    DWORD required;   // style bits that must be set
    DWORD forbidden;  // style bits that must be clear
};
// EXPECTs that template templateId of this program has the caption, size, font "MS Sans Serif"
// 8 pt, the dialog style bits, and exactly the controls listed besides its IP address controls
// (expectAddressControls checks those).
void expectTemplate(int templateId, const char* caption, int width, int height, DWORD required,
                    DWORD forbidden, const std::vector<TemplateControl>& controls);

// The address that an IP address control's four fields show, "" when they are all blank.
std::string shownAddress(HWND addressControl);

// A dialog-unit rectangle (x, y, width, height) in pixels as the dialog manager converts a
// template's: position and size apart. right and bottom hold the width and height.
RECT dialogUnitsToPixels(HWND dialog, int x, int y, int width, int height);

// The dialog's three IP address controls (address, mask, gateway), made from template
// templateId; EXPECTs that each is there as its item of the template says, a visible tab stop
// whose fields draw in the dialog's font. In "MS Sans Serif" 8 at 96 DPI each is 158 x 23 pixels
// at x 125. With column, each must also stand exactly in that control's column.
std::array<HWND, 3> expectAddressControls(HWND dialog, int templateId, HWND column = nullptr);

// The DPI this test run was given (LANSET_WINE_DPI, else 96), and the screen's.
int expectedDpi();
int screenDpi();
// EXPECTs that no two visible controls of the dialog overlap (a group frame holds others and
// is left out), and that each label's text fits its control in the dialog's font.
void expectTidyLayout(HWND dialog);

// Handles the thread's messages for about ms milliseconds.
void pumpFor(DWORD ms);
// Clicks a list line as a user would (button down and up over it), with Ctrl held if asked.
void clickListLine(HWND list, int index, bool withControl);

// A board as a find would have stored it.
DeviceRecord* newBoard(const char* id, const char* mac, const char* ip, const char* subnet,
                       const char* gateway, bool dhcp);

// Runs template templateId modally with the logic from make; once the dialog's modal loop runs,
// script acts on the dialog and the dialog then ends with kScriptDone (unless the logic ended
// it first).
constexpr int kScriptDone = 4242;
using DialogScript = std::function<void(HWND dialog)>;
int runScriptedDialog(int templateId, const WindowFactory& make, const DialogScript& script,
                      HWND owner = nullptr);

}  // namespace wintest
