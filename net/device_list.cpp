#include "net/device_list.h"

#include <cstdint>
#include <new>

DeviceList::~DeviceList() { clear(); }

void DeviceList::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    byMac_.clear();
    others_.clear();
    for (int32_t i = count_.load(std::memory_order_relaxed) - 1; i >= 0; --i) delete items_[i];
    delete[] items_;
    items_ = nullptr;
    capacity_ = 0;
    count_.store(0, std::memory_order_release);
}

bool DeviceList::initialise() {
    // The new array is obtained first so that a failure leaves the list as it was.
    DeviceRecord** fresh = new (std::nothrow) DeviceRecord*[kGrowth]();
    if (fresh == nullptr) return false;
    std::lock_guard<std::mutex> guard(lock_);
    byMac_.clear();
    for (int32_t i = count_.load(std::memory_order_relaxed) - 1; i >= 0; --i) delete items_[i];
    delete[] items_;
    items_ = fresh;
    capacity_ = kGrowth;
    count_.store(0, std::memory_order_release);
    return true;
}

DeviceRecord* DeviceList::at(int32_t index) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (index < 0 || index >= count_.load(std::memory_order_relaxed)) return nullptr;
    return items_[index];
}

bool DeviceList::append(DeviceRecord* record) {
    if (record == nullptr) return false;
    std::lock_guard<std::mutex> guard(lock_);
    const int32_t n = count_.load(std::memory_order_relaxed);

    // Index first: its insertion is the step that may throw, and it can be undone without
    // touching the array.
    bool indexed = false;
    const std::string_view mac(record->mac, fieldLength(record->mac));
    try {
        indexed = byMac_.try_emplace(mac, n).second;
    } catch (const std::bad_alloc&) {
        return false;
    }

    if (n == capacity_) {
        DeviceRecord** grown = capacity_ > INT32_MAX - kGrowth
                                   ? nullptr
                                   : new (std::nothrow) DeviceRecord*[capacity_ + kGrowth]();
        if (grown == nullptr) {
            if (indexed) byMac_.erase(mac);
            return false;
        }
        for (int32_t i = 0; i < capacity_; ++i) grown[i] = items_[i];
        delete[] items_;
        items_ = grown;
        capacity_ += kGrowth;
    }
    items_[n] = record;
    count_.store(n + 1, std::memory_order_release);
    return true;
}

void DeviceList::freeAll() {
    std::lock_guard<std::mutex> guard(lock_);
    byMac_.clear();   // its keys point into the records
    others_.clear();
    for (int32_t i = count_.load(std::memory_order_relaxed) - 1; i >= 0; --i) {
        delete items_[i];
        items_[i] = nullptr;
    }
    count_.store(0, std::memory_order_release);
}

int32_t DeviceList::findByMac(const char* mac) const {
    if (mac == nullptr) return -1;
    std::lock_guard<std::mutex> guard(lock_);
    const auto found = byMac_.find(std::string_view(mac));
    return found == byMac_.end() ? -1 : found->second;
}

bool DeviceList::addOtherAnswer(int32_t index, const DeviceRecord& answer) {
    std::lock_guard<std::mutex> guard(lock_);
    if (index < 0 || index >= count_.load(std::memory_order_relaxed)) return false;
    if (sameSettings(*items_[index], answer)) return false;
    try {
        std::vector<DeviceRecord>& kept = others_[index];
        if (kept.size() >= kMaxOtherAnswers) return false;
        for (const DeviceRecord& k : kept)
            if (sameSettings(k, answer)) return false;
        kept.push_back(answer);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::vector<DeviceRecord> DeviceList::otherAnswers(int32_t index) const {
    std::lock_guard<std::mutex> guard(lock_);
    const auto found = others_.find(index);
    return found == others_.end() ? std::vector<DeviceRecord>{} : found->second;
}

bool sameSettings(const DeviceRecord& a, const DeviceRecord& b) {
    return fieldText(a.id) == fieldText(b.id) && fieldText(a.ip) == fieldText(b.ip) &&
           fieldText(a.subnet) == fieldText(b.subnet) && fieldText(a.gateway) == fieldText(b.gateway) &&
           a.dhcp == b.dhcp && fieldText(a.echoText) == fieldText(b.echoText);
}

int32_t DeviceList::capacity() const {
    std::lock_guard<std::mutex> guard(lock_);
    return capacity_;
}
