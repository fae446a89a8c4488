// The listing loop over the simulated bus: growth of the path array, "error" entries, indexes
// passed over, and running out of memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/usb/support/sim_usb_bus.h"

namespace {

void plugBoards(SimUsbBus& bus, int count) {
    for (int i = 0; i < count; ++i) bus.plug("board", "SN" + std::to_string(1000 + i));
}

struct ListHolder {
    UsbDeviceList list = nullptr;
    ~ListHolder() { freeUsbDeviceList(list); }
};

constexpr size_t arrayBytes(size_t room) { return (room + 1) * sizeof(char*); }

class ListGrowth : public ::testing::TestWithParam<int> {};

TEST_P(ListGrowth, PathsInOrderWithTerminatorAndADoublingArray) {
    const int boards = GetParam();
    SimUsbBus bus;
    plugBoards(bus, boards);
    ListHolder held;
    ASSERT_EQ(bus.list(held.list), boards);
    ASSERT_NE(held.list, nullptr);
    for (int i = 0; i < boards; ++i)
        EXPECT_EQ(std::string(held.list[i]), bus.boards()[static_cast<size_t>(i)].path) << i;
    EXPECT_EQ(held.list[boards], nullptr);

    // Room for 8 paths (and the terminator) at first, doubled whenever it is full.
    std::vector<size_t> expected{arrayBytes(8)};
    for (size_t i = 0, room = 8; i < static_cast<size_t>(boards); ++i) {
        if (i == room) expected.push_back(arrayBytes(room *= 2));
        expected.push_back(kUsbPathBuffer);
    }
    EXPECT_EQ(bus.allocations(), expected);
    EXPECT_EQ(bus.liveBlocks(), boards + 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, ListGrowth, ::testing::Values(0, 1, 8, 9, 16, 17, 20, 33));

TEST(UsbDeviceList, PathsNotGivenOrTooLongForTheirBufferAreStoredAsError) {
    SimUsbBus bus;
    bus.plug("a", "1");
    bus.plug("b", "2").pathFails = true;
    const std::string longest = "\\\\?\\" + std::string(kUsbPathBuffer - 1 - 4, 'x');  // 259
    for (const std::string& p : {longest, std::string(kUsbPathBuffer, 'y'), std::string(4000, 'z'),
                                 std::string("\\\\?\\usb\0tail", 12)}) {
        SimBoard board;
        board.path = p;
        bus.plug(board);
    }
    ListHolder held;
    ASSERT_EQ(bus.list(held.list), 6);
    EXPECT_EQ(std::string(held.list[0]), bus.boards()[0].path);
    EXPECT_STREQ(held.list[1], "error");
    EXPECT_EQ(std::string(held.list[2]), longest);
    for (int i = 3; i < 6; ++i) EXPECT_STREQ(held.list[i], "error") << i;
    EXPECT_EQ(held.list[6], nullptr);
}

TEST(UsbDeviceList, IndexesThatFailArePassedOverAndNeverHangTheListing) {
    SimUsbBus bus;
    plugBoards(bus, 3);
    bus.failIndex(0);
    bus.failIndex(2);
    {
        ListHolder held;
        ASSERT_EQ(bus.list(held.list), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(std::string(held.list[i]), bus.boards()[static_cast<size_t>(i)].path);
        EXPECT_EQ(held.list[3], nullptr);
    }
    // A system that fails every index (an unusable device set) ends with an empty list.
    for (uint32_t i = 0; i < 1000; ++i) bus.failIndex(i);
    ListHolder held;
    EXPECT_EQ(bus.list(held.list), 0);
    ASSERT_NE(held.list, nullptr);
    EXPECT_EQ(held.list[0], nullptr);
}

TEST(UsbDeviceList, RunningOutOfMemoryAnywhereLeavesNothingAllocated) {
    SimUsbBus bus;
    plugBoards(bus, 20);
    const int allocations = 3 + 20;  // three arrays, twenty path buffers
    for (int n = 0; n < allocations; ++n) {
        SCOPED_TRACE(n);
        bus.failAllocation(n);
        UsbDeviceList list = reinterpret_cast<UsbDeviceList>(&bus);  // stale: must be overwritten
        EXPECT_EQ(bus.list(list), -1);
        EXPECT_EQ(list, nullptr);
        EXPECT_EQ(bus.liveBlocks(), 0);
        EXPECT_EQ(bus.allocations().size(), static_cast<size_t>(n + 1));
    }
    bus.failAllocation(-1);
    ListHolder held;
    EXPECT_EQ(bus.list(held.list), 20);
}

}  // namespace
