// The platform's channel on real sockets (Winsock under Wine, POSIX natively). Nothing here sends
// on the host's interfaces: the POSIX tests run in a network namespace of their own.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "net/network_adapters.h"
#include "net/udp_channel.h"
#include "net/wire.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// The POSIX tests run in a network namespace of their own, made before any test starts: two
// veth pairs (la-lb on 10.77.1.0/24, ma-mb on 10.77.2.0/24) are its four adapters, and nothing
// reaches the host's interfaces.
struct PrivateLan {
    bool ready = false;
    PrivateLan() {
        if (::unshare(CLONE_NEWNET) != 0) return;
        ready = std::system(
                    "ip link set lo up && "
                    "ip link add name la type veth peer name lb && ip link add name ma type veth peer name mb && "
                    "ip addr add 10.77.1.1/24 dev la && ip addr add 10.77.1.2/24 dev lb && "
                    "ip addr add 10.77.2.1/24 dev ma && ip addr add 10.77.2.2/24 dev mb && "
                    "for i in la lb ma mb; do ip link set dev $i up || exit 1; done") == 0;
    }
};
const PrivateLan privateLan;

#define SKIP_WITHOUT_PRIVATE_LAN() \
    if (!privateLan.ready) GTEST_SKIP() << "no private network namespace (needs root and ip)"
#else
#define SKIP_WITHOUT_PRIVATE_LAN()
#endif

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

// Which interfaces a broadcast leaves by, from what the system reports of them.
TEST(BroadcastAdapters, UpBroadcastCapableWithAnAddressOncePerInterface) {
    auto entry = [](const char* name, uint32_t index, uint32_t address, bool up = true,
                    bool broadcast = true, bool loopback = false) {
        return InterfaceAddress{name, index, address, up, broadcast, loopback};
    };
    const std::vector<InterfaceAddress> system = {
        entry("lo", 1, 0x7F000001, true, false, true),   // loopback
        entry("eth0", 2, 0x0A000005),
        entry("eth0", 2, 0x0A000006),                    // its second address: no second send
        entry("eth1", 3, 0),                             // no IPv4 address
        entry("eth2", 4, 0xC0A80102, false),             // down
        entry("ppp0", 5, 0x0A080001, true, false),       // point to point
        entry("wlan0", 6, 0xC0A80065),
    };
    struct Case {
        std::vector<std::string> only;
        std::vector<std::string> expected;   // names, in the system's order
    };
    const Case cases[] = {
        {{}, {"eth0", "wlan0"}},
        {{"wlan0"}, {"wlan0"}},
        {{"10.0.0.5", "eth2"}, {"eth0"}},   // by address; a chosen adapter that is down stays out
        {{"10.0.0.6"}, {"eth0"}},            // any of its addresses names it; it sends from that one
        {{"lo", "eth1"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const NetworkAdapter& a : broadcastAdapters(system, c.only)) names.push_back(a.name);
        EXPECT_EQ(names, c.expected) << (c.only.empty() ? std::string("all") : c.only[0]);
    }
    const auto all = broadcastAdapters(system);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].address, 0x0A000005u);
    EXPECT_EQ(all[0].index, 2u);
    EXPECT_EQ(broadcastAdapters(system, {"10.0.0.6"}).at(0).address, 0x0A000006u);
}

TEST(UdpChannel, AHeldPortFailsASecondOpenAndQuietReceivesTimeOut) {
    SKIP_WITHOUT_PRIVATE_LAN();
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
    SKIP_WITHOUT_PRIVATE_LAN();
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
    SKIP_WITHOUT_PRIVATE_LAN();
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

constexpr uint32_t kLa = 0x0A4D0101, kLb = 0x0A4D0102, kMa = 0x0A4D0201, kMb = 0x0A4D0202;

// Datagrams taken within quietMs, counted by the adapter each arrived on.
std::map<uint32_t, int> arrivals(UdpChannel& channel, int quietMs = 300) {
    std::map<uint32_t, int> by;
    const uint8_t* data = nullptr;
    size_t length = 0;
    while (channel.receive(quietMs, data, length) == ReceiveResult::Datagram) ++by[channel.receivedOn()];
    return by;
}

class PosixChannel : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_PRIVATE_LAN();
        sender_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        ASSERT_GE(sender_, 0);
    }
    void TearDown() override {
        if (sender_ >= 0) ::close(sender_);
    }
    bool sendTo(uint32_t address, const std::vector<uint8_t>& bytes) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(kBoardPort);
        to.sin_addr.s_addr = htonl(address);
        return ::sendto(sender_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to),
                        sizeof to) == static_cast<ssize_t>(bytes.size());
    }
    std::unique_ptr<UdpChannel> channel_ = makeSystemChannel();
    int sender_ = -1;
};

TEST_F(PosixChannel, TakesWholeDatagramsInOrderAndSaysWhichAdapterHeardThem) {
    ASSERT_TRUE(channel_->open(kBoardPort));
    std::vector<uint8_t> good(256);
    for (size_t i = 0; i < good.size(); ++i) good[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(sendTo(kLa, std::vector<uint8_t>(257, 1)));
    ASSERT_TRUE(sendTo(kLa, {}));
    ASSERT_TRUE(sendTo(kLa, good));
    ASSERT_TRUE(sendTo(kMb, {9, 8, 7}));

    const uint8_t* data = nullptr;
    size_t length = 0;
    EXPECT_EQ(channel_->receive(5000, data, length), ReceiveResult::Dropped);   // 257 bytes
    EXPECT_EQ(channel_->receive(5000, data, length), ReceiveResult::Dropped);   // empty
    ASSERT_EQ(channel_->receive(5000, data, length), ReceiveResult::Datagram);
    EXPECT_EQ(std::vector<uint8_t>(data, data + length), good);
    EXPECT_EQ(channel_->receivedOn(), kLa);
    ASSERT_EQ(channel_->receive(5000, data, length), ReceiveResult::Datagram);
    EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{9, 8, 7}));
    EXPECT_EQ(channel_->receivedOn(), kMb);
    EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Timeout);

    // A burst far beyond a default receive buffer is kept whole and in order.
    const int burst = 4096;
    std::vector<uint8_t> reply(120, 0x5A);
    for (int i = 0; i < burst; ++i) {
        reply[0] = static_cast<uint8_t>(i >> 8);
        reply[1] = static_cast<uint8_t>(i & 0xFF);
        ASSERT_TRUE(sendTo(kLb, reply)) << i;
    }
    for (int i = 0; i < burst; ++i) {
        ASSERT_EQ(channel_->receive(5000, data, length), ReceiveResult::Datagram) << i;
        ASSERT_EQ(length, reply.size());
        ASSERT_EQ(data[0] * 256 + data[1], i);
    }
    channel_->close();
    EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Closed);
}

// A broadcast out of an adapter comes back to the host on that adapter (its veth peer, holding
// an address of this host too, drops it as its own): one arrival per adapter that sent.
TEST_F(PosixChannel, EachSendLeavesOnceByEveryAdapterOrByThoseChosen) {
    struct Case {
        std::vector<std::string> only;
        std::map<uint32_t, int> expected;
    };
    const Case cases[] = {
        {{}, {{kLa, 1}, {kLb, 1}, {kMa, 1}, {kMb, 1}}},
        {{"la", "10.77.2.2"}, {{kLa, 1}, {kMb, 1}}},
        {{"lb"}, {{kLb, 1}}},
    };
    const std::vector<uint8_t> discovery(12, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.only.empty() ? std::string("every adapter") : c.only[0]);
        channel_->limitAdapters(c.only);
        ASSERT_TRUE(channel_->open(kBoardPort));
        ASSERT_TRUE(channel_->send(discovery.data(), discovery.size()));
        EXPECT_EQ(arrivals(*channel_), c.expected);
        channel_->close();
    }
    // No adapter to send by: the port cannot serve, as when another program holds it.
    channel_->limitAdapters({"eth9"});
    EXPECT_FALSE(channel_->open(kBoardPort));
}

// An adapter that goes away during an operation refuses its datagram; the others still send,
// and the send counts as done.
TEST_F(PosixChannel, AnAdapterThatVanishesLeavesTheOthersSending) {
    ASSERT_TRUE(channel_->open(kBoardPort));
    ASSERT_EQ(std::system("ip link del dev ma"), 0);   // takes its peer mb with it
    const std::vector<uint8_t> discovery(12, 0);
    ASSERT_TRUE(channel_->send(discovery.data(), discovery.size()));
    EXPECT_EQ(arrivals(*channel_), (std::map<uint32_t, int>{{kLa, 1}, {kLb, 1}}));
    channel_->close();
    ASSERT_EQ(std::system("ip link add name ma type veth peer name mb && ip addr add 10.77.2.1/24 dev ma && "
                          "ip addr add 10.77.2.2/24 dev mb && ip link set dev ma up && ip link set dev mb up"),
              0);
    // Every adapter gone: the send fails, and a receive still waits its time.
    ASSERT_TRUE(channel_->open(kBoardPort));
    ASSERT_EQ(std::system("for i in la lb ma mb; do ip link set dev $i down; done"), 0);
    EXPECT_FALSE(channel_->send(discovery.data(), discovery.size()));
    const uint8_t* data = nullptr;
    size_t length = 0;
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(channel_->receive(200, data, length), ReceiveResult::Timeout);
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(190));
    channel_->close();
    ASSERT_EQ(std::system("ip link set dev la up && ip link set dev lb up && ip link set dev ma up && ip link set dev mb up"), 0);
}

#endif

}  // namespace
