#include "tools/lanset-cli/cli_checks.h"

#include "net/ipv4.h"
#include "ui/entry_rules.h"

namespace {

std::optional<Refusal> refusalOf(const RuleVerdict& v) {
    if (v.ok) return std::nullopt;
    return Refusal{v.caption ? v.caption : "", v.message ? v.message : ""};
}

}  // namespace

std::optional<Refusal> checkConfigureEntries(const CliOptions& o) {
    if (o.id)
        if (auto r = refusalOf(checkIdText(o.id->c_str()))) return r;
    if (o.ip)
        if (auto r = refusalOf(checkAddressRangeText(o.ip->c_str(), o.mask->c_str(), 1))) return r;
    return std::nullopt;
}

std::optional<Refusal> checkPatternEntries(const CliOptions& o, int32_t& firstSequence) {
    firstSequence = 0;
    if (!o.pattern) return std::nullopt;
    if (auto r = refusalOf(checkIdText(o.pattern->c_str()))) return r;
    const bool hasHash = o.pattern->find('#') != std::string::npos;
    // Without --sequence the dialog's proposal, 1, is the start.
    return refusalOf(checkSequenceText(o.sequence.value_or("1"), hasHash, firstSequence));
}

std::optional<Refusal> checkBatchRange(const CliOptions& o, int32_t boards) {
    if (!o.ip) return std::nullopt;
    return refusalOf(checkAddressRangeText(o.ip->c_str(), o.mask->c_str(), boards));
}

std::optional<Refusal> checkAdapters(const std::vector<std::string>& given,
                                     const std::vector<InterfaceAddress>& interfaces) {
    for (const std::string& g : given) {
        if (!broadcastAdapters(interfaces, {g}).empty()) continue;
        std::string have;
        for (const NetworkAdapter& a : broadcastAdapters(interfaces))
            have += (have.empty() ? "" : ", ") + a.name + " " + formatIpv4(a.address);
        return Refusal{"lanset-cli", "--adapter " + g + " names no network adapter that can broadcast (" +
                                         (have.empty() ? std::string("there is none") : "there are: " + have) + ")"};
    }
    return std::nullopt;
}

DeviceRecord configureRecord(const CliOptions& o, const DeviceRecord& board) {
    DeviceRecord r;
    copyText(r.mac, board.mac);
    copyText(r.echoText, board.echoText);
    copyText(r.number16, board.number16);
    if (o.id) r.setId(o.id->c_str());
    if (o.ip) {
        r.setIp(o.ip->c_str());
        r.setSubnet(o.mask->c_str());
    }
    if (o.gateway) r.setGateway(o.gateway->c_str());
    r.dhcpGiven = o.dhcp.has_value() ? 1 : 0;
    r.dhcp = o.dhcp.value_or(false) ? 1 : 0;
    return r;
}

DeviceRecord batchTemplate(const CliOptions& o) {
    DeviceRecord t;
    if (o.pattern) t.setId(o.pattern->c_str());
    if (o.ip) {
        t.setIp(o.ip->c_str());
        t.setSubnet(o.mask->c_str());
    }
    if (o.gateway) t.setGateway(o.gateway->c_str());
    t.dhcpGiven = o.dhcp.has_value() ? 1 : 0;
    t.dhcp = o.dhcp.value_or(false) ? 1 : 0;
    return t;
}
