#include "ui/port_holder.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <vector>

std::optional<PortHolder> findPortHolder(uint16_t port) {
    ULONG size = 0;
    if (GetExtendedUdpTable(nullptr, &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0) != ERROR_INSUFFICIENT_BUFFER)
        return std::nullopt;
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<MIB_UDPTABLE_OWNER_PID*>(buffer.data());
    if (GetExtendedUdpTable(table, &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0) != NO_ERROR) return std::nullopt;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_UDPROW_OWNER_PID& row = table->table[i];
        if (ntohs(static_cast<u_short>(row.dwLocalPort)) != port) continue;
        // 0 names no process (Wine gives it for every socket: they live in its server).
        if (row.dwOwningPid == 0) return std::nullopt;
        // Its image's file name; a process we may not open (another user's) is named by its ID.
        std::string name;
        if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, row.dwOwningPid)) {
            wchar_t path[MAX_PATH];
            DWORD length = MAX_PATH;
            if (QueryFullProcessImageNameW(process, 0, path, &length)) {
                std::wstring whole(path, length);
                const std::wstring base = whole.substr(whole.find_last_of(L"\\/") + 1);
                const int bytes = WideCharToMultiByte(CP_UTF8, 0, base.c_str(), static_cast<int>(base.size()),
                                                      nullptr, 0, nullptr, nullptr);
                name.resize(static_cast<size_t>(bytes > 0 ? bytes : 0));
                if (bytes > 0)
                    WideCharToMultiByte(CP_UTF8, 0, base.c_str(), static_cast<int>(base.size()), name.data(),
                                        bytes, nullptr, nullptr);
            }
            CloseHandle(process);
        }
        return PortHolder{printableProgramName(name), row.dwOwningPid};
    }
    return std::nullopt;
}

