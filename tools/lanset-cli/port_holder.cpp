#include "tools/lanset-cli/port_holder.h"

#ifdef _WIN32
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <vector>

std::string portHolder(uint16_t port) {
    ULONG size = 0;
    if (GetExtendedUdpTable(nullptr, &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0) != ERROR_INSUFFICIENT_BUFFER)
        return {};
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<MIB_UDPTABLE_OWNER_PID*>(buffer.data());
    if (GetExtendedUdpTable(table, &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0) != NO_ERROR) return {};
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_UDPROW_OWNER_PID& row = table->table[i];
        if (ntohs(static_cast<u_short>(row.dwLocalPort)) != port) continue;
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
        return (name.empty() ? std::string() : name + ", ") + "process " + std::to_string(row.dwOwningPid);
    }
    return {};
}

#else
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

// /proc/net/udp names each socket's local port and inode; a process's fd links name the inodes
// it holds ("socket:[1234]").
std::string portHolder(uint16_t port) {
    std::set<std::string> inodes;
    std::ifstream table("/proc/net/udp");
    std::string line;
    std::getline(table, line);   // the heading
    char wanted[8];
    std::snprintf(wanted, sizeof wanted, ":%04X", static_cast<unsigned>(port));
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
        fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >> timeout >> inode;
        if (local.size() > 5 && local.compare(local.size() - 5, 5, wanted) == 0 && inode != "0")
            inodes.insert("socket:[" + inode + "]");
    }
    if (inodes.empty()) return {};
    DIR* proc = opendir("/proc");
    if (!proc) return {};
    std::string found;
    while (const dirent* entry = readdir(proc)) {
        const std::string pid = entry->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string fdDir = "/proc/" + pid + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (!fds) continue;
        while (const dirent* fd = readdir(fds)) {
            char target[64];
            const ssize_t n = readlink((fdDir + "/" + fd->d_name).c_str(), target, sizeof target - 1);
            if (n <= 0 || !inodes.count(std::string(target, static_cast<size_t>(n)))) continue;
            std::string name;
            std::ifstream comm("/proc/" + pid + "/comm");
            std::getline(comm, name);
            found = (name.empty() ? std::string() : name + ", ") + "process " + pid;
            break;
        }
        closedir(fds);
        if (!found.empty()) break;
    }
    closedir(proc);
    return found;
}
#endif
