#pragma once
// The boards of lanset's list as other programs read them: CSV (lanset-cli's format, for files)
// and tab-separated text (for the clipboard, to paste into a spreadsheet or a ticket).
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "net/device_record.h"

// Every export names a board's fields so, in this order.
inline constexpr std::array<const char*, 6> kBoardFields = {"id", "sn", "ip", "subnet", "gateway",
                                                            "dhcp"};

// A board's fields as stored (the bytes the board sent); dhcp "on" or "off".
std::array<std::string, 6> boardValues(const DeviceRecord& board);

// How the bytes of a field (an ID as the board sent it) read as UTF-8 text.
using ByteReading = std::function<std::string(const std::string& bytes)>;
// lanset-cli's reading, as its JSON output reads them: each byte one character.
std::string latin1Text(const std::string& bytes);

// The header "id,sn,ip,subnet,gateway,dhcp", then a line per board; every line ends in "\n". A
// field with a comma, quote or line break is quoted. UTF-8, the fields read by reading: a
// window passes its own, so that the file holds what its list shows.
std::string boardsCsv(const std::vector<const DeviceRecord*>& boards,
                      const ByteReading& reading = latin1Text);

// The same header and lines with tabs between the fields. A control character in a field (a
// tab would start a new column) shows as '?'.
std::string boardsTabText(const std::vector<const DeviceRecord*>& boards,
                          const ByteReading& reading = latin1Text);
