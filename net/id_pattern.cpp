#include "net/id_pattern.h"

#include <algorithm>

namespace {

// value right-aligned in a field of width characters: cut on the left, or padded with '0'.
std::string rightAligned(std::string_view value, size_t width) {
    if (value.size() >= width) return std::string(value.substr(value.size() - width));
    std::string field(width - value.size(), '0');
    field.append(value);
    return field;
}

}  // namespace

std::string expandIdPattern(std::string_view pattern, int32_t sequenceNumber, std::string_view mac) {
    const size_t hashes = static_cast<size_t>(std::count(pattern.begin(), pattern.end(), '#'));
    const size_t percents = static_cast<size_t>(std::count(pattern.begin(), pattern.end(), '%'));

    // The batch never passes a negative number; should one come, its digits are used unsigned.
    const int64_t wide = sequenceNumber;
    const std::string digits = rightAligned(std::to_string(wide < 0 ? -wide : wide), hashes);
    // A short mac counts as if right-aligned in its twelve characters, so it is never read past.
    const std::string serial = rightAligned(mac, percents);

    std::string id(pattern);
    size_t nextDigit = 0;
    size_t nextSerial = 0;
    for (char& c : id) {
        if (c == '#') c = digits[nextDigit++];
        else if (c == '%') c = serial[nextSerial++];
    }
    return id;
}
