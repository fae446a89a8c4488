#include "ui/pass_checks.h"

#include <algorithm>
#include <map>

#include "net/ipv4.h"
#include "ui/board_text.h"

namespace {


std::string snOf(const PassBoard& b) { return "SN " + fieldText(b.found->mac); }
std::string prefix(const PassBoard& b) { return (b.where.empty() ? snOf(b) : b.where) + ": "; }
// How a second board is named after "also": "on line 3", or "to SN ...".
std::string other(const PassBoard& b, const char* verb) {
    return b.where.empty() ? std::string(verb) + " " + snOf(b) : "on " + b.where;
}

Refusal clash(std::string message) { return Refusal{"", std::move(message), "", true}; }

// The address a board holds once the pass is done (0: none that can clash).
uint32_t addressOf(const std::string& ip) {
    const uint32_t a = inetAddrHost(ip.c_str());
    return ip.empty() || a == 0 || a == kAddressNone ? 0 : a;
}

}  // namespace

std::string patternFault(const std::string& pattern, int32_t firstSequence, int32_t boards) {
    const auto digits = [](int64_t n) { return std::to_string(n).size(); };
    const auto hashes = static_cast<size_t>(std::count(pattern.begin(), pattern.end(), '#'));
    const int64_t last = int64_t{firstSequence} + boards - 1;
    if (hashes > 0 && digits(last) > hashes)
        return "numbers " + std::to_string(firstSequence) + " to " + std::to_string(last) + " need " +
               std::to_string(digits(last)) + " '#', the pattern has " + std::to_string(hashes);
    if (hashes == 0 && boards > 1 && pattern.find('%') == std::string::npos)
        return "the pattern has no '#': every board would get " + printableText(pattern) +
               "; numbers " + std::to_string(firstSequence) + " to " + std::to_string(last) + " need " +
               std::to_string(digits(last)) + " '#'";
    return {};
}

std::string gatewayFault(const std::string& gateway, const std::string& address, const std::string& mask) {
    if (address.empty() || mask.empty() || inetAddrHost(address.c_str()) == 0) return {};
    const uint32_t g = inetAddrHost(gateway.c_str());
    const uint32_t a = inetAddrHost(address.c_str());
    const uint32_t m = inetAddrHost(mask.c_str());
    int length = 0;
    while (length < 32 && (m & (0x80000000u >> length)) != 0) ++length;
    // No gateway, or nothing sound to judge it by (the entry rules judge the mask).
    if (g == 0 || m == 0 || m == kAddressNone || m != (length == 0 ? 0u : ~0u << (32 - length))) return {};
    const uint32_t network = a & m;
    const std::string subnet = formatIpv4(network) + "/" + std::to_string(length);
    if ((g & m) != network)
        return "gateway " + gateway + " is outside " + subnet + ", the subnet of " + address;
    if (m >= 0xFFFFFFFEu) return {};   // point-to-point subnets have no network or broadcast address
    if (g == network) return "gateway " + gateway + " is the network address of " + subnet;
    if (g == (network | ~m)) return "gateway " + gateway + " is the broadcast address of " + subnet;
    return {};
}

std::optional<Refusal> checkPass(const std::vector<PassBoard>& pass,
                                 const std::vector<const DeviceRecord*>& listed,
                                 const std::vector<uint32_t>& host, bool judgeKept) {
    std::map<std::string, const PassBoard*> byMac;   // the pass's boards by their SN
    for (const PassBoard& b : pass) byMac[fieldText(b.found->mac)] = &b;

    std::map<std::string, const PassBoard*> ids;
    for (const PassBoard& b : pass) {
        const std::string id = fieldText(b.wanted.id);
        if (id.empty()) continue;
        if (auto [at, fresh] = ids.emplace(id, &b); !fresh)
            return clash(prefix(b) + "ID " + printableText(id) + " is also " + other(*at->second, "given to"));
    }
    // An ID that a listed board keeps: a board of the pass that keeps its own, or one left out.
    for (const DeviceRecord* d : listed) {
        const std::string held = fieldText(d->id);
        const auto inPass = byMac.find(fieldText(d->mac));
        const bool keeps = inPass == byMac.end() || fieldText(inPass->second->wanted.id).empty();
        const auto taken = ids.find(held);
        if (!keeps || held.empty() || taken == ids.end() || taken->second->found == d) continue;
        return clash(prefix(*taken->second) + "ID " + printableText(held) + " is held by SN " +
                     fieldText(d->mac) + (inPass == byMac.end() ? ", which is not in this pass" : ", which keeps it"));
    }

    // Where every listed board stands once the pass is done.
    std::map<uint32_t, const DeviceRecord*> after;
    std::map<uint32_t, const DeviceRecord*> leaving;   // addresses held now by boards about to move
    for (const DeviceRecord* d : listed) {
        const std::string mac = fieldText(d->mac);
        const auto inPass = byMac.find(mac);
        const std::string now = fieldText(d->ip);
        const std::string wanted = inPass == byMac.end() ? "" : fieldText(inPass->second->wanted.ip);
        if (!wanted.empty() && wanted != now && addressOf(now)) leaving[addressOf(now)] = d;
    }
    for (const PassBoard& b : pass) {
        const std::string now = fieldText(b.found->ip);
        const std::string wanted = fieldText(b.wanted.ip);
        if (wanted.empty() || wanted == now || !addressOf(wanted)) continue;
        const uint32_t a = addressOf(wanted);
        for (uint32_t h : host)
            if (h == a) return clash(prefix(b) + "ip " + wanted + " is an address of this host");
        if (auto [at, fresh] = after.emplace(a, b.found); !fresh)
            return clash(prefix(b) + "ip " + wanted + " is also " + other(*byMac[fieldText(at->second->mac)], "given to"));
        if (const auto moving = leaving.find(a); moving != leaving.end() && moving->second != b.found) {
            const PassBoard& holder = *byMac[fieldText(moving->second->mac)];
            return clash(prefix(b) + "ip " + wanted + " is held now by " + snOf(holder) +
                         (holder.where.empty() ? "" : " (" + holder.where + ")") +
                         ", which is to move; should it not take its new address, both would hold " + wanted);
        }
    }
    // Boards whose address stays: the pass's that keep theirs, and every board left out.
    for (const DeviceRecord* d : listed) {
        const std::string mac = fieldText(d->mac);
        const auto inPass = byMac.find(mac);
        if (inPass != byMac.end() && !fieldText(inPass->second->wanted.ip).empty() &&
            fieldText(inPass->second->wanted.ip) != fieldText(d->ip))
            continue;
        const uint32_t a = addressOf(fieldText(d->ip));
        const auto taken = after.find(a);
        if (!a || taken == after.end() || taken->second == d) continue;
        const PassBoard& taker = *byMac[fieldText(taken->second->mac)];
        const std::string id = fieldText(d->id);
        return clash(prefix(taker) + "ip " + fieldText(d->ip) + " is held by SN " + mac +
                     (id.empty() ? "" : " (" + printableText(id) + ")") +
                     (inPass == byMac.end() ? (taker.where.empty() ? ", which is not in this pass"
                                                                   : ", which is not in the plan")
                                            : ", which keeps it"));
    }

    // The gateway each board will hold: the one given, or, where its address or mask moves, the
    // one it keeps.
    for (const PassBoard& b : pass) {
        const std::string wantedIp = fieldText(b.wanted.ip), wantedMask = fieldText(b.wanted.subnet);
        const bool moves = (!wantedIp.empty() && wantedIp != fieldText(b.found->ip)) ||
                           (!wantedMask.empty() && wantedMask != fieldText(b.found->subnet));
        const bool kept = fieldText(b.wanted.gateway).empty();
        if (kept && (!moves || !judgeKept)) continue;
        const std::string gateway = kept ? fieldText(b.found->gateway) : fieldText(b.wanted.gateway);
        if (gateway.empty()) continue;   // none known
        // A board on DHCP has its addressing from the server, and one without an address
        // (0.0.0.0) has no subnet to judge a gateway by.
        const bool dhcp = b.wanted.dhcpGiven ? b.wanted.dhcp != 0 : b.found->dhcp != 0;
        if (dhcp) continue;
        const std::string ip = wantedIp.empty() ? fieldText(b.found->ip) : wantedIp;
        const std::string mask = wantedMask.empty() ? fieldText(b.found->subnet) : wantedMask;
        if (std::string fault = gatewayFault(gateway, ip, mask); !fault.empty())
            return clash(prefix(b) + fault + (kept ? " (the board keeps its gateway: give --gateway)" : ""));
    }
    return std::nullopt;
}
