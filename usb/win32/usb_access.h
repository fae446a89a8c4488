#pragma once
// The board's USB driver: its device interfaces listed with SetupDi, and its three I/O control
// requests. No state is kept between calls: each request opens and closes its own handle.
#include <windows.h>

#include <cstdint>

#include "usb/usb_bus.h"
#include "usb/usb_device_list.h"

// {BCB3C510-9C6A-48C3-887A-DF992853E6A9}: the class under which the driver exposes a board.
extern const GUID boardInterfaceClass;

inline constexpr DWORD kIoctlReadName = 0x220018;
inline constexpr DWORD kIoctlWriteName = 0x22001C;
inline constexpr DWORD kIoctlReadSerial = 0x220030;

// Fills *list with the paths of the present devices of interfaceClass (whatever *list held is
// overwritten) and returns their count; -1 when memory ran out (*list null, nothing allocated).
int32_t enumerateUsbDevices(UsbDeviceList* list, const GUID& interfaceClass);

// False when the path cannot be opened or the driver fails the request; nothing is shown.
bool readDeviceName(const char* path, char (&name)[kUsbNameBuffer]);
bool writeDeviceName(const char* path, const char* name);
bool readSerialNumber(const char* path, char (&serial)[kUsbSerialBuffer]);

// The bus that plugset ships with: the driver's boards through the calls above.
class Win32UsbBus : public UsbBus {
public:
    int32_t list(UsbDeviceList& list) override { return enumerateUsbDevices(&list, boardInterfaceClass); }
    bool readName(const char* path, char (&name)[kUsbNameBuffer]) override {
        return readDeviceName(path, name);
    }
    bool readSerial(const char* path, char (&serial)[kUsbSerialBuffer]) override {
        return readSerialNumber(path, serial);
    }
    bool writeName(const char* path, const char* name) override { return writeDeviceName(path, name); }
};
