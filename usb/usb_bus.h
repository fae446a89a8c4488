#pragma once
// Everything plugset asks of the attached boards. The Win32 implementation talks to the
// board's driver; tests use a simulated bus.
#include <cstddef>
#include <cstdint>

#include "usb/usb_device_list.h"

inline constexpr size_t kUsbNameBytes = 17;    // most name bytes the driver returns
inline constexpr size_t kUsbSerialBytes = 13;  // most serial-number bytes the driver returns
inline constexpr size_t kUsbNameBuffer = kUsbNameBytes + 1;
inline constexpr size_t kUsbSerialBuffer = kUsbSerialBytes + 1;

class UsbBus {
public:
    virtual ~UsbBus() = default;

    // Lists the attached boards into list (whatever it held is overwritten: release it first)
    // and returns their count, or -1 when memory ran out (list null, nothing allocated).
    // The list is released with freeUsbDeviceList.
    virtual int32_t list(UsbDeviceList& list) = 0;
    // True when the board answered; name/serial then hold zero-terminated text (possibly
    // empty). On false the buffer's contents are undefined.
    virtual bool readName(const char* path, char (&name)[kUsbNameBuffer]) = 0;
    virtual bool readSerial(const char* path, char (&serial)[kUsbSerialBuffer]) = 0;
    // Sends the name's characters without the terminator; true when the board accepted it.
    virtual bool writeName(const char* path, const char* name) = 0;
};
