#include "usb/win32/usb_access.h"

#include <setupapi.h>
#include <winioctl.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>

const GUID boardInterfaceClass = {0xBCB3C510, 0x9C6A, 0x48C3, {0x88, 0x7A, 0xDF, 0x99, 0x28, 0x53, 0xE6, 0xA9}};

static_assert(kIoctlReadName == CTL_CODE(FILE_DEVICE_UNKNOWN, 6, METHOD_BUFFERED, FILE_ANY_ACCESS));
static_assert(kIoctlWriteName == CTL_CODE(FILE_DEVICE_UNKNOWN, 7, METHOD_BUFFERED, FILE_ANY_ACCESS));
static_assert(kIoctlReadSerial == CTL_CODE(FILE_DEVICE_UNKNOWN, 12, METHOD_BUFFERED, FILE_ANY_ACCESS));

namespace {

constexpr DWORD kPresentInterfaces = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE;
static_assert(kPresentInterfaces == 0x12);

struct FreeBlock {
    void operator()(void* block) const { std::free(block); }
};

class DeviceInfoSet {
public:
    explicit DeviceInfoSet(HDEVINFO set) : set_(set) {}
    ~DeviceInfoSet() {
        if (valid()) SetupDiDestroyDeviceInfoList(set_);
    }
    DeviceInfoSet(const DeviceInfoSet&) = delete;
    DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
    bool valid() const { return set_ != INVALID_HANDLE_VALUE && set_ != nullptr; }
    HDEVINFO get() const { return set_; }

private:
    HDEVINFO set_;
};

class SetupDiSource : public UsbInterfaceSource {
public:
    SetupDiSource(const DeviceInfoSet& set, const GUID& interfaceClass)
        : set_(set), class_(interfaceClass) {}

    InterfaceLookup find(uint32_t index) override {
        // A set the system could not make holds no interface.
        if (!set_.valid()) return InterfaceLookup::NoMoreItems;
        interface_ = {};
        interface_.cbSize = sizeof interface_;
        if (SetupDiEnumDeviceInterfaces(set_.get(), nullptr, &class_, index, &interface_))
            return InterfaceLookup::Found;
        return GetLastError() == ERROR_NO_MORE_ITEMS ? InterfaceLookup::NoMoreItems
                                                     : InterfaceLookup::Failed;
    }

    PathLookup path(std::string_view& path) override {
        detail_.reset();
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailA(set_.get(), &interface_, nullptr, 0, &size, nullptr);
        constexpr DWORD kFixedPart = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
        if (size <= kFixedPart) return PathLookup::Unavailable;
        detail_.reset(static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(std::malloc(size)));
        if (!detail_) return PathLookup::OutOfMemory;
        detail_->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!SetupDiGetDeviceInterfaceDetailA(set_.get(), &interface_, detail_.get(), size, nullptr,
                                              nullptr))
            return PathLookup::Unavailable;
        const size_t room = size - kFixedPart;
        const size_t length = strnlen(detail_->DevicePath, room);
        if (length == room) return PathLookup::Unavailable;  // not terminated in its record
        path = std::string_view(detail_->DevicePath, length);
        return PathLookup::Found;
    }

private:
    const DeviceInfoSet& set_;
    GUID class_;
    SP_DEVICE_INTERFACE_DATA interface_{};
    std::unique_ptr<SP_DEVICE_INTERFACE_DETAIL_DATA_A, FreeBlock> detail_;
};

class DeviceHandle {
public:
    explicit DeviceHandle(const char* path)
        : handle_(path == nullptr ? INVALID_HANDLE_VALUE
                                  : CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_EXISTING, 0, nullptr)) {}
    ~DeviceHandle() {
        if (valid()) CloseHandle(handle_);
    }
    DeviceHandle(const DeviceHandle&) = delete;
    DeviceHandle& operator=(const DeviceHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Reads at most maxBytes of text and terminates it right after the bytes returned, so buffer
// holds maxBytes + 1 bytes.
bool readText(const char* path, DWORD code, char* buffer, DWORD maxBytes) {
    DeviceHandle device(path);
    if (!device.valid()) return false;
    DWORD returned = 0;
    if (!DeviceIoControl(device.get(), code, nullptr, 0, buffer, maxBytes, &returned, nullptr))
        return false;
    buffer[returned < maxBytes ? returned : maxBytes] = '\0';
    return true;
}

}  // namespace

int32_t enumerateUsbDevices(UsbDeviceList* list, const GUID& interfaceClass) {
    *list = nullptr;
    const DeviceInfoSet set(SetupDiGetClassDevsA(&interfaceClass, nullptr, nullptr, kPresentInterfaces));
    SetupDiSource source(set, interfaceClass);
    return fillUsbDeviceList(*list, source);
}

bool readDeviceName(const char* path, char (&name)[kUsbNameBuffer]) {
    return readText(path, kIoctlReadName, name, kUsbNameBytes);
}

bool readSerialNumber(const char* path, char (&serial)[kUsbSerialBuffer]) {
    return readText(path, kIoctlReadSerial, serial, kUsbSerialBytes);
}

bool writeDeviceName(const char* path, const char* name) {
    if (name == nullptr) return false;
    DeviceHandle device(path);
    if (!device.valid()) return false;
    DWORD returned = 0;
    const auto length = static_cast<DWORD>(std::strlen(name));
    return DeviceIoControl(device.get(), kIoctlWriteName, const_cast<char*>(name), length, nullptr,
                           0, &returned, nullptr) != FALSE;
}
