#include "tools/boardsim/board_codec.h"

#include <cctype>
#include <cstdio>

namespace sim {
namespace {

uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

uint32_t readIp(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

void putIp(std::vector<uint8_t>& out, uint8_t tag, uint32_t address) {
    out.insert(out.end(), {tag, 4, static_cast<uint8_t>(address >> 24),
                           static_cast<uint8_t>(address >> 16), static_cast<uint8_t>(address >> 8),
                           static_cast<uint8_t>(address)});
}

void putText(std::vector<uint8_t>& out, uint8_t tag, const std::string& text, size_t limit) {
    const size_t n = text.size() < limit ? text.size() : limit;
    out.push_back(tag);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

Request malformed(Request r, std::string why) {
    r.kind = RequestKind::Malformed;
    r.problem = std::move(why);
    return r;
}

// A text field's value: printable or not, it must not hold a zero byte (lanset never sends one).
bool readText(const uint8_t* p, size_t n, std::string& out) {
    out.assign(reinterpret_cast<const char*>(p), n);
    return out.find('\0') == std::string::npos;
}

Request decodeConfigure(Request r, const uint8_t* data, size_t length) {
    const size_t total = readU16(data);
    if (total != length)
        return malformed(std::move(r), "length field " + std::to_string(total) + " but " +
                                           std::to_string(length) + " bytes received");
    size_t pos = kHeaderBytes;
    int lastTag = 0;
    bool sawEcho = false;
    while (pos < length) {
        if (sawEcho) return malformed(std::move(r), "bytes after the EchoText field");
        if (length - pos < 2) return malformed(std::move(r), "truncated field header");
        const uint8_t tag = data[pos];
        const uint8_t n = data[pos + 1];
        const uint8_t* v = data + pos + 2;
        if (length - pos - 2 < n) return malformed(std::move(r), "field runs past the end");
        if (tag < 1 || tag > 7)
            return malformed(std::move(r), "unexpected tag " + std::to_string(tag));
        if (tag <= lastTag)
            return malformed(std::move(r), "tag " + std::to_string(tag) + " out of order");
        if (lastTag == 0 && tag != 1) return malformed(std::move(r), "first field is not Mac");
        switch (tag) {
        case 1:
            if (n != 6) return malformed(std::move(r), "Mac length " + std::to_string(n));
            for (size_t i = 0; i < 6; ++i) r.fields.mac[i] = v[i];
            break;
        case 2: case 3: case 4: {
            if (n != 4) return malformed(std::move(r), "address length " + std::to_string(n));
            const uint32_t a = readIp(v);
            (tag == 2 ? r.fields.ip : tag == 3 ? r.fields.subnet : r.fields.gateway) = a;
            break;
        }
        case 5:
            if (n != 1 || v[0] > 1) return malformed(std::move(r), "bad Dhcp field");
            r.fields.dhcp = v[0] == 1;
            break;
        case 6: {
            std::string id;
            if (n == 0 || n > kMaxIdChars || !readText(v, n, id))
                return malformed(std::move(r), "bad Id field");
            r.fields.id = id;
            break;
        }
        case 7:
            if (n > kMaxEchoChars || !readText(v, n, r.fields.echoText))
                return malformed(std::move(r), "bad EchoText field");
            sawEcho = true;
            break;
        }
        lastTag = tag;
        pos += 2 + n;
    }
    if (!sawEcho) return malformed(std::move(r), "no EchoText field");
    r.kind = RequestKind::Configure;
    return r;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c > 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    return out;
}

}  // namespace

Request decodeRequest(const uint8_t* data, size_t length) {
    Request r;
    r.length = length;
    if (length < kHeaderBytes) return malformed(std::move(r), "shorter than a header");
    r.command = data[10];
    for (size_t i = 2; i < 10; ++i)
        if (data[i] != 0) return malformed(std::move(r), "reserved bytes not zero");
    if (data[11] != 0) return malformed(std::move(r), "reserved bytes not zero");

    if (r.command == kCmdDiscover) {
        if (readU16(data) != kHeaderBytes)
            return malformed(std::move(r), "discovery length field is not 12");
        if (length != kDiscoverBytes)
            return malformed(std::move(r), "discovery datagram of " + std::to_string(length) +
                                               " bytes, not 256");
        for (size_t i = kHeaderBytes; i < length; ++i)
            if (data[i] != 0) return malformed(std::move(r), "discovery padding not zero");
        r.kind = RequestKind::Discover;
        return r;
    }
    if (r.command == kCmdConfigure) return decodeConfigure(std::move(r), data, length);
    r.kind = RequestKind::Other;
    return r;
}

std::vector<uint8_t> encodeReply(const BoardState& board, bool lengthInFirstByte) {
    std::vector<uint8_t> out(kHeaderBytes, 0);
    out[10] = kCmdDiscoverReply;
    out.push_back(1);
    out.push_back(6);
    out.insert(out.end(), board.mac.begin(), board.mac.end());
    putIp(out, 2, board.ip);
    putIp(out, 3, board.subnet);
    putIp(out, 4, board.gateway);
    out.insert(out.end(), {5, 1, static_cast<uint8_t>(board.dhcp ? 1 : 0)});
    putText(out, 6, board.id, kMaxIdChars);
    putText(out, 7, board.echoText, kMaxEchoChars);
    out.insert(out.end(), {8, 2, static_cast<uint8_t>(board.number16 >> 8),
                           static_cast<uint8_t>(board.number16)});
    if (lengthInFirstByte) {
        out[0] = static_cast<uint8_t>(out.size());
    } else {
        out[0] = 0;
        out[1] = static_cast<uint8_t>(out.size());
    }
    return out;
}

std::vector<uint8_t> encodeAck(uint16_t status) {
    std::vector<uint8_t> out(14, 0);
    out[1] = 14;
    out[10] = kCmdConfigureAck;
    out[12] = static_cast<uint8_t>(status >> 8);
    out[13] = static_cast<uint8_t>(status);
    return out;
}

void applyConfiguration(BoardState& board, const ConfigureFields& f) {
    if (f.ip) board.ip = *f.ip;
    if (f.subnet) board.subnet = *f.subnet;
    if (f.gateway) board.gateway = *f.gateway;
    // A board switched to DHCP keeps reporting the address it was last given.
    if (f.dhcp) board.dhcp = *f.dhcp;
    if (f.id) board.id = *f.id;
}

std::string describeRequest(const Request& r) {
    switch (r.kind) {
    case RequestKind::Discover:
        return "discover len=" + std::to_string(r.length);
    case RequestKind::Other:
        return "other command=" + std::to_string(r.command) + " len=" + std::to_string(r.length);
    case RequestKind::Malformed:
        return "malformed len=" + std::to_string(r.length) + ": " + r.problem;
    case RequestKind::Configure:
        break;
    }
    const ConfigureFields& f = r.fields;
    std::string line = "configure len=" + std::to_string(r.length) + " mac=" + macText(f.mac);
    if (f.ip) line += " ip=" + ipText(*f.ip);
    if (f.subnet) line += " subnet=" + ipText(*f.subnet);
    if (f.gateway) line += " gateway=" + ipText(*f.gateway);
    if (f.dhcp) line += std::string(" dhcp=") + (*f.dhcp ? "on" : "off");
    if (f.id) line += " id=" + escaped(*f.id);
    line += " echo=\"" + escaped(f.echoText) + "\"";
    return line;
}

std::string macText(const Mac& mac) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (uint8_t b : mac) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

std::optional<Mac> parseMac(const std::string& text) {
    std::string hex;
    for (char c : text) {
        if (c == ':' || c == '-') continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        hex += c;
    }
    if (hex.size() != 12) return std::nullopt;
    Mac mac{};
    for (size_t i = 0; i < 6; ++i) mac[i] = static_cast<uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    return mac;
}

Mac macPlus(const Mac& mac, uint64_t n) {
    uint64_t v = 0;
    for (uint8_t b : mac) v = v << 8 | b;
    v += n;
    Mac out{};
    for (int i = 5; i >= 0; --i) {
        out[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
        v >>= 8;
    }
    return out;
}

std::string ipText(uint32_t a) {
    return std::to_string(a >> 24) + "." + std::to_string(a >> 16 & 255) + "." +
           std::to_string(a >> 8 & 255) + "." + std::to_string(a & 255);
}

std::optional<uint32_t> parseIp(const std::string& text) {
    uint32_t address = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        size_t digits = 0;
        uint32_t value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
            value = value * 10 + static_cast<uint32_t>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255) return std::nullopt;
        address = address << 8 | value;
    }
    if (pos != text.size()) return std::nullopt;
    return address;
}

}  // namespace sim
