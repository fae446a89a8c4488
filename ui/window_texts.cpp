#include "ui/window_texts.h"

const char* const kNoBoardsText = "No boards found to configure.\nCheck Connections and try again.";

const char* const kNetworkFailedText =
    "Could not open the network port (UDP 21210). Another program may be using it, or no "
    "network is available.";

const char* const kSendFailedText =
    "Could not send to the boards (UDP 21210): no network adapter is connected, or the network "
    "refused every datagram.";

const char* const kCopyFailedText =
    "The list could not be copied: another program holds the clipboard. Try again.";

namespace {
std::string nameOf(const std::filesystem::path& file) {
    const std::u8string name = file.filename().u8string();
    return std::string(name.begin(), name.end());
}
}  // namespace

std::string saveFailedText(SaveResult result, const SaveLeftovers& left) {
    switch (result) {
    case SaveResult::Saved: return {};
    case SaveResult::NotCreated:
        return "The list could not be saved: no file can be made in that folder (it may be "
               "read-only). Nothing was saved.";
    case SaveResult::NotWritten:
        return "The list could not be saved: writing failed (the disk may be full). Nothing was "
               "saved under that name.";
    case SaveResult::NotReplaced:
        return "The list could not be saved: the chosen file cannot be replaced (it may be "
               "read-only or open in another program). It was left as it was.";
    case SaveResult::SavedOldKept:
        return "The list was saved, but the file it replaced could not be removed: it is kept "
               "beside it as " + nameOf(left.oldFile) + ".";
    case SaveResult::BothKept:
        return "The list could not be saved under that name: the file that was there could not be "
               "put back and is kept as " + nameOf(left.oldFile) + ", and the list is in " +
               nameOf(left.listFile) + ".";
    case SaveResult::ListKept:
        return "The list could not be saved under that name, and the file that was there is gone: "
               "the list is in " + nameOf(left.listFile) + ".";
    }
    return {};
}

std::string networkFailureText(int32_t finalValue, const std::optional<PortHolder>& holder) {
    if (finalValue & kEndOpenFailed) {
        std::string text = kNetworkFailedText;
        if (holder)
            text += " It is held by " + (holder->name.empty() ? std::string() : holder->name + " (") + "process ID " +
                    std::to_string(holder->processId) + (holder->name.empty() ? "." : ").");
        return text;
    }
    if (finalValue & kEndSendFailed) return kSendFailedText;
    return {};
}

std::string networkFailureText(int32_t finalValue) {
    return networkFailureText(finalValue,
                              finalValue & kEndOpenFailed ? findPortHolder(kBoardPort) : std::nullopt);
}

std::string finishedText(int32_t count) {
    return "Finished.  Found " + std::to_string(count) + (count == 1 ? " device" : " devices");
}

std::string listLine(const DeviceRecord& board) {
    std::string line(board.id, fieldLength(board.id));
    line += '\t';
    line.append(board.mac, fieldLength(board.mac));
    line += '\t';
    line.append(board.ip, fieldLength(board.ip));
    return line;
}
