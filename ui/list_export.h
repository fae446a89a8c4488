#pragma once
// The boards of lanset's list as other programs read them: CSV (lanset-cli's format, for files)
// and tab-separated text (for the clipboard, to paste into a spreadsheet or a ticket).
#include <array>
#include <string>
#include <vector>

#include "net/device_record.h"

// Every export names a board's fields so, in this order.
inline constexpr std::array<const char*, 6> kBoardFields = {"id", "sn", "ip", "subnet", "gateway",
                                                            "dhcp"};

// A board's fields as stored (the bytes the board sent); dhcp "on" or "off".
std::array<std::string, 6> boardValues(const DeviceRecord& board);

// The header "id,sn,ip,subnet,gateway,dhcp", then a line per board; every line ends in "\n". A
// field with a comma, quote or line break is quoted. UTF-8: the bytes of an ID are read as
// Latin-1, as the JSON output reads them.
std::string boardsCsv(const std::vector<const DeviceRecord*>& boards);

// The same header and lines with tabs between the fields. A control character in a field (a
// tab would start a new column) shows as '?'.
std::string boardsTabText(const std::vector<const DeviceRecord*>& boards);
