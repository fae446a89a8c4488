// The channel tests' LAN on Linux: a network namespace of the test program's own.
#include "tests/net/support/test_lan.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

// Made before any test starts, while the program has one thread.
const bool kLanReady = [] {
    if (::unshare(CLONE_NEWNET) != 0) return false;
    return std::system("ip link set lo up && "
                       "ip link add name la type veth peer name lb && ip link add name ma type veth peer name mb && "
                       "ip addr add 10.77.1.1/24 dev la && ip addr add 10.77.1.2/24 dev lb && "
                       "ip addr add 10.77.2.1/24 dev ma && ip addr add 10.77.2.2/24 dev mb && "
                       "for i in la lb ma mb; do ip link set dev $i up || exit 1; done") == 0;
}();

sockaddr_in endpoint(uint32_t address, uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(address);
    return a;
}

}  // namespace

bool privateLanReady() { return kLanReady; }

bool runOnLan(const std::string& command) { return std::system(command.c_str()) == 0; }

uint16_t freePort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a = endpoint(INADDR_ANY, 0);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), len);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

struct TestSocket::Handle {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ~Handle() {
        if (fd >= 0) ::close(fd);
    }
};

TestSocket::TestSocket() : handle_(std::make_unique<Handle>()) {}
TestSocket::~TestSocket() = default;

bool TestSocket::open() const { return handle_->fd >= 0; }

bool TestSocket::bind(uint32_t address, uint16_t port, bool reuse) {
    const int on = 1;
    if (reuse) ::setsockopt(handle_->fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in a = endpoint(address, port);
    return ::bind(handle_->fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
}

bool TestSocket::sendTo(uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) {
    const sockaddr_in to = endpoint(address, port);
    return ::sendto(handle_->fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                    sizeof to) == static_cast<ssize_t>(bytes.size());
}

LanFacts lanFacts() {
    // The one socket is bound to any address, far beyond a default receive buffer.
    return LanFacts{true, 4096, true, false};
}

long currentTask() { return static_cast<long>(::gettid()); }

bool sleepsInWait(long task) {
    const std::string stat = "/proc/self/task/" + std::to_string(task) + "/stat";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(stat);
        std::string line;
        std::getline(in, line);
        const size_t after = line.rfind(')');
        if (after != std::string::npos && after + 2 < line.size() && line[after + 2] == 'S') return true;
        std::this_thread::yield();
    }
    return false;
}
