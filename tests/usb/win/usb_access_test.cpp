// The driver access layer without the driver: the real SetupDi finds no board of the class,
// and requests on paths that are no board fail quietly, closing what they opened.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "usb/win32/usb_access.h"

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int threadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(UsbAccess, TheInterfaceClassIsTheDriversOne) {
    const GUID& g = boardInterfaceClass;
    char text[40];
    std::snprintf(text, sizeof text, "%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    EXPECT_STREQ(text, "BCB3C510-9C6A-48C3-887A-DF992853E6A9");
}

TEST(UsbAccess, NoBoardOfTheClassGivesAnEmptyTerminatedList) {
    for (int round = 0; round < 3; ++round) {  // nothing accumulates between listings
        UsbDeviceList list = reinterpret_cast<UsbDeviceList>(&round);  // stale value to overwrite
        ASSERT_EQ(enumerateUsbDevices(&list, boardInterfaceClass), 0);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list[0], nullptr);
        freeUsbDeviceList(list);
    }
}

TEST(UsbAccess, RequestsOnPathsThatAreNoBoardFailWithoutAMessage) {
    const char* paths[] = {"\\\\?\\usb#vid_0000&pid_0000#gone#{bcb3c510-9c6a-48c3-887a-df992853e6a9}",
                           "error", "", nullptr};
    for (const char* path : paths) {
        SCOPED_TRACE(path == nullptr ? "(null)" : path);
        char name[kUsbNameBuffer];
        char serial[kUsbSerialBuffer];
        EXPECT_FALSE(readDeviceName(path, name));
        EXPECT_FALSE(readSerialNumber(path, serial));
        EXPECT_FALSE(writeDeviceName(path, "Lab3"));
        EXPECT_FALSE(writeDeviceName(path, ""));
    }
    EXPECT_EQ(threadWindows(), 0);
}

TEST(UsbAccess, ARequestThatTheTargetRefusesStillClosesItsHandle) {
    char dir[MAX_PATH];
    char file[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof dir, dir), 0u);
    ASSERT_NE(GetTempFileNameA(dir, "usb", 0, file), 0u);
    // A plain file opens like a device path but knows none of the board's requests.
    char name[kUsbNameBuffer];
    char serial[kUsbSerialBuffer];
    EXPECT_FALSE(readDeviceName(file, name));
    EXPECT_FALSE(readSerialNumber(file, serial));
    EXPECT_FALSE(writeDeviceName(file, "Lab3"));
    // Opened without delete sharing: the file can only go once every handle is closed.
    EXPECT_TRUE(DeleteFileA(file)) << GetLastError();
    EXPECT_EQ(threadWindows(), 0);
}

}  // namespace
