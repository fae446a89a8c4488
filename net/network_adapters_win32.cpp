// The adapters as GetAdaptersAddresses lists them: one entry per IPv4 address.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <vector>

#include "net/network_adapters.h"

namespace {

std::string utf8(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

}  // namespace

std::vector<InterfaceAddress> systemInterfaces() {
    std::vector<InterfaceAddress> interfaces;
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG status = ERROR_BUFFER_OVERFLOW;
    // The list may grow between the calls; a few rounds settle it.
    for (int round = 0; round < 4 && status == ERROR_BUFFER_OVERFLOW; ++round) {
        buffer.assign(size, 0);
        status = GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (status != NO_ERROR) return interfaces;
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); a != nullptr;
         a = a->Next) {
        InterfaceAddress i;
        i.name = utf8(a->FriendlyName);
        i.index = a->IfIndex;
        i.up = a->OperStatus == IfOperStatusUp;
        i.loopback = a->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
        i.broadcast = !i.loopback && a->IfType != IF_TYPE_PPP && a->IfType != IF_TYPE_TUNNEL;
        bool any = false;
        for (const IP_ADAPTER_UNICAST_ADDRESS* u = a->FirstUnicastAddress; u != nullptr; u = u->Next) {
            const sockaddr* s = u->Address.lpSockaddr;
            if (s == nullptr || s->sa_family != AF_INET) continue;
            i.address = ntohl(reinterpret_cast<const sockaddr_in*>(s)->sin_addr.s_addr);
            i.preferred = u->DadState == IpDadStatePreferred;
            i.prefixLength = u->OnLinkPrefixLength <= 32 ? u->OnLinkPrefixLength : -1;
            interfaces.push_back(i);
            any = true;
        }
        if (!any) {
            i.address = 0;
            i.prefixLength = -1;
            i.preferred = true;
            interfaces.push_back(i);
        }
    }
    return interfaces;
}
