// plugset's window logic over the simulated bus and the recording view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_dialog_view.h"
#include "tests/usb/support/sim_usb_bus.h"
#include "usb/resource.h"
#include "usb/usb_window.h"

namespace {

using Lines = std::vector<std::string>;

// The recording view, which can also read texts as Windows does on the double-byte code page
// 932: at most maxChars bytes, and a character whose second byte would not fit is left out
// whole (so a name cut on reading can look short enough).
class UsbTestView : public FakeDialogView {
public:
    bool doubleByteCodePage = false;

    std::string getText(int id, size_t maxChars) override {
        const std::string text = FakeDialogView::getText(id, std::string::npos);
        if (!doubleByteCodePage) return text.substr(0, maxChars);
        size_t end = 0;
        while (end < text.size()) {
            const auto byte = static_cast<unsigned char>(text[end]);
            const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
            const size_t next = end + (lead ? 2 : 1);
            if (next > maxChars) break;
            end = next;
        }
        return text.substr(0, end);
    }
};

class UsbWindowTest : public ::testing::Test {
protected:
    // As the Win32 window opens: the logic's opening, then the timer's first tick at once.
    void open() {
        window.opened();
        tick();
    }
    void tick() { window.timer(REFRESH_TIMER); }
    Lines lines() const { return view.listLines(IDC_USB_LIST); }
    int selected() const {
        auto sel = view.listSelection(IDC_USB_LIST);
        return sel.empty() ? -1 : sel.front();
    }
    void userSelects(int line) {
        view.selectLines(IDC_USB_LIST, line < 0 ? std::vector<int>{} : std::vector<int>{line}, line);
        window.command(IDC_USB_LIST, kListSelectionChanged, 0);
    }
    void userTypesName(const std::string& name) { view.setText(IDC_USB_NAME, name); }
    void userRenames() { window.command(IDC_USB_RENAME, 0, 0); }
    void expectDetailsEnabled(bool on) {
        for (int id : {IDC_USB_DETAILS, IDC_USB_SERIAL_LABEL, IDC_USB_NAME_LABEL, IDC_USB_NAME, IDC_USB_RENAME})
            EXPECT_EQ(view.enabled(id), on) << "control " << id;
        EXPECT_TRUE(view.enabled(IDC_USB_SERIAL));  // not one of the detail controls
    }
    std::string path(int board) { return bus.boards()[static_cast<size_t>(board)].path; }

    UsbTestView view;
    SimUsbBus bus;
    UsbWindow window{view, bus};
};

TEST_F(UsbWindowTest, NoBoardGivesAnEmptyListAndDisabledDetailsUntilClosed) {
    open();
    EXPECT_TRUE(lines().empty());
    expectDetailsEnabled(false);
    EXPECT_EQ(view.text(IDC_USB_SERIAL), "");
    EXPECT_EQ(view.messageCount(), 0u);
    window.command(IDCANCEL, 0, 0);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(view.result(), IDCANCEL);
}

TEST_F(UsbWindowTest, EachLineIsNameTabSerialLeavingOutWhatFailed) {
    bus.plug("Lab3", "A1B2C3");
    bus.plug("nameless", "S2").nameFails = true;
    bus.plug("noserial", "S3").serialFails = true;
    bus.plug("x", "S5").pathFails = true;                 // listed as "error"
    bus.plug("ABCDEFGHIJKLMNOPQ", "1234567890123");      // 17-byte name, 13-byte serial
    bus.plug(std::string("Lab\0junk", 8), "S7");         // the name's own terminator ends it
    bus.plug("", "S8");
    open();
    EXPECT_EQ(lines(), (Lines{"Lab3\tA1B2C3", "S2", "noserial\t", "", "ABCDEFGHIJKLMNOPQ\t1234567890123",
                              "Lab\tS7", "\tS8"}));
}

// An entry whose path the system did not give is stored as "error": a request there would open
// a file of that name in the current folder, so none is made, whatever the user does.
TEST_F(UsbWindowTest, AnEntryWithoutDevicePathGetsNoRequest) {
    bus.plug("alpha", "111");
    bus.plug("x", "S5").pathFails = true;
    open();
    tick();
    EXPECT_EQ(lines(), (Lines{"alpha\t111", ""}));
    userSelects(0);
    userSelects(1);
    EXPECT_EQ(view.text(IDC_USB_SERIAL), "111");  // nothing read, so nothing changed
    EXPECT_EQ(view.text(IDC_USB_NAME), "alpha");
    expectDetailsEnabled(true);
    userTypesName("Bench-7");
    userRenames();
    ASSERT_EQ(view.messageCount(), 1u);
    EXPECT_EQ(view.lastMessage()->text, "An error occured while trying to change the USB device name.");
    EXPECT_EQ(view.lastMessage()->caption, "Error");
    EXPECT_TRUE(bus.writes().empty());
    EXPECT_EQ(bus.requests(kUsbErrorPath), 0);
    EXPECT_GT(bus.requests(path(0)), 0);
}

TEST_F(UsbWindowTest, BoardsPluggedOrUnpluggedShowOnTheNextRefreshTick) {
    bus.plug("one", "1");
    open();
    bus.plug("two", "2");
    EXPECT_EQ(lines(), Lines{"one\t1"});
    window.timer(REFRESH_TIMER + 1);  // another timer refreshes nothing
    EXPECT_EQ(lines(), Lines{"one\t1"});
    tick();
    EXPECT_EQ(lines(), (Lines{"one\t1", "two\t2"}));
    bus.unplug(path(0));
    bus.plug("three", "3");
    tick();
    EXPECT_EQ(lines(), (Lines{"two\t2", "three\t3"}));
}

TEST_F(UsbWindowTest, SelectingALineShowsAndEnablesItsDetails) {
    bus.plug("alpha", "111");
    bus.plug("beta", "222");
    open();
    userSelects(1);
    EXPECT_EQ(view.text(IDC_USB_SERIAL), "222");
    EXPECT_EQ(view.text(IDC_USB_NAME), "beta");
    expectDetailsEnabled(true);

    // A request that fails leaves its text; a board unplugged a moment ago leaves both.
    bus.boards()[0].serialFails = true;
    userSelects(0);
    EXPECT_EQ(view.text(IDC_USB_SERIAL), "222");
    EXPECT_EQ(view.text(IDC_USB_NAME), "alpha");
    bus.unplug(path(1));
    userSelects(1);
    EXPECT_EQ(view.text(IDC_USB_NAME), "alpha");
    expectDetailsEnabled(true);

    userSelects(-1);
    expectDetailsEnabled(false);
    view.selectLines(IDC_USB_LIST, {0}, 0);
    window.command(IDC_USB_LIST, kListSelectionChanged + 1, 0);  // other notifications are ignored
    expectDetailsEnabled(false);
}

TEST_F(UsbWindowTest, RefreshKeepsTheSelectedIndexAndLeavesTheDetailsAlone) {
    bus.plug("zero", "0");
    bus.plug("one", "1");
    bus.plug("two", "2");
    open();
    userSelects(1);
    userTypesName("Bench-");
    bus.unplug(path(0));
    tick();
    EXPECT_EQ(lines(), (Lines{"one\t1", "two\t2"}));
    EXPECT_EQ(selected(), 1);  // now the board that was line 2
    EXPECT_EQ(view.text(IDC_USB_SERIAL), "1");
    EXPECT_EQ(view.text(IDC_USB_NAME), "Bench-");  // what the user is typing
    bus.unplug(path(0));
    tick();
    EXPECT_EQ(selected(), -1);  // no line 1 any more
    expectDetailsEnabled(true);
}

TEST_F(UsbWindowTest, AListingOutOfMemoryEmptiesTheListAndTheNextTickTriesAgain) {
    bus.plug("alpha", "111");
    bus.setMemoryExhausted(true);
    open();
    EXPECT_EQ(window.deviceCount(), -1);
    EXPECT_TRUE(lines().empty());
    bus.setMemoryExhausted(false);
    tick();
    EXPECT_EQ(lines(), Lines{"alpha\t111"});

    userSelects(0);
    bus.setMemoryExhausted(true);
    tick();
    EXPECT_TRUE(lines().empty());
    userTypesName("new");
    userRenames();  // no board to rename, and nothing to say
    EXPECT_TRUE(bus.writes().empty());
    EXPECT_EQ(view.messageCount(), 0u);
    bus.setMemoryExhausted(false);
    tick();
    EXPECT_EQ(lines(), Lines{"alpha\t111"});
}

struct RenameCase {
    const char* typed;
    bool lineSelected;
    bool boardRefuses;
    const char* message;  // nullptr: none
    bool written;
    bool doubleByteCodePage = false;
};

// Hiragana "a" (two bytes on code page 932): nine are 18 bytes, eight are 16.
constexpr char kNineKana[] = "\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0";
constexpr char kEightKana[] = "\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0";

class UsbRenameTest : public UsbWindowTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(UsbRenameTest, ChecksTheNameThenWritesIt) {
    const RenameCase& c = GetParam();
    bus.plug("old", "111");
    bus.plug("other", "222");
    open();
    if (c.lineSelected) userSelects(1);
    bus.boards()[1].writeFails = c.boardRefuses;
    view.doubleByteCodePage = c.doubleByteCodePage;
    userTypesName(c.typed);
    userRenames();

    if (c.message == nullptr) {
        EXPECT_EQ(view.messageCount(), 0u);
    } else {
        ASSERT_EQ(view.messageCount(), 1u);
        EXPECT_EQ(view.lastMessage()->text, c.message);
        EXPECT_EQ(view.lastMessage()->caption, "Error");
        EXPECT_EQ(view.lastMessage()->buttons, MessageButtons::Ok);
    }
    if (c.written) {
        ASSERT_EQ(bus.writes().size(), 1u);
        EXPECT_EQ(bus.writes()[0].path, path(1));
        EXPECT_EQ(bus.writes()[0].bytes, c.typed);
    } else {
        EXPECT_TRUE(bus.writes().empty());
    }
    tick();
    const std::string shown = c.written && !c.boardRefuses ? c.typed : "other";
    EXPECT_EQ(lines()[1], shown + "\t222");
}

INSTANTIATE_TEST_SUITE_P(
    Names, UsbRenameTest,
    ::testing::Values(RenameCase{"Bench-7", true, false, nullptr, true},
                      RenameCase{"ABCDEFGHIJKLMNOP", true, false, nullptr, true},  // 16: the most
                      RenameCase{"ABCDEFGHIJKLMNOPQ", true, false, "Name must be less than 16 characters.", false},
                      RenameCase{"", true, false, "Enter new USB device name.", false},
                      RenameCase{"", false, false, "Enter new USB device name.", false},
                      RenameCase{"Bench-7", false, false, nullptr, false},
                      RenameCase{"Bench-7", true, true,
                                 "An error occured while trying to change the USB device name.", true},
                      RenameCase{kNineKana, true, false, "Name must be less than 16 characters.", false, true},
                      RenameCase{kEightKana, true, false, nullptr, true, true}));

}  // namespace
