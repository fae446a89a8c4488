// The auto-configure dialog from its template: controls, modes by the device table and the
// selection, and the addresses that the host's adapter proposes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "net/net_session.h"
#include "tests/win/win_test_support.h"
#include "ui/auto_configure_dialog.h"
#include "ui/resource.h"

namespace {

using wintest::checked;
using wintest::enabled;
using wintest::windowText;

class AutoConfigureDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::initCommonControls();
        session_.devices.initialise();
    }
    void addBoards(int count) {
        for (int i = 0; i < count; ++i) {
            char mac[16];
            snprintf(mac, sizeof mac, "0a1b2c3d4e%02x", i);
            session_.devices.append(wintest::newBoard("B", mac, "10.0.0.2", "255.0.0.0",
                                                      "10.0.0.1", false));
        }
    }
    // chosen: the main list's selected lines.
    int open(AdapterSource adapters, const wintest::DialogScript& script,
             std::vector<int32_t> chosen = {}) {
        WindowFactory make = [this, adapters, chosen](DialogView& view) {
            return std::make_unique<AutoConfigureDialog>(view, session_, template_, adapters,
                                                         chosen, BoardListHooks{});
        };
        return wintest::runScriptedDialog(IDD_AUTOCONFIGURE, make, script);
    }
    NetSession session_;
    DeviceRecord template_;
};

std::optional<AdapterAddresses> adapterAt10_1_2_3() {
    return AdapterAddresses{"10.1.2.3", "255.255.0.0", "10.1.0.1"};
}
std::optional<AdapterAddresses> noAdapter() { return std::nullopt; }

TEST(AutoConfigureDialogTemplate, DescribesTheDialogAndItsControls) {
    const int check = BS_AUTOCHECKBOX;
    const int radio = BS_RADIOBUTTON;
    wintest::expectTemplate(
        IDD_AUTOCONFIGURE, "Ethernet Board Auto Configure", 203, 204,
        DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
        WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME,
        {
            {IDC_AUTO_ID_CHECK, "Button", "ID:", 15, 17, 38, 10, check, 0, 0},
            {IDC_AUTO_PATTERN, "Edit", "", 83, 16, 105, 14, -1, WS_BORDER | ES_AUTOHSCROLL, 0},
            {IDC_AUTO_SEQUENCE_LABEL, "Static", "Sequence Number start:", 85, 35, 78, 8, SS_LEFT, 0, 0},
            {IDC_AUTO_SEQUENCE, "Edit", "", 165, 33, 23, 14, -1, WS_BORDER, ES_AUTOHSCROLL},
            {IDC_AUTO_IP_CHECK, "Button", "Start IP Address:", 15, 51, 68, 10, check, 0, 0},
            {IDC_AUTO_MASK_LABEL, "Static", "Subnet Mask:", 27, 71, 47, 11, SS_LEFT, 0, 0},
            {IDC_AUTO_GATEWAY_CHECK, "Button", "Default Gateway:", 15, 89, 67, 10, check, 0, 0},
            {IDC_AUTO_DHCP_CHECK, "Button", "DHCP:", 15, 108, 38, 10, check, 0, 0},
            {IDC_AUTO_DHCP_YES, "Button", "Yes", 85, 108, 28, 10, radio, 0, 0},
            {IDC_AUTO_DHCP_NO, "Button", "No", 115, 108, 25, 10, radio, 0, 0},
            {IDC_AUTO_MODE_SELECTED, "Button", "Configure selected devices", 14, 125, 101, 10, radio, 0, 0},
            {IDC_AUTO_MODE_ALL, "Button", "Configure all devices", 14, 136, 81, 10, radio, 0, 0},
            {IDC_AUTO_MODE_FIND, "Button", "Find and Configure all devices", 14, 147, 111, 10, radio, 0, 0},
            {-1, "Static", "Status:", 14, 163, 23, 8, SS_LEFT, 0, 0},
            {IDC_AUTO_PHASE, "Static", "", 42, 163, 52, 8, SS_LEFT, 0, 0},
            {IDC_STATUS, "Static", "", 98, 163, 81, 8, SS_LEFT, 0, 0},
            {IDC_AUTO_CONFIGURE_ALL, "Button", "Configure All", 7, 183, 50, 14, BS_PUSHBUTTON, 0, 0},
            {IDCANCEL, "Button", "Cancel", 146, 183, 50, 14, BS_PUSHBUTTON, 0, 0},
            {-1, "Button", "", 7, 7, 189, 117, BS_GROUPBOX, 0, 0},
            {-1, "Button", "", 7, 119, 189, 41, BS_GROUPBOX, 0, 0},
            {-1, "Button", "", 7, 155, 189, 19, BS_GROUPBOX, 0, 0},
        });
}

TEST_F(AutoConfigureDialogTest, OpensFromItsTemplateWithAnEmptyDeviceTable) {
    int result = open(adapterAt10_1_2_3, [](HWND dialog) {
        EXPECT_EQ(windowText(dialog), "Ethernet Board Auto Configure");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_AUTO_PATTERN)), "Vorn");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_AUTO_SEQUENCE)), "1");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_AUTO_PHASE)), "Ready");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_STATUS)), "");

        for (int id : {IDC_AUTO_ID_CHECK, IDC_AUTO_IP_CHECK, IDC_AUTO_GATEWAY_CHECK,
                       IDC_AUTO_DHCP_CHECK, IDC_AUTO_DHCP_NO})
            EXPECT_TRUE(checked(dialog, id)) << id;
        EXPECT_FALSE(checked(dialog, IDC_AUTO_DHCP_YES));

        // No boards yet: only a fresh find can give the pass its boards.
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_MODE_SELECTED));
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_MODE_ALL));
        EXPECT_TRUE(enabled(dialog, IDC_AUTO_MODE_FIND));
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_FIND));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_SELECTED));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_ALL));

        auto [start, mask, gateway] = wintest::expectAddressControls(dialog, IDD_AUTOCONFIGURE);
        for (HWND address : {start, mask, gateway}) EXPECT_TRUE(enabled(address));
        EXPECT_EQ(wintest::shownAddress(start), "10.1.0.0");  // the adapter's network address
        EXPECT_EQ(wintest::shownAddress(mask), "255.255.0.0");
        EXPECT_EQ(wintest::shownAddress(gateway), "10.1.0.1");
        EXPECT_TRUE(enabled(dialog, IDC_AUTO_CONFIGURE_ALL));
    });
    EXPECT_EQ(result, wintest::kScriptDone);
}

TEST_F(AutoConfigureDialogTest, ModesFollowTheBoardsAndTheSelection) {
    addBoards(3);
    open(noAdapter, [](HWND dialog) {
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_MODE_SELECTED));
        EXPECT_TRUE(enabled(dialog, IDC_AUTO_MODE_ALL));
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_ALL));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_FIND));
        // No adapter information: the address controls stay empty.
        for (int id : {IDV_IP_ADDRESS, IDV_SUBNET_MASK, IDV_GATEWAY})
            EXPECT_TRUE(SendDlgItemMessageA(dialog, id, IPM_ISBLANK, 0, 0)) << id;
    });

    open(noAdapter, [](HWND dialog) {
        EXPECT_TRUE(enabled(dialog, IDC_AUTO_MODE_SELECTED));
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_SELECTED));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_ALL));

        // Plain radio buttons: the dialog itself checks the one clicked.
        SendMessageA(GetDlgItem(dialog, IDC_AUTO_MODE_FIND), BM_CLICK, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_FIND));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_SELECTED));
        SendMessageA(GetDlgItem(dialog, IDC_AUTO_MODE_ALL), BM_CLICK, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_ALL));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_MODE_FIND));
    }, {0, 2});
}

TEST_F(AutoConfigureDialogTest, DhcpYesLocksTheStartAddressUntilNo) {
    open(adapterAt10_1_2_3, [](HWND dialog) {
        HWND start = GetDlgItem(dialog, IDV_IP_ADDRESS);
        HWND mask = GetDlgItem(dialog, IDV_SUBNET_MASK);
        SendMessageA(GetDlgItem(dialog, IDC_AUTO_DHCP_YES), BM_CLICK, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_AUTO_DHCP_YES));
        EXPECT_FALSE(checked(dialog, IDC_AUTO_DHCP_NO));
        EXPECT_FALSE(enabled(start));
        EXPECT_FALSE(enabled(mask));
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_IP_CHECK));
        // The mode buttons are a group of their own.
        EXPECT_TRUE(checked(dialog, IDC_AUTO_MODE_FIND));

        SendMessageA(GetDlgItem(dialog, IDC_AUTO_DHCP_NO), BM_CLICK, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_AUTO_DHCP_NO));
        EXPECT_TRUE(enabled(start));
        EXPECT_TRUE(enabled(dialog, IDC_AUTO_IP_CHECK));

        SendMessageA(GetDlgItem(dialog, IDC_AUTO_ID_CHECK), BM_CLICK, 0, 0);
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_PATTERN));
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_SEQUENCE));
        EXPECT_FALSE(enabled(dialog, IDC_AUTO_SEQUENCE_LABEL));
    });
}

// Everything in dialog units: at this run's DPI (96, 120 or 144) no two controls overlap, the
// address controls stand in the ID edit's column, and every label is whole.
TEST_F(AutoConfigureDialogTest, LayoutHoldsAtTheScreensDpi) {
    open(adapterAt10_1_2_3, [](HWND dialog) {
        wintest::expectAddressControls(dialog, IDD_AUTOCONFIGURE, GetDlgItem(dialog, IDC_AUTO_PATTERN));
        wintest::expectTidyLayout(dialog);
    });
}

}  // namespace
