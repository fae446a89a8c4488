#include "ui/port_holder.h"

std::string portHolder(uint16_t port) {
    const std::optional<PortHolder> holder = findPortHolder(port);
    if (!holder) return {};
    return (holder->name.empty() ? std::string() : holder->name + ", ") + "process " +
           std::to_string(holder->processId);
}

std::string printableProgramName(const std::string& name) {
    std::string out;
    for (size_t at = 0; at < name.size();) {
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(name[i]); };
        const unsigned char lead = byte(at);
        const size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                            : (lead & 0xF8) == 0xF0 ? 4 : 0;
        bool whole = length > 0 && at + length <= name.size();
        for (size_t k = 1; whole && k < length; ++k) whole = (byte(at + k) & 0xC0) == 0x80;
        // C0 and DEL, and C1 (U+0080 to U+009F, lead byte C2).
        const bool control = lead < 0x20 || lead == 0x7F || (whole && lead == 0xC2 && byte(at + 1) < 0xA0);
        if (!whole || control) {
            out += '?';
            ++at;
            continue;
        }
        out.append(name, at, length);
        at += length;
    }
    return out;
}
