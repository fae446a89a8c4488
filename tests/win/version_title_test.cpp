// The window title from the program file's version block, read from this test program's own
// copy of lanset's resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/version_title.h"
#include "common/win32/win32_dialog_view.h"
#include "tests/win/win_test_support.h"
#include "ui/resource.h"

namespace {

TEST(ComposeVersionTitle, MissingValuesAndTheLengthLimit) {
    EXPECT_EQ(composeVersionTitle("Tarnwick Lanset", "1.2"), "Tarnwick Lanset  1.2");
    EXPECT_EQ(composeVersionTitle("Tarnwick Lanset", nullptr), "Tarnwick Lanset  ");
    EXPECT_EQ(composeVersionTitle(nullptr, "1.2"), "1.2");
    EXPECT_EQ(composeVersionTitle(nullptr, nullptr), "");
    EXPECT_EQ(composeVersionTitle("", ""), "  ");

    const std::string longName(300, 'n');
    const std::string cut = composeVersionTitle(longName.c_str(), "9.9");
    EXPECT_EQ(cut, std::string(255, 'n'));
    const std::string nearlyFull(252, 'n');
    EXPECT_EQ(composeVersionTitle(nearlyFull.c_str(), "1.23"), nearlyFull + "  1");
}

class VersionTitleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "Tarnwick Lanset", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }
    HWND window_ = nullptr;
};

TEST_F(VersionTitleWindow, ReadsProductNameAndVersionUnderThePrefixOfTheStringTable) {
    const std::string prefix = loadResourceString(GetModuleHandleA(nullptr), IDS_VERSION_PREFIX);
    EXPECT_EQ(prefix, "\\StringFileInfo\\040904E4\\");
    EXPECT_TRUE(buildVersionTitle(window_, GetModuleHandleA(nullptr), prefix.c_str()));
    EXPECT_EQ(wintest::windowText(window_), "Tarnwick Lanset  1.2");
}

TEST_F(VersionTitleWindow, APrefixWithoutValuesGivesAnEmptyTitle) {
    // Neither value exists under another language block: the title is set, and empty.
    EXPECT_TRUE(buildVersionTitle(window_, GetModuleHandleA(nullptr), "\\StringFileInfo\\041104B0\\"));
    EXPECT_EQ(wintest::windowText(window_), "");
}

TEST_F(VersionTitleWindow, AProgramFileWithoutVersionBlockKeepsTheCaption) {
    // A module handle that names no file at all: nothing can be read, the caption stays.
    HINSTANCE none = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x10));
    EXPECT_FALSE(buildVersionTitle(window_, none, "\\StringFileInfo\\040904E4\\"));
    EXPECT_EQ(wintest::windowText(window_), "Tarnwick Lanset");
}

TEST(LoadResourceString, AnEntryThatIsNotThereIsEmpty) {
    EXPECT_EQ(loadResourceString(GetModuleHandleA(nullptr), 903), "");
}

}  // namespace
