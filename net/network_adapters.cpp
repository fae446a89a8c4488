#include "net/network_adapters.h"

#include <algorithm>

#include "net/ipv4.h"

std::vector<NetworkAdapter> broadcastAdapters(const std::vector<InterfaceAddress>& interfaces,
                                              const std::vector<std::string>& only) {
    auto named = [&](const std::string& text) {
        return std::find(only.begin(), only.end(), text) != only.end();
    };
    std::vector<NetworkAdapter> adapters;
    std::vector<std::vector<InterfaceAddress>> addresses;   // each adapter's, in the system's order
    for (const InterfaceAddress& i : interfaces) {
        if (!i.up || !i.broadcast || i.loopback || i.address == 0) continue;
        if (!only.empty() && !named(i.name) && !named(formatIpv4(i.address))) continue;
        const auto at = static_cast<size_t>(
            std::find_if(adapters.begin(), adapters.end(), [&](const NetworkAdapter& a) { return a.index == i.index; }) -
            adapters.begin());
        if (at == adapters.size()) {
            adapters.push_back({i.name, i.index, 0, {}});
            addresses.emplace_back();
        }
        addresses[at].push_back(i);
    }
    // Just after link-up or resume an address may still be tentative, or a duplicate.
    for (size_t a = 0; a < adapters.size(); ++a) {
        std::vector<InterfaceAddress>& mine = addresses[a];
        std::stable_partition(mine.begin(), mine.end(), [](const InterfaceAddress& i) { return i.preferred; });
        adapters[a].address = mine.front().address;
        for (size_t k = 1; k < mine.size(); ++k) adapters[a].alternatives.push_back(mine[k].address);
    }
    return adapters;
}
