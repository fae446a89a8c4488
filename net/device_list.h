#pragma once
// The boards found by the current search, in the order of their first replies.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "net/device_record.h"

class DeviceList {
public:
    static constexpr int32_t kGrowth = 128;

    DeviceList() = default;
    ~DeviceList();
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;

    void clear();                          // releases everything: no array, count 0, capacity 0
    bool initialise();                     // a fresh array of 128 slots, count 0
    DeviceRecord* at(int32_t index) const; // null outside 0 .. count-1
    bool append(DeviceRecord* record);     // the list owns the record once this returns true
    void freeAll();                        // releases every record; the array and capacity stay
    int32_t findByMac(const char* mac) const;  // index of the record with this mac text, or -1
    // Another answer for the board at index (its hardware address): kept when its settings differ
    // from the record's and from those kept already, at most kMaxOtherAnswers a board. Only a
    // caller that asks keeps them (lanset-cli); the windows keep the first answer.
    static constexpr size_t kMaxOtherAnswers = 2;
    bool addOtherAnswer(int32_t index, const DeviceRecord& answer);
    std::vector<DeviceRecord> otherAnswers(int32_t index) const;

    int32_t count() const { return count_.load(std::memory_order_acquire); }
    int32_t capacity() const;

private:
    // Guards the array against growth while the window thread reads it.
    mutable std::mutex lock_;
    DeviceRecord** items_ = nullptr;
    std::atomic<int32_t> count_{0};
    int32_t capacity_ = 0;
    // Index by hardware address; the views point into the records' own mac fields.
    std::unordered_map<std::string_view, int32_t> byMac_;
    std::unordered_map<int32_t, std::vector<DeviceRecord>> others_;
};

// The same settings: ID, addresses, DHCP and echo text.
bool sameSettings(const DeviceRecord& a, const DeviceRecord& b);
