// The platform's channel on real sockets (Winsock under Wine, POSIX natively). Nothing here sends
// on the host's interfaces: the POSIX tests that send run in a child process inside a network
// namespace of its own (loopback only).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "net/udp_channel.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// A port that nothing holds right now (bound for a moment to learn it; nothing is sent).
uint16_t freePort() {
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    const SOCKET fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    int len = 0;
#else
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    socklen_t len = 0;
#endif
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_ANY);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
#ifdef _WIN32
    ::closesocket(fd);
    WSACleanup();
#else
    ::close(fd);
#endif
    return ntohs(a.sin_port);
}

TEST(UdpChannel, AHeldPortFailsASecondOpenAndQuietReceivesTimeOut) {
    const uint16_t port = freePort();
    auto first = makeSystemChannel();
    auto second = makeSystemChannel();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(first->open(port)) << round;
        EXPECT_FALSE(second->open(port));
        const uint8_t* data = nullptr;
        size_t length = 0;
        EXPECT_EQ(first->receive(30, data, length), ReceiveResult::Timeout);
        // The receive may stay posted across calls.
        EXPECT_EQ(first->receive(30, data, length), ReceiveResult::Timeout);
        first->close();
        EXPECT_EQ(first->receive(30, data, length), ReceiveResult::Closed);
    }
    EXPECT_TRUE(second->open(port));   // the port was really given back
    second->close();
}

// As an operation uses it: open, receive and the final close on one worker thread; close() from
// another thread ends the waiting receive.
TEST(UdpChannel, CloseFromAnotherThreadEndsAWaitingReceive) {
    const uint16_t port = freePort();
    auto channel = makeSystemChannel();
    std::atomic<bool> opened{false};
    std::atomic<bool> openFailed{false};
    ReceiveResult result = ReceiveResult::Datagram;
    ReceiveResult after = ReceiveResult::Datagram;
    bool sendAfter = true;
    std::thread worker([&] {
        if (!channel->open(port)) {
            openFailed = true;
            return;
        }
        opened = true;
        const uint8_t* data = nullptr;
        size_t length = 0;
        // Far longer than the test may take: only close() can end it in time.
        result = channel->receive(600000, data, length);
        after = channel->receive(10, data, length);
        const uint8_t byte = 0;
        sendAfter = channel->send(&byte, 1);
        channel->close();
    });
    while (!opened && !openFailed) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));   // let it reach its wait
    channel->close();
    channel->close();   // harmless
    worker.join();
    ASSERT_FALSE(openFailed);
    EXPECT_EQ(result, ReceiveResult::Closed);
    EXPECT_EQ(after, ReceiveResult::Closed);
    EXPECT_FALSE(sendAfter);

    auto other = makeSystemChannel();
    EXPECT_TRUE(other->open(port));   // the handle was closed, not leaked
    other->close();
}

TEST(UdpChannel, ClosesRacingAReceiveEndItSafely) {
    auto channel = makeSystemChannel();
    for (int round = 0; round < 30; ++round) {
        std::atomic<bool> opened{false};
        std::thread worker([&] {
            if (channel->open(freePort())) {
                opened = true;
                const uint8_t* data = nullptr;
                size_t length = 0;
                while (channel->receive(600000, data, length) != ReceiveResult::Closed) {
                }
            }
            opened = true;
            channel->close();
        });
        while (!opened) std::this_thread::yield();
        std::thread closer([&] { channel->close(); });
        channel->close();
        closer.join();
        worker.join();
    }
}

#ifdef _WIN32

// Loopback only: the channel listens on a port of its own, so nothing of the host's network
// reaches it and nothing leaves the host.
TEST(UdpChannel, AnOversizeDatagramLeavesNoReceiveBehind) {
    const uint16_t port = freePort();
    auto channel = makeSystemChannel();
    ASSERT_TRUE(channel->open(port));
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    const SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_NE(sender, INVALID_SOCKET);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    auto sendBytes = [&](const std::vector<uint8_t>& bytes) {
        return ::sendto(sender, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                        reinterpret_cast<const sockaddr*>(&to), sizeof to) == static_cast<int>(bytes.size());
    };
    const uint8_t* data = nullptr;
    size_t length = 0;
    // First the oversize datagram is waiting when the receive is posted (which then fails at
    // once), then it comes to a receive that a quiet wait left posted.
    for (bool receivePosted : {false, true}) {
        SCOPED_TRACE(receivePosted);
        if (receivePosted) {
            EXPECT_EQ(channel->receive(50, data, length), ReceiveResult::Timeout);
        }
        ASSERT_TRUE(sendBytes(std::vector<uint8_t>(300, 0xEE)));
        EXPECT_EQ(channel->receive(2000, data, length), ReceiveResult::Dropped);
        EXPECT_EQ(channel->receive(300, data, length), ReceiveResult::Timeout);
        ASSERT_TRUE(sendBytes({1, 2, 3}));
        ASSERT_TRUE(sendBytes({4, 5, 6, 7}));
        ASSERT_EQ(channel->receive(2000, data, length), ReceiveResult::Datagram);
        EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{1, 2, 3}));
        ASSERT_EQ(channel->receive(2000, data, length), ReceiveResult::Datagram);
        EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{4, 5, 6, 7}));
        EXPECT_EQ(channel->receive(50, data, length), ReceiveResult::Timeout);
    }
    ::closesocket(sender);
    WSACleanup();
    channel->close();
}

#else

bool bringLoopbackUp() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

// Runs in the child, inside its own network namespace; the exit code names the failed step.
int receiveChecks() {
    if (::unshare(CLONE_NEWNET) != 0 || !bringLoopbackUp()) return 77;
    const uint16_t port = 21210;
    auto channel = makeSystemChannel();
    if (!channel->open(port)) return 10;

    const int sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    auto sendBytes = [&](const std::vector<uint8_t>& bytes) {
        return ::sendto(sender, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to),
                        sizeof to) == static_cast<ssize_t>(bytes.size());
    };
    std::vector<uint8_t> good(256);
    for (size_t i = 0; i < good.size(); ++i) good[i] = static_cast<uint8_t>(i * 7);
    if (!sendBytes(std::vector<uint8_t>(257, 1)) || !sendBytes({}) || !sendBytes(good) ||
        !sendBytes({9, 8, 7})) {
        return 11;
    }

    const uint8_t* data = nullptr;
    size_t length = 0;
    if (channel->receive(5000, data, length) != ReceiveResult::Dropped) return 12;  // 257 bytes
    if (channel->receive(5000, data, length) != ReceiveResult::Dropped) return 13;  // empty
    if (channel->receive(5000, data, length) != ReceiveResult::Datagram) return 14;
    if (length != good.size() || std::memcmp(data, good.data(), length) != 0) return 15;
    if (channel->receive(5000, data, length) != ReceiveResult::Datagram || length != 3 ||
        data[0] != 9) {
        return 16;
    }
    if (channel->receive(50, data, length) != ReceiveResult::Timeout) return 17;

    // A burst far beyond a default receive buffer is kept whole.
    const int burst = 4096;
    std::vector<uint8_t> reply(120, 0x5A);
    for (int i = 0; i < burst; ++i) {
        reply[0] = static_cast<uint8_t>(i >> 8);
        reply[1] = static_cast<uint8_t>(i & 0xFF);
        if (!sendBytes(reply)) return 18;
    }
    for (int i = 0; i < burst; ++i) {
        if (channel->receive(5000, data, length) != ReceiveResult::Datagram) return 19;
        if (length != reply.size() || data[0] != (i >> 8) || data[1] != (i & 0xFF)) return 20;
    }
    ::close(sender);
    channel->close();
    return 0;
}

TEST(UdpChannel, ReceivesInItsOwnNetworkNamespace) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(receiveChecks());
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no network namespace (needs root)";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed step " << WEXITSTATUS(status);
}

#endif

}  // namespace
