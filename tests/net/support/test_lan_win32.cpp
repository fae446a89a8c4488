// The channel tests' LAN under Wine: the network namespace that netns-wine-run made, with
// just the private LAN in it, where the prefix's wineserver (and so every socket) lives.
#include "tests/net/support/test_lan.h"

#include <winsock2.h>
#include <windows.h>

#include <map>

#include "net/network_adapters.h"

namespace {

// Winsock for the test's own sockets, for the program's life.
struct Winsock {
    bool started = false;
    Winsock() {
        WSADATA data;
        started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~Winsock() {
        if (started) WSACleanup();
    }
};
const Winsock kWinsock;

sockaddr_in endpoint(uint32_t address, uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(address);
    return a;
}

}  // namespace

bool privateLanReady() {
    // Anywhere but the private namespace the tests that open the channel (which binds on every
    // adapter, and broadcasts out of each) skip.
    std::map<std::string, uint32_t> seen;
    for (const NetworkAdapter& a : broadcastAdapters(systemInterfaces())) seen[a.name] = a.address;
    return seen == std::map<std::string, uint32_t>{{"la", kLa}, {"lb", kLb}, {"ma", kMa}, {"mb", kMb}};
}

bool runOnLan(const std::string& command) {
    // Windows has no ip. Wine starts a program named by its absolute Unix path natively, in the
    // namespace of the test, but gives no exit status for it.
    std::string line = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

uint16_t freePort() {
    const SOCKET fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a = endpoint(INADDR_ANY, 0);
    int len = static_cast<int>(sizeof a);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), len);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::closesocket(fd);
    return ntohs(a.sin_port);
}

struct TestSocket::Handle {
    SOCKET fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ~Handle() {
        if (fd != INVALID_SOCKET) ::closesocket(fd);
    }
};

TestSocket::TestSocket() : handle_(std::make_unique<Handle>()) {}
TestSocket::~TestSocket() = default;

bool TestSocket::open() const { return handle_->fd != INVALID_SOCKET; }

bool TestSocket::bind(uint32_t address, uint16_t port, bool reuse) {
    const BOOL on = TRUE;
    if (reuse)
        ::setsockopt(handle_->fd, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
    const sockaddr_in a = endpoint(address, port);
    return ::bind(handle_->fd, reinterpret_cast<const sockaddr*>(&a), static_cast<int>(sizeof a)) == 0;
}

bool TestSocket::sendTo(uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) {
    const sockaddr_in to = endpoint(address, port);
    return ::sendto(handle_->fd, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                    reinterpret_cast<const sockaddr*>(&to), static_cast<int>(sizeof to)) ==
           static_cast<int>(bytes.size());
}

LanFacts lanFacts() {
    // SO_EXCLUSIVEADDRUSE guards the adapters' addresses, not 0.0.0.0; the socket's buffer is
    // the host kernel's default.
    return LanFacts{false, 256, false, true};
}

long currentTask() { return 0; }

bool sleepsInWait(long) { return true; }
