#include "ui/board_text.h"

#include <algorithm>
#include <cstdint>

namespace {

// Reads one UTF-8 sequence at text[at]; false for a malformed or overlong one.
bool nextCodePoint(const std::string& text, size_t& at, uint32_t& code) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t extra = 0;
    if (lead < 0x80) {
        code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        code = lead & 0x1Fu;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        code = lead & 0x0Fu;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        code = lead & 0x07u;
        extra = 3;
    } else {
        return false;
    }
    if (at + extra >= text.size() && extra > 0) return false;
    for (size_t k = 1; k <= extra; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) return false;
        code = (code << 6) | (byte(at + k) & 0x3Fu);
    }
    static constexpr uint32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    at += extra + 1;
    return true;
}

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Characters that move a terminal's cursor, start an escape sequence, or reorder what follows
// them on the line.
bool unprintable(uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

std::optional<std::string> latin1FromUtf8(const std::string& utf8, std::string* offending) {
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        const size_t from = at;
        uint32_t code = 0;
        if (!nextCodePoint(utf8, at, code) || code > 0xFF) {
            if (offending) *offending = utf8.substr(from, code > 0xFF ? at - from : 1);
            return std::nullopt;
        }
        out += static_cast<char>(code);
    }
    return out;
}

std::string utf8FromLatin1(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            out += c;
            continue;
        }
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string printableLatin1(std::string latin1) {
    std::replace_if(latin1.begin(), latin1.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || (code >= 0x7F && code < 0xA0);
    }, '?');
    return latin1;
}

std::string printableText(const std::string& latin1) { return printableUtf8(utf8FromLatin1(latin1)); }

std::string printableUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const size_t from = at;
        uint32_t code = 0;
        if (!nextCodePoint(utf8, at, code)) {
            out += '?';
            at = from + 1;
        } else if (unprintable(code)) {
            out += '?';
        } else {
            out.append(utf8, from, at - from);
        }
    }
    return out;
}

Utf8Scan scanUtf8(const std::string& text) {
    Utf8Scan scan;
    for (size_t at = 0; at < text.size();) {
        uint32_t code = 0;
        if (!nextCodePoint(text, at, code)) {
            if (scan.firstBad == std::string::npos) scan.firstBad = at;
            ++at;
        } else {
            scan.multiByte = scan.multiByte || code >= 0x80;
        }
    }
    return scan;
}

std::string utf8FromWindows1252(const std::string& bytes) {
    // 0x80 to 0x9F; 0xFFFD where 1252 defines no character.
    static constexpr uint16_t kHigh[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        appendUtf8(out, code >= 0x80 && code < 0xA0 ? kHigh[code - 0x80] : code);
    }
    return out;
}
