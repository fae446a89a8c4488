#include "ui/win32/address_controls.h"

#include <commctrl.h>

#include "ui/resource.h"

namespace {

// Pixels of the dialog's client area; they line up with the template's labels in its font.
constexpr int kLeft = 125;
constexpr int kWidth = 158;
constexpr int kHeight = 23;

struct AddressRows {
    int templateId;
    int top[3];  // address (or start address), mask, gateway
};

constexpr AddressRows kRows[] = {
    {IDD_CONFIGURE, {58, 89, 120}},
    {IDD_AUTOCONFIGURE, {81, 112, 143}},
};

constexpr int kViewIds[3] = {IDV_IP_ADDRESS, IDV_SUBNET_MASK, IDV_GATEWAY};

}  // namespace

void createAddressControls(Win32DialogView& view, HINSTANCE instance, int templateId) {
    for (const AddressRows& rows : kRows) {
        if (rows.templateId != templateId) continue;
        for (int i = 0; i < 3; ++i) {
            HWND control = CreateWindowExA(0, WC_IPADDRESSA, "", WS_CHILD | WS_VISIBLE, kLeft,
                                           rows.top[i], kWidth, kHeight, view.window(), nullptr,
                                           instance, nullptr);
            if (control == nullptr) continue;
            ShowWindow(control, SW_SHOW);
            view.mapControl(kViewIds[i], control);
        }
    }
}
