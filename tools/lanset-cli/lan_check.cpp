#include "tools/lanset-cli/lan_check.h"

#include <map>

#include "net/ipv4.h"
#include "tools/lanset-cli/board_output.h"
#include "ui/board_text.h"
#include "ui/pass_checks.h"

namespace {

std::string settingsOf(const DeviceRecord& b) {
    return "ID " + printableText(fieldText(b.id)) + ", IP " + fieldText(b.ip) + ", mask " + fieldText(b.subnet) +
           ", gateway " + fieldText(b.gateway) + ", DHCP " + (b.dhcp ? "on" : "off");
}

}  // namespace

uint32_t boardAddress(const DeviceRecord& b) {
    const uint32_t a = inetAddrHost(b.ip);
    return a == kAddressNone ? 0 : a;
}

std::string otherAnswersProblem(const DeviceList& list, int32_t index) {
    const DeviceRecord* board = list.at(index);
    const std::vector<DeviceRecord> others = list.otherAnswers(index);
    if (!board || others.empty()) return {};
    std::string text = "SN " + fieldText(board->mac) + " answered with different settings (" + settingsOf(*board);
    for (const DeviceRecord& o : others) text += "; " + settingsOf(o);
    return text + "): another device answers for it";
}

std::vector<std::vector<std::string>> lanProblems(const DeviceList& list,
                                                  const std::vector<InterfaceAddress>& interfaces) {
    const int32_t count = list.count();
    std::vector<std::vector<std::string>> problems(static_cast<size_t>(count));
    std::map<uint32_t, std::vector<int32_t>> byAddress;
    for (int32_t i = 0; i < count; ++i)
        if (const uint32_t a = boardAddress(*list.at(i))) byAddress[a].push_back(i);

    for (int32_t i = 0; i < count; ++i) {
        const DeviceRecord& b = *list.at(i);
        std::vector<std::string>& p = problems[static_cast<size_t>(i)];
        if (std::string twin = otherAnswersProblem(list, i); !twin.empty()) p.push_back(twin);
        const uint32_t a = boardAddress(b);
        if (a == 0) continue;   // no address (DHCP without a lease): nothing to judge
        const std::string ip = fieldText(b.ip);
        std::string others;
        for (int32_t j : byAddress[a])
            if (j != i) others += (others.empty() ? "SN " : ", SN ") + fieldText(list.at(j)->mac);
        if (!others.empty()) p.push_back("ip " + ip + " is also reported by " + others);
        for (const InterfaceAddress& h : interfaces) {
            if (h.address == a) {
                p.push_back("ip " + ip + " is an address of this host");
                break;
            }
        }
        for (const InterfaceAddress& h : interfaces) {
            if (h.address != b.heardOn || h.address == 0 || h.prefixLength < 0 || h.loopback) continue;
            const uint32_t mask = h.prefixLength == 0 ? 0u : ~0u << (32 - h.prefixLength);
            if ((a & mask) != (h.address & mask))
                p.push_back("ip " + ip + " is outside " + formatIpv4(h.address & mask) + "/" +
                            std::to_string(h.prefixLength) + ", the subnet of the adapter it answered on (" +
                            formatIpv4(h.address) + "): this computer cannot reach it without a router");
            break;
        }
        if (std::string g = gatewayFault(fieldText(b.gateway), ip, fieldText(b.subnet)); !g.empty()) p.push_back(g);
    }
    return problems;
}

std::string formatCheckedBoards(const std::vector<DeviceRecord>& boards,
                                const std::vector<std::vector<std::string>>& problems, OutputFormat format) {
    if (format == OutputFormat::Csv) return formatBoards(boards, format);
    auto problemsOf = [&](size_t i) { return i < problems.size() ? problems[i] : std::vector<std::string>{}; };
    if (format == OutputFormat::Json) {
        std::string out = "[";
        for (size_t n = 0; n < boards.size(); ++n) {
            std::string object = boardJson(boards[n]);
            object.pop_back();   // its closing brace
            std::string list;
            for (const std::string& p : problemsOf(n)) list += (list.empty() ? "" : ", ") + jsonText(p);
            out += (n ? ",\n  " : "\n  ") + object + ", \"problems\": [" + list + "]}";
        }
        return out + (boards.empty() ? "]\n" : "\n]\n");
    }
    // The table, each line led by a mark: '!' for a board with a problem.
    const std::string table = formatBoards(boards, format);
    std::string out, notes;
    size_t line = 0;
    for (size_t from = 0; from < table.size(); ++line) {
        const size_t end = table.find('\n', from);
        const bool flagged = line > 0 && !problemsOf(line - 1).empty();
        out += (flagged ? "! " : "  ") + table.substr(from, end - from) + "\n";
        from = end == std::string::npos ? table.size() : end + 1;
    }
    for (size_t n = 0; n < boards.size(); ++n)
        for (const std::string& p : problemsOf(n)) notes += "! SN " + fieldText(boards[n].mac) + ": " + p + "\n";
    return out + (notes.empty() ? "" : "\n" + notes);
}
