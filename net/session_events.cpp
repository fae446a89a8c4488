#include "net/session_events.h"

std::string notFoundMessage(const DeviceRecord& board) {
    std::string text = "Could not find this device:\n\n   ID:  ";
    text.append(board.id, fieldLength(board.id));
    text += "\n   IP:  ";
    text.append(board.ip, fieldLength(board.ip));
    text += "\n   SN:  ";
    text.append(board.mac, fieldLength(board.mac));
    text += "\n\nCheck connections and try again.";
    return text;
}
