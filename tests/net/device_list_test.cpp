#include "net/device_list.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <vector>


// Lets a test make the list's array allocation fail.
static std::atomic<bool> failArrayAllocation{false};

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (failArrayAllocation.load()) return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

std::string macFor(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%012x", static_cast<unsigned>(n) * 2654435761u);
    return text;
}

DeviceRecord* board(int n) {
    auto* record = new DeviceRecord;
    copyText(record->mac, macFor(n).c_str());
    return record;
}

void fill(DeviceList& list, int from, int to) {
    for (int n = from; n < to; ++n) ASSERT_TRUE(list.append(board(n))) << n;
}

struct ArrayAllocationFails {
    ArrayAllocationFails() { failArrayAllocation = true; }
    ~ArrayAllocationFails() { failArrayAllocation = false; }
};

// ---------------------------------------------------------------------------------------------

TEST(DeviceList, GrowsBy128KeepingEveryIndex) {
    DeviceList list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 0);
    EXPECT_EQ(list.at(0), nullptr);

    std::vector<DeviceRecord*> added;
    for (int n = 0; n < 300; ++n) {
        added.push_back(board(n));
        ASSERT_TRUE(list.append(added.back()));
        EXPECT_EQ(list.capacity(), (n / 128 + 1) * 128) << n;   // 128, 256 at the 129th, 384
    }
    for (int i = 0; i < 300; ++i) ASSERT_EQ(list.at(i), added[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(list.at(300), nullptr);
    EXPECT_EQ(list.at(-1), nullptr);
    EXPECT_FALSE(list.append(nullptr));
    EXPECT_EQ(list.count(), 300);

    ASSERT_TRUE(list.initialise());   // releases what was there
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 128);
    EXPECT_EQ(list.findByMac(macFor(1).c_str()), -1);
}

TEST(DeviceList, FreeAllKeepsTheArray) {
    DeviceList list;
    ASSERT_TRUE(list.initialise());
    list.freeAll();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 128);

    fill(list, 0, 200);
    list.freeAll();   // the sanitizer builds check that every record is released
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 256);
    EXPECT_EQ(list.at(0), nullptr);
    EXPECT_EQ(list.findByMac(macFor(5).c_str()), -1);

    fill(list, 5, 6);   // a board found again after the list was emptied
    EXPECT_EQ(list.findByMac(macFor(5).c_str()), 0);

    list.clear();
    EXPECT_EQ(list.capacity(), 0);
    EXPECT_EQ(list.count(), 0);
}

TEST(DeviceList, FailedGrowthLeavesTheListUnchanged) {
    DeviceList list;
    fill(list, 0, 128);
    DeviceRecord* extra = board(128);
    {
        ArrayAllocationFails failing;
        EXPECT_FALSE(list.append(extra));
    }
    EXPECT_EQ(list.count(), 128);
    EXPECT_EQ(list.capacity(), 128);
    EXPECT_EQ(list.at(128), nullptr);
    EXPECT_EQ(list.findByMac(extra->mac), -1);
    EXPECT_EQ(list.findByMac(macFor(127).c_str()), 127);

    ASSERT_TRUE(list.append(extra));   // the caller still owned it; now the list does
    EXPECT_EQ(list.findByMac(extra->mac), 128);

    DeviceList fresh;
    {
        ArrayAllocationFails failing;
        EXPECT_FALSE(fresh.initialise());
        EXPECT_FALSE(list.initialise());
    }
    EXPECT_EQ(fresh.capacity(), 0);
    EXPECT_EQ(list.count(), 129);
}

TEST(DeviceList, FindByMacOverManyBoards) {
    constexpr int kBoards = 40000;
    DeviceList list;
    ASSERT_TRUE(list.initialise());
    fill(list, 0, kBoards);
    for (int n = 0; n < kBoards; ++n) ASSERT_EQ(list.findByMac(macFor(n).c_str()), n) << n;
    EXPECT_EQ(list.findByMac(macFor(kBoards).c_str()), -1);
    EXPECT_EQ(list.findByMac(""), -1);
    EXPECT_EQ(list.findByMac(nullptr), -1);
    EXPECT_EQ(list.findByMac(macFor(3).substr(0, 11).c_str()), -1);   // exact text only

    // A record appended with a mac already listed does not hide the first one.
    ASSERT_TRUE(list.append(board(7)));
    EXPECT_EQ(list.findByMac(macFor(7).c_str()), 7);
}

TEST(DeviceList, ReadsWhileAnotherThreadAppends) {
    constexpr int kBoards = 5000;
    DeviceList list;
    std::atomic<bool> done{false};
    std::atomic<int> mismatches{0};
    std::thread reader([&] {
        while (!done.load()) {
            const int32_t n = list.count();
            if (n == 0) continue;
            const int32_t i = n - 1;
            const DeviceRecord* record = list.at(i);
            if (record == nullptr || macFor(i) != record->mac) ++mismatches;
            if (list.findByMac(macFor(i).c_str()) != i) ++mismatches;
        }
    });
    fill(list, 0, kBoards);
    done = true;
    reader.join();
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_EQ(list.count(), kBoards);
}

// ---------------------------------------------------------------------------------------------

TEST(DeviceRecord, NewRecordSendsItsDhcpSettingAndHasEmptyTexts) {
    const DeviceRecord record;
    EXPECT_EQ(record.dhcpGiven, 1);
    EXPECT_EQ(record.dhcp, 0);
    for (const char* text : {record.ip, record.subnet, record.gateway, record.id, record.mac,
                             record.echoText, record.number16})
        EXPECT_STREQ(text, "");
}

TEST(DeviceRecord, SettersCutToTheFieldWidth) {
    DeviceRecord record;
    std::memset(static_cast<void*>(&record), 'x', sizeof record);
    record.setId("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_STREQ(record.id, "ABCDEFGHIJKLMNOP");
    record.setIp("192.168.100.200");
    EXPECT_STREQ(record.ip, "192.168.100.200");
    record.setSubnet("255.255.255.255.255");
    EXPECT_STREQ(record.subnet, "255.255.255.255.");
    record.setGateway(nullptr);
    EXPECT_STREQ(record.gateway, "");
    EXPECT_EQ(record.dhcp, 'x');   // neighbours untouched
    EXPECT_EQ(record.mac[0], 'x');

    record.setId(record.id + 2);   // overlapping source
    EXPECT_STREQ(record.id, "CDEFGHIJKLMNOP");

    char narrow[4];
    copyText(narrow, "toolong");
    EXPECT_STREQ(narrow, "too");
    char none[1] = {'z'};
    copyText(none, "a");
    EXPECT_EQ(none[0], '\0');
}

}  // namespace
