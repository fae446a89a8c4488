#include "ui/port_holder.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

// /proc/net/udp names each socket's local port and inode; a process's fd links name the inodes
// it holds ("socket:[1234]").
std::optional<PortHolder> findPortHolder(uint16_t port) {
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
    if (inodes.empty()) return std::nullopt;
    DIR* proc = opendir("/proc");
    if (!proc) return std::nullopt;
    std::optional<PortHolder> found;
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
            found = PortHolder{printableProgramName(name), static_cast<uint32_t>(std::strtoul(pid.c_str(), nullptr, 10))};
            break;
        }
        closedir(fds);
        if (found) break;
    }
    closedir(proc);
    return found;
}
