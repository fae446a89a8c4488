#include "tests/usb/support/sim_usb_bus.h"

#include <algorithm>
#include <cstring>

// The bus's boards as the listing loop sees them: a failed index is one that the system could
// not read, the boards take the other indexes in order.
class SimSource : public UsbInterfaceSource {
public:
    explicit SimSource(SimUsbBus& bus) : bus_(bus) {}

    InterfaceLookup find(uint32_t index) override {
        const auto& failed = bus_.failedIndexes_;
        if (std::find(failed.begin(), failed.end(), index) != failed.end()) return InterfaceLookup::Failed;
        if (next_ >= bus_.boards_.size()) return InterfaceLookup::NoMoreItems;
        current_ = &bus_.boards_[next_++];
        return InterfaceLookup::Found;
    }

    PathLookup path(std::string_view& path) override {
        if (current_->pathFails) return PathLookup::Unavailable;
        path = current_->path;
        return PathLookup::Found;
    }

    void* allocate(size_t bytes) override {
        bus_.allocations_.push_back(bytes);
        const int n = bus_.allocationsSeen_++;
        if (bus_.exhausted_ || n == bus_.failAllocationAt_) return nullptr;
        void* block = UsbInterfaceSource::allocate(bytes);
        if (block != nullptr) ++bus_.liveBlocks_;
        return block;
    }

    void release(void* block) override {
        if (block != nullptr) --bus_.liveBlocks_;
        UsbInterfaceSource::release(block);
    }

private:
    SimUsbBus& bus_;
    size_t next_ = 0;
    const SimBoard* current_ = nullptr;
};

SimBoard& SimUsbBus::plug(SimBoard board) {
    boards_.push_back(std::move(board));
    return boards_.back();
}

SimBoard& SimUsbBus::plug(const std::string& name, const std::string& serial) {
    SimBoard board;
    board.path = "\\\\?\\usb#sim#" + serial;
    board.name = name;
    board.serial = serial;
    return plug(std::move(board));
}

void SimUsbBus::unplug(const std::string& path) {
    std::erase_if(boards_, [&](const SimBoard& b) { return b.path == path; });
}

int SimUsbBus::requests(const std::string& path) const {
    auto it = requests_.find(path);
    return it == requests_.end() ? 0 : it->second;
}

const SimBoard* SimUsbBus::attached(const char* path) {
    if (path == nullptr) return nullptr;
    ++requests_[path];
    for (const auto& b : boards_)
        if (!b.pathFails && b.path == path) return &b;
    return nullptr;
}

int32_t SimUsbBus::list(UsbDeviceList& list) {
    allocations_.clear();
    allocationsSeen_ = 0;
    liveBlocks_ = 0;
    SimSource source(*this);
    return fillUsbDeviceList(list, source);
}

namespace {

// As the driver answers into a buffer of maxBytes: at most that many bytes, then the zero that
// the access layer stores after them.
template <size_t N>
void answer(const std::string& bytes, char (&buffer)[N]) {
    const size_t n = std::min(bytes.size(), N - 1);
    std::memcpy(buffer, bytes.data(), n);
    buffer[n] = '\0';
}

}  // namespace

bool SimUsbBus::readName(const char* path, char (&name)[kUsbNameBuffer]) {
    const SimBoard* b = attached(path);
    if (b == nullptr || b->nameFails) return false;
    answer(b->name, name);
    return true;
}

bool SimUsbBus::readSerial(const char* path, char (&serial)[kUsbSerialBuffer]) {
    const SimBoard* b = attached(path);
    if (b == nullptr || b->serialFails) return false;
    answer(b->serial, serial);
    return true;
}

bool SimUsbBus::writeName(const char* path, const char* name) {
    writes_.push_back({path == nullptr ? "" : path, name});
    SimBoard* b = const_cast<SimBoard*>(attached(path));
    if (b == nullptr || b->writeFails) return false;
    b->name = name;
    return true;
}
