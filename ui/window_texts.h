#pragma once
// Texts that more than one of lanset's windows shows.
#include <cstdint>
#include <optional>
#include <string>

#include "net/device_record.h"
#include "net/net_session.h"
#include "ui/port_holder.h"
#include "ui/whole_file.h"

// "Finished.  Found N device" / "... devices" (two blanks after the point).
std::string finishedText(int32_t count);

// One line of the board list: id, tab, mac, tab, ip.
std::string listLine(const DeviceRecord& board);

// Shown (caption "Alert") when a pass has no board to configure.
extern const char* const kNoBoardsText;

// Shown (caption "Error") when an operation could not open the board port.
extern const char* const kNetworkFailedText;
// Shown (caption "Error") when the port was open but not one datagram could be sent.
extern const char* const kSendFailedText;

// What to tell the user of the network at an operation's end, from its final event's value
// (OperationEnd bits):
// one of the two texts above (the first naming the port's holder, where known), or empty when
// the network did its part.
std::string networkFailureText(int32_t finalValue, const std::optional<PortHolder>& holder);
// The same, the holder asked of the system when the port could not be opened.
std::string networkFailureText(int32_t finalValue);

// Shown (caption "Error") when the board list could not go to the clipboard.
extern const char* const kCopyFailedText;
// Shown when the board list could not be saved as asked (caption "Error"; "Warning" for
// SavedOldKept): says what was left where. Empty for Saved.
std::string saveFailedText(SaveResult result, const SaveLeftovers& left = {});
