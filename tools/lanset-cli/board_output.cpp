#include "tools/lanset-cli/board_output.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "net/ipv4.h"
#include "ui/board_text.h"
#include "ui/list_export.h"

// Board IDs are bytes; anything outside printable ASCII is written as \u00XX (its Latin-1
// reading) so that the output is always valid JSON.
std::string jsonText(const std::string& v) {
    std::string out = "\"";
    for (unsigned char c : v) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string boardJson(const DeviceRecord& board) {
    const auto v = boardValues(board);
    std::string out = "{";
    for (size_t i = 0; i < v.size(); ++i) out += jsonText(kBoardFields[i]) + ": " + jsonText(v[i]) + ", ";
    // The adapter the board answered on, when the system told.
    return out + jsonText("adapter") + ": " + (board.heardOn ? jsonText(formatIpv4(board.heardOn)) : "null") + "}";
}

namespace {

std::string table(const std::vector<DeviceRecord>& boards) {
    std::vector<std::array<std::string, 6>> rows;
    std::array<std::string, 6> header;
    for (size_t i = 0; i < kBoardFields.size(); ++i) {
        header[i] = kBoardFields[i];
        for (char& c : header[i]) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    rows.push_back(header);
    for (const DeviceRecord& b : boards) {
        auto v = boardValues(b);
        for (auto& cell : v) cell = printableLatin1(cell);
        rows.push_back(v);
    }
    std::array<size_t, 6> width{};
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            // Every printable Latin-1 character is one column: the width is the byte count.
            line += utf8FromLatin1(row[i]);
            if (i + 1 < row.size()) line += std::string(width[i] - row[i].size() + 2, ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

std::string formatBoards(const std::vector<DeviceRecord>& boards, OutputFormat format) {
    std::string out;
    switch (format) {
    case OutputFormat::Table:
        return table(boards);
    case OutputFormat::Csv: {
        // The same file as lanset's "Save List As...".
        std::vector<const DeviceRecord*> listed;
        for (const DeviceRecord& b : boards) listed.push_back(&b);
        return boardsCsv(listed);
    }
    case OutputFormat::Json:
        out = "[";
        for (size_t n = 0; n < boards.size(); ++n) out += (n ? ",\n  " : "\n  ") + boardJson(boards[n]);
        out += boards.empty() ? "]\n" : "\n]\n";
        return out;
    }
    return out;
}
