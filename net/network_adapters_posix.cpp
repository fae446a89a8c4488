// The interfaces as getifaddrs lists them: one entry per address.
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include "net/network_adapters.h"

std::vector<InterfaceAddress> systemInterfaces() {
    std::vector<InterfaceAddress> interfaces;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return interfaces;
    for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
        InterfaceAddress i;
        i.name = a->ifa_name != nullptr ? a->ifa_name : "";
        i.index = ::if_nametoindex(i.name.c_str());
        i.up = (a->ifa_flags & IFF_UP) != 0 && (a->ifa_flags & IFF_RUNNING) != 0;
        i.broadcast = (a->ifa_flags & IFF_BROADCAST) != 0;
        i.loopback = (a->ifa_flags & IFF_LOOPBACK) != 0;
        if (a->ifa_addr != nullptr && a->ifa_addr->sa_family == AF_INET) {
            i.address = ntohl(reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr);
            if (a->ifa_netmask != nullptr && a->ifa_netmask->sa_family == AF_INET) {
                uint32_t mask = ntohl(reinterpret_cast<const sockaddr_in*>(a->ifa_netmask)->sin_addr.s_addr);
                i.prefixLength = 0;
                while (mask & 0x80000000u) {
                    ++i.prefixLength;
                    mask <<= 1;
                }
            }
        } else if (a->ifa_addr != nullptr) {
            continue;   // an IPv6 or link-layer entry of the same interface
        }
        interfaces.push_back(std::move(i));
    }
    ::freeifaddrs(list);
    return interfaces;
}
