#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstring>
#include <vector>

#include "ui/win32/win32_front.h"

namespace {

template <size_t N>
std::string fixedText(const char (&text)[N]) {
    return std::string(text, strnlen(text, N));
}

}  // namespace

std::optional<AdapterAddresses> firstAdapterAddresses() {
    ULONG size = sizeof(IP_ADAPTER_INFO);
    std::vector<unsigned char> buffer;
    DWORD status = ERROR_BUFFER_OVERFLOW;
    // The list may grow between the calls; a few rounds settle it.
    for (int round = 0; round < 3 && status == ERROR_BUFFER_OVERFLOW; ++round) {
        buffer.assign(size, 0);
        status = GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size);
    }
    if (status != NO_ERROR) return std::nullopt;
    const auto* first = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data());
    return AdapterAddresses{fixedText(first->IpAddressList.IpAddress.String),
                            fixedText(first->IpAddressList.IpMask.String),
                            fixedText(first->GatewayList.IpAddress.String)};
}
