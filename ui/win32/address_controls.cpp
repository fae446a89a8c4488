#include "ui/win32/address_controls.h"

#include <commctrl.h>

#include "ui/resource.h"

namespace {

// Dialog units, like every control of the templates, so that the address controls follow the
// dialog's font and DPI: in "MS Sans Serif" 8 at 96 DPI (6 x 13 pixels a unit pair) they stand
// at x 125, 158 x 23 pixels, in the column of the ID edit and on the rows of their labels.
constexpr int kLeft = 83;
constexpr int kWidth = 105;
constexpr int kHeight = 14;

struct AddressRows {
    int templateId;
    int top[3];  // address (or start address), mask, gateway
};

constexpr AddressRows kRows[] = {
    {IDD_CONFIGURE, {36, 55, 74}},
    {IDD_AUTOCONFIGURE, {50, 69, 88}},
};

constexpr int kViewIds[3] = {IDV_IP_ADDRESS, IDV_SUBNET_MASK, IDV_GATEWAY};

}  // namespace

void createAddressControls(Win32DialogView& view, HINSTANCE instance, int templateId) {
    // A window made by hand draws in the System font until told otherwise; the dialog's controls
    // draw in the template's.
    const WPARAM font = static_cast<WPARAM>(SendMessageA(view.window(), WM_GETFONT, 0, 0));
    for (const AddressRows& rows : kRows) {
        if (rows.templateId != templateId) continue;
        for (int i = 0; i < 3; ++i) {
            // Position and size converted apart, as the dialog manager converts a template's.
            RECT place{kLeft, rows.top[i], kWidth, kHeight};
            MapDialogRect(view.window(), &place);
            HWND control = CreateWindowExA(0, WC_IPADDRESSA, "", WS_CHILD | WS_VISIBLE, place.left,
                                           place.top, place.right, place.bottom, view.window(),
                                           nullptr, instance, nullptr);
            if (control == nullptr) continue;
            // Wine's control keeps a font of its own for its fields: they are told too.
            SendMessageA(control, WM_SETFONT, font, FALSE);
            for (HWND field = GetWindow(control, GW_CHILD); field; field = GetWindow(field, GW_HWNDNEXT))
                SendMessageA(field, WM_SETFONT, font, FALSE);
            ShowWindow(control, SW_SHOW);
            view.mapControl(kViewIds[i], control);
        }
    }
}
