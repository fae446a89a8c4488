#include "ui/clash_question.h"

#include "net/ipv4.h"

namespace {

// lanset-cli's phrases read as sentences of a message: "; " parts a line each, capitalised,
// ending in a full stop, "ip" (as checkPass puts it after a board's name) spelt out.
void addSentences(std::string phrase, std::string& out) {
    for (size_t at = 0; (at = phrase.find(": ip ", at)) != std::string::npos; at += 13)
        phrase.replace(at, 5, ": IP address ");
    // A window's pass is the boards it configures.
    for (size_t at = 0; (at = phrase.find("not in this pass", at)) != std::string::npos;)
        phrase.replace(at, 16, "not being configured");
    size_t from = 0;
    for (;;) {
        const size_t end = phrase.find("; ", from);
        std::string sentence = phrase.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (!sentence.empty()) {
            if (sentence[0] >= 'a' && sentence[0] <= 'z') sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
            out += sentence + ".\n";
        }
        if (end == std::string::npos) return;
        from = end + 2;
    }
}

}  // namespace

std::vector<const DeviceRecord*> listedBoards(const DeviceList& devices) {
    std::vector<const DeviceRecord*> boards;
    for (int32_t i = 0; i < devices.count(); ++i)
        if (const DeviceRecord* board = devices.at(i)) boards.push_back(board);
    return boards;
}

bool gatewayJudged(const DeviceRecord& found, const DeviceRecord& wanted) {
    if (wanted.dhcpGiven && wanted.dhcp) return false;
    const uint32_t address = inetAddrHost(wanted.ip[0] != '\0' ? wanted.ip : found.ip);
    return address != 0 && address != kAddressNone;
}

std::string clashQuestionText(const std::vector<std::string>& clashes) {
    std::string text;
    for (const std::string& clash : clashes) addSentences(clash, text);
    return text + "\nSend it all the same?";
}

bool sendDespiteClashes(DialogView& view, const std::vector<std::string>& clashes) {
    if (clashes.empty()) return true;
    return view.messageBox(clashQuestionText(clashes), "Warning", MessageButtons::YesNoDefaultNo) ==
           MessageAnswer::Yes;
}
