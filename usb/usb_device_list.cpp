#include "usb/usb_device_list.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// A system that fails every index (an unusable device set) would otherwise keep the loop
// going for ever; this many failures in a row end the listing.
constexpr uint32_t kMaxFailedInARow = 64;

void releaseAll(UsbDeviceList list, int32_t stored, UsbInterfaceSource& source) {
    for (int32_t i = 0; i < stored; ++i) source.release(list[i]);
    source.release(list);
}

UsbDeviceList allocateArray(UsbInterfaceSource& source, int32_t room) {
    // room paths plus the terminator slot
    return static_cast<UsbDeviceList>(source.allocate((static_cast<size_t>(room) + 1) * sizeof(char*)));
}

}  // namespace

void* UsbInterfaceSource::allocate(size_t bytes) { return std::malloc(bytes); }

void UsbInterfaceSource::release(void* block) { std::free(block); }

int32_t fillUsbDeviceList(UsbDeviceList& list, UsbInterfaceSource& source) {
    list = nullptr;
    int32_t room = kUsbListInitialRoom;
    UsbDeviceList paths = allocateArray(source, room);
    if (paths == nullptr) return -1;

    int32_t stored = 0;
    uint32_t failedInARow = 0;
    for (uint32_t index = 0;; ++index) {
        const InterfaceLookup found = source.find(index);
        if (found == InterfaceLookup::NoMoreItems) break;
        if (found == InterfaceLookup::Failed) {
            if (++failedInARow >= kMaxFailedInARow) break;
            continue;
        }
        failedInARow = 0;

        if (stored == room) {
            if (room > std::numeric_limits<int32_t>::max() / 2 - 1) {
                releaseAll(paths, stored, source);
                return -1;
            }
            UsbDeviceList grown = allocateArray(source, room * 2);
            if (grown == nullptr) {
                releaseAll(paths, stored, source);
                return -1;
            }
            std::memcpy(grown, paths, static_cast<size_t>(stored) * sizeof(char*));
            source.release(paths);
            paths = grown;
            room *= 2;
        }

        char* buffer = static_cast<char*>(source.allocate(kUsbPathBuffer));
        if (buffer == nullptr) {
            releaseAll(paths, stored, source);
            return -1;
        }
        paths[stored++] = buffer;

        std::string_view path;
        switch (source.path(path)) {
        case PathLookup::Found:
            // A path that does not fit is kept out rather than cut: a cut path would open
            // some other device.
            if (path.size() < kUsbPathBuffer && path.find('\0') == std::string_view::npos) {
                std::memcpy(buffer, path.data(), path.size());
                buffer[path.size()] = '\0';
            } else {
                std::memcpy(buffer, kUsbErrorPath, sizeof kUsbErrorPath);
            }
            break;
        case PathLookup::Unavailable:
            std::memcpy(buffer, kUsbErrorPath, sizeof kUsbErrorPath);
            break;
        case PathLookup::OutOfMemory:
            releaseAll(paths, stored, source);
            return -1;
        }
    }

    paths[stored] = nullptr;
    list = paths;
    return stored;
}

void freeUsbDeviceList(UsbDeviceList list) {
    if (list == nullptr) return;
    for (char** entry = list; *entry != nullptr; ++entry) std::free(*entry);
    std::free(list);
}
