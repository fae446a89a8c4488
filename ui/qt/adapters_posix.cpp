#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ui/qt/qt_front.h"

namespace {

std::string dotted(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET) return {};
    char text[INET_ADDRSTRLEN] = {};
    const in_addr& in = reinterpret_cast<const sockaddr_in*>(address)->sin_addr;
    return inet_ntop(AF_INET, &in, text, sizeof text) != nullptr ? text : "";
}

bool hexNumber(const std::string& text, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, 16);
    return !text.empty() && end != nullptr && *end == '\0';
}

}  // namespace

std::string defaultGatewayOf(const std::string& routeTable, const std::string& interface) {
    constexpr unsigned long kRouteGateway = 0x2;   // RTF_GATEWAY
    std::istringstream lines(routeTable);
    std::string line;
    std::getline(lines, line);   // the heading
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name, destination, gateway, flags;
        if (!(fields >> name >> destination >> gateway >> flags)) continue;
        if (name != interface || destination != "00000000") continue;
        unsigned long flagBits = 0, gatewayBits = 0;
        if (!hexNumber(flags, flagBits) || !hexNumber(gateway, gatewayBits)) continue;
        if ((flagBits & kRouteGateway) == 0) continue;
        // The kernel prints the address as the number its bytes make in memory.
        in_addr address{};
        address.s_addr = static_cast<in_addr_t>(gatewayBits);
        char text[INET_ADDRSTRLEN] = {};
        return inet_ntop(AF_INET, &address, text, sizeof text) != nullptr ? text : "";
    }
    return {};
}

std::optional<AdapterAddresses> firstAdapterAddresses() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return std::nullopt;
    const ifaddrs* chosen = nullptr;
    for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET) continue;
        if ((a->ifa_flags & IFF_LOOPBACK) != 0) continue;
        const bool up = (a->ifa_flags & IFF_UP) != 0;
        if (chosen == nullptr || (up && (chosen->ifa_flags & IFF_UP) == 0)) chosen = a;
    }
    std::optional<AdapterAddresses> found;
    if (chosen != nullptr) {
        std::ifstream routes("/proc/net/route");
        std::stringstream table;
        table << routes.rdbuf();
        found = AdapterAddresses{dotted(chosen->ifa_addr), dotted(chosen->ifa_netmask),
                                 defaultGatewayOf(table.str(), chosen->ifa_name)};
    }
    ::freeifaddrs(list);
    return found;
}
