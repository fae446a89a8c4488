#pragma once
// The list of the driver's device-interface paths, and the listing loop shared by the Win32
// access layer and the simulated bus.
#include <cstddef>
#include <cstdint>
#include <string_view>

// A null-terminated array of path buffers; the array and every buffer belong to the list.
using UsbDeviceList = char**;

inline constexpr size_t kUsbPathBuffer = 260;      // bytes per path, terminator included
inline constexpr int32_t kUsbListInitialRoom = 8;  // paths before the first doubling
inline constexpr char kUsbErrorPath[] = "error";   // stands for a path the system did not give

enum class InterfaceLookup {
    Found,        // an interface exists at this index
    NoMoreItems,  // the index is past the last interface
    Failed,       // this index could not be read; it is passed over
};

enum class PathLookup {
    Found,        // path holds the interface's device path
    Unavailable,  // the system listed the interface but did not give its path
    OutOfMemory,
};

// What the listing loop reads: the interfaces of one class, index by index.
class UsbInterfaceSource {
public:
    virtual ~UsbInterfaceSource() = default;

    virtual InterfaceLookup find(uint32_t index) = 0;
    // The path of the interface that the last find() reported. path stays valid until the
    // next call on the source.
    virtual PathLookup path(std::string_view& path) = 0;
    // Memory for the array and the path buffers: released with std::free. Null when exhausted.
    virtual void* allocate(size_t bytes);
    virtual void release(void* block);
};

// Fills list with the paths of source's interfaces and returns their count; the entry at that
// index is null. A path that does not fit its buffer, or one the system did not give, is
// stored as "error" so that the board still has its line. -1 when memory ran out: list is
// then null and nothing is left allocated.
int32_t fillUsbDeviceList(UsbDeviceList& list, UsbInterfaceSource& source);

// Releases every path buffer up to the terminator, then the array. A null list is accepted.
void freeUsbDeviceList(UsbDeviceList list);
