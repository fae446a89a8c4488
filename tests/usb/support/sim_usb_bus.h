#pragma once
// Boards in memory on a simulated USB bus: plugged and unplugged by a test, with requests that
// fail on demand and memory that runs out on demand.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "usb/usb_bus.h"

struct SimBoard {
    std::string path;    // the device path the listing reports (any length)
    std::string name;    // the bytes the driver returns (may hold their own zero)
    std::string serial;
    bool pathFails = false;    // the system lists the interface but not its path
    bool nameFails = false;
    bool serialFails = false;
    bool writeFails = false;
};

struct SimWrite {
    std::string path;
    std::string bytes;  // exactly what was sent
};

class SimUsbBus : public UsbBus {
public:
    // Plugs a board in at the end of the bus's order; its path must be unique.
    SimBoard& plug(SimBoard board);
    // A board with path "\\?\usb#sim#<serial>" and that name and serial number.
    SimBoard& plug(const std::string& name, const std::string& serial);
    void unplug(const std::string& path);
    std::vector<SimBoard>& boards() { return boards_; }

    // Listing: index i (among listing indexes) fails instead of giving an interface.
    void failIndex(uint32_t index) { failedIndexes_.push_back(index); }
    // Memory: allocation number n (0-based) of every listing fails (-1: none), or every
    // allocation fails while exhausted is set.
    void failAllocation(int n) { failAllocationAt_ = n; }
    void setMemoryExhausted(bool on) { exhausted_ = on; }
    // Sizes requested by the last listing, in order, and the blocks it still holds.
    const std::vector<size_t>& allocations() const { return allocations_; }
    int liveBlocks() const { return liveBlocks_; }

    // Every name write asked for, whether the board accepted it or not.
    const std::vector<SimWrite>& writes() const { return writes_; }
    // Requests of any kind (read name, read serial, write name) made on path.
    int requests(const std::string& path) const;

    int32_t list(UsbDeviceList& list) override;
    bool readName(const char* path, char (&name)[kUsbNameBuffer]) override;
    bool readSerial(const char* path, char (&serial)[kUsbSerialBuffer]) override;
    bool writeName(const char* path, const char* name) override;

private:
    friend class SimSource;
    // The board a request on path reaches, if any; counts the request.
    const SimBoard* attached(const char* path);

    std::vector<SimBoard> boards_;
    std::vector<uint32_t> failedIndexes_;
    std::vector<SimWrite> writes_;
    std::map<std::string, int> requests_;
    std::vector<size_t> allocations_;
    int failAllocationAt_ = -1;
    int allocationsSeen_ = 0;
    bool exhausted_ = false;
    int liveBlocks_ = 0;
};
