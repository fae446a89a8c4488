#include "net/network_adapters.h"

#include <algorithm>

#include "net/ipv4.h"

std::vector<NetworkAdapter> broadcastAdapters(const std::vector<InterfaceAddress>& interfaces,
                                              const std::vector<std::string>& only) {
    std::vector<NetworkAdapter> adapters;
    for (const InterfaceAddress& i : interfaces) {
        if (!i.up || !i.broadcast || i.loopback || i.address == 0) continue;
        const bool known = std::any_of(adapters.begin(), adapters.end(),
                                       [&](const NetworkAdapter& a) { return a.index == i.index; });
        if (known) continue;
        const std::string dotted = formatIpv4(i.address);
        const bool chosen = only.empty() || std::any_of(only.begin(), only.end(), [&](const std::string& o) {
                                return o == i.name || o == dotted;
                            });
        if (chosen) adapters.push_back({i.name, i.index, i.address});
    }
    return adapters;
}
