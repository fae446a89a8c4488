#include "ui/list_export.h"

// Bytes from 0x80 take two bytes of UTF-8.
std::string latin1Text(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

std::string csvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string tabField(std::string value) {
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return value;
}

template <typename Field>
std::string joined(const std::vector<const DeviceRecord*>& boards, const ByteReading& reading,
                   char separator, Field field) {
    std::string out;
    for (size_t i = 0; i < kBoardFields.size(); ++i) {
        out += kBoardFields[i];
        out += i + 1 < kBoardFields.size() ? separator : '\n';
    }
    for (const DeviceRecord* board : boards) {
        if (board == nullptr) continue;
        const auto values = boardValues(*board);
        for (size_t i = 0; i < values.size(); ++i) {
            out += field(reading(values[i]));
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

std::string boardsCsv(const std::vector<const DeviceRecord*>& boards, const ByteReading& reading) {
    return joined(boards, reading, ',', csvField);
}

std::string boardsTabText(const std::vector<const DeviceRecord*>& boards, const ByteReading& reading) {
    return joined(boards, reading, '\t', tabField);
}
