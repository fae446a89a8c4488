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

// The header "id,sn,ip,subnet,gateway,dhcp", then a line per board; every line ends in "\n".
// UTF-8, each byte of a field read as Latin-1: the file is a plan that lanset-cli apply reads
// back, and only that reading gives every board's bytes back unchanged, whatever a window shows.
// Each field is written by csvCell.
std::string boardsCsv(const std::vector<const DeviceRecord*>& boards);
// The same file: a window's reading is not used for it (see above).
std::string boardsCsv(const std::vector<const DeviceRecord*>& boards, const ByteReading& windowReading);

// One field (Latin-1 bytes) as a CSV file holds it, so that neither a spreadsheet nor a terminal
// acts on it and readCsvCell gives the bytes back:
// - a field with a control character (C0, DEL, C1) or a leading backslash is escaped: every
//   control byte as \xHH, a backslash as \\, and the first character always as an escape (\xHH
//   if it is none), so that the cell starts with a backslash;
// - otherwise a field that a spreadsheet would take for a formula (=, +, -, @ after any
//   apostrophes) gets one apostrophe in front;
// - a field with a comma, a quote or a blank at either end is quoted.
std::string csvCell(const std::string& bytes);
// A cell of such a file (UTF-8, its quotes taken off) as UTF-8 text again: a cell starting with
// a backslash is decoded (\\ and \xHH, where HH is the Latin-1 character's code), and the
// apostrophe in front of a formula character is dropped. False for a cell that starts with a
// backslash but holds any other escape.
bool readCsvCell(const std::string& cell, std::string& text);

// The same header and lines with tabs between the fields, read by reading (a window passes its
// own, so that the clipboard holds what its list shows). A C0 control character or DEL (a tab
// would start a new column) shows as '?'; C1 controls and the bidirectional overrides and
// isolates (U+202A to U+202E, U+2066 to U+2069) are left out; a field that starts as a formula
// gets an apostrophe in front, as in the CSV.
std::string boardsTabText(const std::vector<const DeviceRecord*>& boards,
                          const ByteReading& reading = latin1Text);
