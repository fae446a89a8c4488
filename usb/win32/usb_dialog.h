#pragma once
// plugset's window as a Win32 dialog: template IDD_PLUGSET driven by UsbWindow over a bus.
#include <windows.h>

#include "usb/usb_bus.h"

// The version block's sub-block of US English strings in code page 1252.
inline constexpr char kPlugsetVersionPrefix[] = "\\StringFileInfo\\040904E4\\";

// Creates the window modeless, without owner and not yet shown, from instance's template. It
// has its title and its first list of boards when this returns; it refreshes every second.
// Null when the window could not be created. bus must outlive the window.
HWND createUsbDialog(HINSTANCE instance, UsbBus& bus);
