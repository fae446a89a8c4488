#include "ui/list_export.h"

#include <algorithm>
#include <cstring>

#include "ui/board_text.h"

std::string latin1Text(const std::string& bytes) { return utf8FromLatin1(bytes); }

namespace {

bool isControlByte(unsigned char c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// What a spreadsheet evaluates when a cell starts with it. The apostrophes before it count:
// an ID that really starts with "'=" gets one more, so that dropping one gives it back.
bool formulaAfterApostrophes(const std::string& text) {
    const size_t first = text.find_first_not_of('\'');
    return first != std::string::npos && text[first] != '\0' && std::strchr("=+-@\t\r", text[first]) != nullptr;
}

std::string hexEscape(unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    return {'\\', 'x', kHex[c >> 4], kHex[c & 0x0F]};
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text as a window shows it, safe to paste: no column or line break of its own, nothing that
// reorders the line, no formula.
std::string tabField(std::string value) {
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const auto at = [&](size_t k) { return static_cast<unsigned char>(value[i + k]); };
        const size_t left = value.size() - i;
        if (left >= 2 && at(0) == 0xC2 && at(1) >= 0x80 && at(1) < 0xA0) {   // U+0080 to U+009F
            ++i;
        } else if (left >= 3 && at(0) == 0xE2 && ((at(1) == 0x80 && at(2) >= 0xAA && at(2) <= 0xAE) ||
                                                  (at(1) == 0x81 && at(2) >= 0xA6 && at(2) <= 0xA9))) {
            i += 2;
        } else {
            out += value[i];
        }
    }
    return formulaAfterApostrophes(out) ? "'" + out : out;
}

template <typename Field>
std::string joined(const std::vector<const DeviceRecord*>& boards, char separator, Field field) {
    std::string out;
    for (size_t i = 0; i < kBoardFields.size(); ++i) {
        out += kBoardFields[i];
        out += i + 1 < kBoardFields.size() ? separator : '\n';
    }
    for (const DeviceRecord* board : boards) {
        if (board == nullptr) continue;
        const auto values = boardValues(*board);
        for (size_t i = 0; i < values.size(); ++i) {
            out += field(values[i]);
            out += i + 1 < values.size() ? separator : '\n';
        }
    }
    return out;
}

}  // namespace

std::array<std::string, 6> boardValues(const DeviceRecord& b) {
    auto text = [](const auto& field) { return std::string(field, fieldLength(field)); };
    return {text(b.id), text(b.mac), text(b.ip), text(b.subnet), text(b.gateway),
            b.dhcp ? "on" : "off"};
}

std::string csvCell(const std::string& bytes) {
    std::string text;
    const bool escaped = !bytes.empty() && (bytes[0] == '\\' || std::any_of(bytes.begin(), bytes.end(), [](char c) {
                             return isControlByte(static_cast<unsigned char>(c));
                         }));
    if (escaped) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c == '\\') text += "\\\\";
            else if (i == 0 || isControlByte(c)) text += hexEscape(c);
            else text += utf8FromLatin1(bytes.substr(i, 1));
        }
    } else {
        text = utf8FromLatin1(bytes);
        if (formulaAfterApostrophes(text)) text.insert(0, 1, '\'');
    }
    // A reader drops the blanks around a cell that is not quoted.
    if (text.empty() || (text.find_first_of(",\"\r\n") == std::string::npos && text.front() != ' ' && text.back() != ' '))
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

bool readCsvCell(const std::string& cell, std::string& text) {
    if (cell.empty() || cell[0] != '\\') {
        text = !cell.empty() && cell[0] == '\'' && formulaAfterApostrophes(cell) ? cell.substr(1) : cell;
        return true;
    }
    text.clear();
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            text += cell[i];
        } else if (i + 1 < cell.size() && cell[i + 1] == '\\') {
            text += '\\';
            ++i;
        } else if (i + 3 < cell.size() && cell[i + 1] == 'x' && hexValue(cell[i + 2]) >= 0 &&
                   hexValue(cell[i + 3]) >= 0) {
            text += utf8FromLatin1(std::string(1, static_cast<char>(hexValue(cell[i + 2]) * 16 + hexValue(cell[i + 3]))));
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

std::string boardsCsv(const std::vector<const DeviceRecord*>& boards) { return joined(boards, ',', csvCell); }

std::string boardsCsv(const std::vector<const DeviceRecord*>& boards, const ByteReading&) { return boardsCsv(boards); }

std::string boardsTabText(const std::vector<const DeviceRecord*>& boards, const ByteReading& reading) {
    return joined(boards, '\t', [&](const std::string& bytes) { return tabField(reading(bytes)); });
}
