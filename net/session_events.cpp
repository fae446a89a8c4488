#include "net/session_events.h"

std::string notFoundMessage(const DeviceRecord& board) {
    std::string text = "Could not find this device:\n\n   ID:  ";
    // The board's own text: a control character in it must not reach the message as such.
    for (const char c : fieldText(board.id)) {
        const auto code = static_cast<unsigned char>(c);
        text += code < 0x20 || (code >= 0x7F && code < 0xA0) ? '?' : c;
    }
    text += "\n   IP:  ";
    text.append(board.ip, fieldLength(board.ip));
    text += "\n   SN:  ";
    text.append(board.mac, fieldLength(board.mac));
    text += "\n\nCheck connections and try again.";
    return text;
}
