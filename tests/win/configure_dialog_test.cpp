// The configure dialog from its template over a board, read back with Win32 calls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "net/net_session.h"
#include "tests/net/support/sim_channel.h"
#include "tests/win/win_test_support.h"
#include "ui/configure_dialog.h"
#include "ui/resource.h"

namespace {

using wintest::checked;
using wintest::enabled;
using wintest::windowText;

class ConfigureDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::initCommonControls();
        session_.devices.initialise();
    }
    // Opens the dialog over board index, runs script on it, and returns the dialog's result.
    int open(int index, const wintest::DialogScript& script) {
        WindowFactory make = [this, index](DialogView& view) {
            return std::make_unique<ConfigureDialog>(view, session_, index);
        };
        return wintest::runScriptedDialog(IDD_CONFIGURE, make, script);
    }
    // The boards answer on a simulated network: nothing here reaches a real one.
    std::unique_ptr<SimChannel> owned_ = std::make_unique<SimChannel>();
    SimChannel& lan_ = *owned_;
    NetSession session_{std::move(owned_)};
};

TEST(ConfigureDialogTemplate, DescribesTheDialogAndItsControls) {
    const int check = BS_AUTOCHECKBOX;
    const int radio = BS_AUTORADIOBUTTON;
    wintest::expectTemplate(
        IDD_CONFIGURE, "Ethernet Board Configure", 203, 154,
        DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        WS_POPUP | WS_MAXIMIZEBOX | WS_THICKFRAME,
        {
            {IDC_CFG_ID_CHECK, "Button", "ID:", 14, 17, 38, 10, check, 0, 0},
            {IDC_CFG_ID_EDIT, "Edit", "", 83, 16, 105, 14, -1, WS_BORDER | ES_AUTOHSCROLL, 0},
            {IDC_CFG_IP_CHECK, "Button", "IP Address:", 14, 37, 60, 10, check, 0, 0},
            {-1, "Static", "Subnet Mask:", 25, 56, 49, 10, SS_LEFT, 0, 0},
            {IDC_CFG_GATEWAY_CHECK, "Button", "Default Gateway:", 14, 75, 69, 10, check, 0, 0},
            {IDC_CFG_DHCP_CHECK, "Button", "DHCP:", 14, 94, 38, 10, check, 0, 0},
            {IDC_CFG_DHCP_YES, "Button", "Yes", 84, 94, 28, 10, radio, WS_GROUP, 0},
            {IDC_CFG_DHCP_NO, "Button", "No", 112, 94, 25, 10, radio, 0, WS_GROUP},
            {-1, "Button", "", 7, 7, 189, 102, BS_GROUPBOX, 0, 0},
            {-1, "Button", "", 7, 104, 189, 19, BS_GROUPBOX, 0, 0},
            {-1, "Static", "Configure Status:", 14, 111, 55, 8, SS_LEFT, 0, 0},
            {IDC_STATUS, "Static", "", 71, 111, 100, 8, SS_LEFT, 0, 0},
            {IDC_CFG_CONFIGURE, "Button", "Configure", 7, 133, 50, 14, BS_PUSHBUTTON, 0, 0},
            {IDCANCEL, "Button", "Cancel", 146, 133, 50, 14, BS_PUSHBUTTON, 0, 0},
        });
}

TEST_F(ConfigureDialogTest, OpensFromItsTemplateOverABoardWithDhcpOff) {
    session_.devices.append(wintest::newBoard("Lab-7", "0a1b2c3d4e5f", "192.168.1.20",
                                              "255.255.255.0", "192.168.1.1", false));
    int result = open(0, [](HWND dialog) {
        EXPECT_EQ(windowText(dialog), "Ethernet Board Configure");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_CFG_ID_EDIT)), "Lab-7");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_STATUS)), "Ready");
        auto [ip, mask, gateway] = wintest::expectAddressControls(dialog, IDD_CONFIGURE);
        EXPECT_EQ(wintest::shownAddress(ip), "192.168.1.20");
        EXPECT_EQ(wintest::shownAddress(mask), "255.255.255.0");
        EXPECT_EQ(wintest::shownAddress(gateway), "192.168.1.1");
        EXPECT_EQ(windowText(ip), "192.168.1.20");

        for (int id : {IDC_CFG_ID_CHECK, IDC_CFG_IP_CHECK, IDC_CFG_GATEWAY_CHECK, IDC_CFG_DHCP_CHECK})
            EXPECT_TRUE(checked(dialog, id)) << id;
        EXPECT_FALSE(checked(dialog, IDC_CFG_DHCP_YES));
        EXPECT_TRUE(checked(dialog, IDC_CFG_DHCP_NO));
        EXPECT_TRUE(enabled(ip));
        EXPECT_TRUE(enabled(mask));
        EXPECT_TRUE(enabled(gateway));
        EXPECT_TRUE(enabled(dialog, IDC_CFG_IP_CHECK));
        EXPECT_TRUE(enabled(dialog, IDC_CFG_CONFIGURE));
    });
    EXPECT_EQ(result, wintest::kScriptDone);
}

TEST_F(ConfigureDialogTest, ABoardWithDhcpOnShowsYesAndLocksTheAddress) {
    session_.devices.append(wintest::newBoard("Lab-8", "0a1b2c3d4e60", "10.0.0.9", "255.0.0.0",
                                              "10.0.0.1", true));
    int result = open(0, [](HWND dialog) {
        EXPECT_TRUE(checked(dialog, IDC_CFG_DHCP_YES));
        EXPECT_FALSE(checked(dialog, IDC_CFG_DHCP_NO));
        auto [ip, mask, gateway] = wintest::expectAddressControls(dialog, IDD_CONFIGURE);
        EXPECT_EQ(wintest::shownAddress(ip), "10.0.0.9");
        EXPECT_FALSE(enabled(ip));
        EXPECT_FALSE(enabled(mask));
        EXPECT_FALSE(enabled(dialog, IDC_CFG_IP_CHECK));
        EXPECT_TRUE(checked(dialog, IDC_CFG_IP_CHECK));
        EXPECT_TRUE(enabled(gateway));

        // "No" by the mouse: the template's radio group clears "Yes" by itself, and the
        // dialog frees the address again.
        SendMessageA(GetDlgItem(dialog, IDC_CFG_DHCP_NO), BM_CLICK, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_CFG_DHCP_NO));
        EXPECT_FALSE(checked(dialog, IDC_CFG_DHCP_YES));
        EXPECT_TRUE(enabled(dialog, IDC_CFG_IP_CHECK));
        EXPECT_TRUE(enabled(ip));
        EXPECT_TRUE(enabled(mask));
        // The DHCP box does not belong to the radio group.
        EXPECT_TRUE(checked(dialog, IDC_CFG_DHCP_CHECK));

        // Check boxes follow the mouse and switch their parts.
        SendMessageA(GetDlgItem(dialog, IDC_CFG_ID_CHECK), BM_CLICK, 0, 0);
        EXPECT_FALSE(checked(dialog, IDC_CFG_ID_CHECK));
        EXPECT_FALSE(enabled(dialog, IDC_CFG_ID_EDIT));
        SendMessageA(GetDlgItem(dialog, IDC_CFG_GATEWAY_CHECK), BM_CLICK, 0, 0);
        EXPECT_FALSE(enabled(gateway));
        SendMessageA(GetDlgItem(dialog, IDC_CFG_DHCP_CHECK), BM_CLICK, 0, 0);
        EXPECT_FALSE(enabled(dialog, IDC_CFG_DHCP_YES));
        EXPECT_FALSE(enabled(dialog, IDC_CFG_DHCP_NO));
    });
    EXPECT_EQ(result, wintest::kScriptDone);
}

// A blank address control reads as 0.0.0.0: with "Default Gateway:" checked the board is told
// to have no gateway, rather than keeping the one it had.
TEST_F(ConfigureDialogTest, ACheckedButBlankGatewaySendsZeroGateway) {
    session_.devices.append(wintest::newBoard("Lab-7", "0a1b2c3d4e5f", "192.168.1.20",
                                              "255.255.255.0", "192.168.1.1", false));
    SimBoard board;
    board.mac = "0a1b2c3d4e5f";
    board.ip = "192.168.1.20";
    board.gateway = "192.168.1.1";
    lan_.addBoard(board);
    int result = open(0, [](HWND dialog) {
        auto [ip, mask, gateway] = wintest::expectAddressControls(dialog, IDD_CONFIGURE);
        SendMessageA(ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 30));
        SendMessageA(gateway, IPM_CLEARADDRESS, 0, 0);
        EXPECT_TRUE(checked(dialog, IDC_CFG_GATEWAY_CHECK));
        SendMessageA(GetDlgItem(dialog, IDC_CFG_CONFIGURE), BM_CLICK, 0, 0);
        // The acknowledgement ends the dialog; the limit only guards against waiting for ever.
        for (const DWORD start = GetTickCount(); IsWindowVisible(dialog) && GetTickCount() - start < 20000;)
            wintest::pumpFor(10);
    });
    EXPECT_EQ(result, ConfigureDialog::kConfigured);
    ASSERT_EQ(lan_.configureRequests().size(), 1u);
    EXPECT_EQ(lan_.board(0).ip, "192.168.1.30");
    EXPECT_EQ(lan_.board(0).gateway, "0.0.0.0");
    EXPECT_STREQ(session_.devices.at(0)->gateway, "0.0.0.0");
}

TEST_F(ConfigureDialogTest, CancelAndTheCloseBoxEndTheDialogWithZero) {
    session_.devices.append(wintest::newBoard("Lab-9", "0a1b2c3d4e61", "10.0.0.10", "255.0.0.0",
                                              "10.0.0.1", false));
    EXPECT_EQ(open(0, [](HWND dialog) {
                  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
              }),
              0);
    EXPECT_EQ(open(0, [](HWND dialog) {
                  SendMessageA(dialog, WM_CLOSE, 0, 0);
                  wintest::pumpFor(50);
              }),
              0);
}

// Everything in dialog units: at this run's DPI (96, 120 or 144) no two controls overlap, the
// address controls stand in the ID edit's column, and every label is whole.
TEST_F(ConfigureDialogTest, LayoutHoldsAtTheScreensDpi) {
    session_.devices.append(wintest::newBoard("Lab-7", "0a1b2c3d4e5f", "192.168.1.20",
                                              "255.255.255.0", "192.168.1.1", false));
    open(0, [](HWND dialog) {
        wintest::expectAddressControls(dialog, IDD_CONFIGURE, GetDlgItem(dialog, IDC_CFG_ID_EDIT));
        wintest::expectTidyLayout(dialog);
    });
}

}  // namespace

