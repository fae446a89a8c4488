#pragma once
// Texts that more than one of lanset's windows shows.
#include <cstdint>
#include <string>

#include "net/device_record.h"
#include "net/net_session.h"
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

// What to tell the user of the network at an operation's end: one of the two texts above, or
// null when the network did its part.
const char* networkFailureText(const NetSession& session);

// Shown (caption "Error") when the board list could not go to the clipboard.
extern const char* const kCopyFailedText;
// Shown (caption "Error") when the board list could not be saved; says what was left.
const char* saveFailedText(SaveResult result);
