#pragma once
// Texts that more than one of lanset's windows shows.
#include <cstdint>
#include <string>

#include "net/device_record.h"

// "Finished.  Found N device" / "... devices" (two blanks after the point).
std::string finishedText(int32_t count);

// One line of the board list: id, tab, mac, tab, ip.
std::string listLine(const DeviceRecord& board);

// Shown (caption "Error") when an operation could not open the board port.
extern const char* const kNetworkFailedText;
