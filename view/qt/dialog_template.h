#pragma once
// A dialog template of a resource script as data: what view/qt/rc_dialogs.py writes at build
// time from the .rc file, so that other toolkits lay windows out from the same templates.
#include <cstddef>
#include <cstdint>
#include <span>

// Win32 style bits the Qt view reads (their values in the templates).
namespace rc {
inline constexpr uint32_t kDisabled = 0x08000000;
inline constexpr uint32_t kTabStop = 0x00010000;
inline constexpr uint32_t kGroup = 0x00020000;
inline constexpr uint32_t kMinimizeBox = 0x00020000;   // on a dialog
inline constexpr uint32_t kButtonType = 0x0F;
inline constexpr uint32_t kDefPushButton = 0x1;
inline constexpr uint32_t kCheckBox = 0x2;
inline constexpr uint32_t kAutoCheckBox = 0x3;
inline constexpr uint32_t kRadioButton = 0x4;
inline constexpr uint32_t k3State = 0x5;
inline constexpr uint32_t kAuto3State = 0x6;
inline constexpr uint32_t kGroupBox = 0x7;
inline constexpr uint32_t kAutoRadioButton = 0x9;
inline constexpr uint32_t kStaticAlign = 0x3;          // SS_LEFT 0, SS_CENTER 1, SS_RIGHT 2
inline constexpr uint32_t kEditAutoHScroll = 0x80;
inline constexpr uint32_t kEditPassword = 0x20;
inline constexpr uint32_t kEditReadOnly = 0x800;
inline constexpr uint32_t kListSort = 0x2;
inline constexpr uint32_t kListMultipleSel = 0x8;
inline constexpr uint32_t kListUseTabStops = 0x80;
inline constexpr uint32_t kListExtendedSel = 0x800;
}  // namespace rc

struct DialogControl {
    const char* windowClass;   // "Static", "Button", "Edit", "ListBox", "SysIPAddress32"
    int id;                    // -1 for none
    const char* text;
    int x, y, width, height;   // dialog units
    uint32_t style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height;         // of the client area, dialog units
    uint32_t style;
    int pointSize;
    const char* font;
    const DialogControl* controls;
    size_t controlCount;

    std::span<const DialogControl> items() const { return {controls, controlCount}; }
};

// The template with that id in a generated table, or null.
inline const DialogTemplate* findDialogTemplate(std::span<const DialogTemplate> table, int id) {
    for (const DialogTemplate& dialog : table)
        if (dialog.id == id) return &dialog;
    return nullptr;
}
