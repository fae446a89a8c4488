// The platform's channel on real sockets (Winsock under Wine, POSIX natively). Nothing here sends
// on the host's interfaces: the tests run in a network namespace of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "net/network_adapters.h"
#include "net/udp_channel.h"
#include "net/wire.h"
#include "tests/net/support/test_lan.h"

namespace {

std::vector<std::string> adapterNames() {
    std::vector<std::string> names;
    for (const NetworkAdapter& a : broadcastAdapters(systemInterfaces())) names.push_back(a.name);
    std::sort(names.begin(), names.end());
    return names;
}

#define SKIP_WITHOUT_PRIVATE_LAN() \
    if (!privateLanReady()) GTEST_SKIP() << "no private network namespace (needs root and ip; under Wine, netns-wine-run)"

// Runs a shell command that changes the private LAN, then waits until the broadcast adapters
// are those named.
::testing::AssertionResult changeLan(const std::string& command, std::vector<std::string> expected) {
    if (!runOnLan(command)) return ::testing::AssertionFailure() << "failed: " << command;
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> names;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    do {
        names = adapterNames();
        if (names == expected) return ::testing::AssertionSuccess();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    std::string listed;
    for (const std::string& n : names) listed += " " + n;
    return ::testing::AssertionFailure() << "after '" << command << "' the adapters are:" << listed;
}

// Whether another program could bind address:port.
bool otherProgramBinds(uint32_t address, uint16_t port, bool reuse) {
    return TestSocket().bind(address, port, reuse);
}

// Which interfaces a broadcast leaves by, from what the system reports of them.
TEST(BroadcastAdapters, UpBroadcastCapableWithAnAddressOncePerInterface) {
    auto entry = [](const char* name, uint32_t index, uint32_t address, bool up = true,
                    bool broadcast = true, bool loopback = false, bool preferred = true) {
        return InterfaceAddress{name, index, address, up, broadcast, loopback, preferred};
    };
    const std::vector<InterfaceAddress> system = {
        entry("lo", 1, 0x7F000001, true, false, true),   // loopback
        entry("eth0", 2, 0x0A000005),
        entry("eth0", 2, 0x0A000006),                    // its second address: no second send
        entry("eth1", 3, 0),                             // no IPv4 address
        entry("eth2", 4, 0xC0A80102, false),             // down
        entry("ppp0", 5, 0x0A080001, true, false),       // point to point
        entry("wlan0", 6, 0xC0A80065),
        entry("eth3", 7, 0xC0A80201, true, true, false, false),   // still tentative
        entry("eth3", 7, 0xC0A80202),
    };
    struct Case {
        std::vector<std::string> only;
        std::vector<std::string> expected;   // names, in the system's order
    };
    const Case cases[] = {
        {{}, {"eth0", "wlan0", "eth3"}},
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
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].address, 0x0A000005u);
    EXPECT_EQ(all[0].index, 2u);
    EXPECT_EQ(all[0].alternatives, (std::vector<uint32_t>{0x0A000006}));
    EXPECT_EQ(all[2].address, 0xC0A80202u);   // a preferred address first
    EXPECT_EQ(all[2].alternatives, (std::vector<uint32_t>{0xC0A80201}));
    EXPECT_EQ(broadcastAdapters(system, {"10.0.0.6"}).at(0).address, 0x0A000006u);
}

TEST(UdpChannel, AHeldPortFailsASecondOpenAndQuietReceivesTimeOut) {
    SKIP_WITHOUT_PRIVATE_LAN();
    const uint16_t port = freePort();
    auto first = makeSystemChannel();
    auto second = makeSystemChannel();
    {
        // Held on one adapter only is held: the replies that came by it would be lost.
        TestSocket other;
        ASSERT_TRUE(other.bind(kMb, port, false));
        EXPECT_FALSE(first->open(port));
    }
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(first->open(port)) << round;
        EXPECT_FALSE(second->open(port));
        // Nor can another program bind an adapter's address, even asking to share it. Linux
        // refuses it 0.0.0.0 as well; Windows lets it bind there beside our adapters' sockets.
        for (const uint32_t address : {kLa, kMb}) EXPECT_FALSE(otherProgramBinds(address, port, true));
        if (lanFacts().wildcardBindRefused) {
            EXPECT_FALSE(otherProgramBinds(0, port, true));
        }
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
    std::atomic<long> workerTask{0};
    std::thread worker([&] {
        if (!channel->open(port)) {
            openFailed = true;
            return;
        }
        workerTask = currentTask();
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
    // Closed while the receive sleeps in its wait, not before it gets there.
    EXPECT_TRUE(sleepsInWait(workerTask));
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

// Datagrams taken within quietMs, counted by the adapter each arrived on.
std::map<uint32_t, int> arrivals(UdpChannel& channel, int quietMs = 300) {
    std::map<uint32_t, int> by;
    const uint8_t* data = nullptr;
    size_t length = 0;
    while (channel.receive(quietMs, data, length) == ReceiveResult::Datagram) ++by[channel.receivedOn()];
    return by;
}

// The channel on the private LAN, and a plain socket of the test's own to send to it.
class ChannelOnPrivateLan : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_PRIVATE_LAN();
        ASSERT_TRUE(sender_.open());
    }
    void TearDown() override { channel_->close(); }
    bool sendTo(uint32_t address, const std::vector<uint8_t>& bytes) {
        return sender_.sendTo(address, kBoardPort, bytes);
    }
    std::unique_ptr<UdpChannel> channel_ = makeSystemChannel();
    TestSocket sender_;
};

TEST_F(ChannelOnPrivateLan, TakesWholeDatagramsInOrderAndSaysWhichAdapterHeardThem) {
    ASSERT_TRUE(channel_->open(kBoardPort));
    std::vector<uint8_t> good(256);
    for (size_t i = 0; i < good.size(); ++i) good[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(sendTo(kLa, std::vector<uint8_t>(257, 1)));
    ASSERT_TRUE(sendTo(kLa, {}));
    ASSERT_TRUE(sendTo(kLa, good));
    ASSERT_TRUE(sendTo(kLb, {1}));
    ASSERT_TRUE(sendTo(kMa, {2, 2}));
    ASSERT_TRUE(sendTo(kMb, {9, 8, 7}));

    // Each adapter's datagrams in the order sent; {} stands for one that was Dropped (257 bytes,
    // empty). A datagram sent to an adapter's address is heard on that adapter.
    const uint8_t* data = nullptr;
    size_t length = 0;
    std::map<uint32_t, std::vector<std::vector<uint8_t>>> heard;
    for (int i = 0; i < 6; ++i) {
        const ReceiveResult result = channel_->receive(5000, data, length);
        ASSERT_TRUE(result == ReceiveResult::Datagram || result == ReceiveResult::Dropped) << i;
        heard[channel_->receivedOn()].push_back(result == ReceiveResult::Datagram
                                                    ? std::vector<uint8_t>(data, data + length)
                                                    : std::vector<uint8_t>{});
    }
    EXPECT_EQ(heard, (std::map<uint32_t, std::vector<std::vector<uint8_t>>>{
                         {kLa, {{}, {}, good}}, {kLb, {{1}}}, {kMa, {{2, 2}}}, {kMb, {{9, 8, 7}}}}));
    EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Timeout);

    // A burst is kept whole and in order.
    const LanFacts facts = lanFacts();
    const int burst = facts.wholeBurst;
    std::vector<uint8_t> reply(120, 0x5A);
    for (int i = 0; i < burst; ++i) {
        reply[0] = static_cast<uint8_t>(i >> 8);
        reply[1] = static_cast<uint8_t>(i & 0xFF);
        ASSERT_TRUE(sendTo(kLb, reply)) << i;
    }
    ASSERT_TRUE(sendTo(kMa, {3}));
    int next = 0;
    int otherAt = -1;
    for (int taken = 0; taken <= burst; ++taken) {
        ASSERT_EQ(channel_->receive(5000, data, length), ReceiveResult::Datagram) << taken;
        if (channel_->receivedOn() == kMa) {
            EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{3}));
            otherAt = taken;
            continue;
        }
        ASSERT_EQ(length, reply.size());
        ASSERT_EQ(data[0] * 256 + data[1], next++);
    }
    EXPECT_EQ(next, burst);
    EXPECT_GE(otherAt, 0);
    if (facts.socketPerAdapter) {
        EXPECT_LT(otherAt, 4);
    }
    // One that has arrived is taken even with no time left to wait.
    ASSERT_TRUE(sendTo(kMb, {5}));
    ASSERT_EQ(channel_->receive(0, data, length), ReceiveResult::Datagram);
    EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{5}));
    // The sender's address is told (acknowledgements are told apart by it): sent to an address
    // of this host, the datagram comes from that address.
    EXPECT_EQ(channel_->receivedFrom(), kMb);
    EXPECT_FALSE(channel_->lostDatagrams());
    if (facts.tellsLoss) {
        // More than the system holds: the loss is told (with the datagrams that come after
        // it), once.
        std::vector<uint8_t> large(200, 0x33);
        for (int i = 0; i < 120000; ++i) ASSERT_TRUE(sendTo(kLb, large)) << i;
        ASSERT_EQ(channel_->receive(50, data, length), ReceiveResult::Datagram);
        ASSERT_TRUE(sendTo(kLb, {6}));
        while (channel_->receive(50, data, length) == ReceiveResult::Datagram) {
        }
        EXPECT_TRUE(channel_->lostDatagrams());
        EXPECT_FALSE(channel_->lostDatagrams());
    }
    channel_->close();
    EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Closed);
}

// An oversize datagram is dropped without losing the receive after it: first it is waiting when
// the receive is posted (which then fails at once), then it comes to a receive that a quiet wait
// left posted.
TEST_F(ChannelOnPrivateLan, AnOversizeDatagramLeavesNoReceiveBehind) {
    ASSERT_TRUE(channel_->open(kBoardPort));
    const uint8_t* data = nullptr;
    size_t length = 0;
    for (bool receivePosted : {false, true}) {
        SCOPED_TRACE(receivePosted);
        if (receivePosted) {
            EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Timeout);
        }
        ASSERT_TRUE(sendTo(kLa, std::vector<uint8_t>(300, 0xEE)));
        EXPECT_EQ(channel_->receive(2000, data, length), ReceiveResult::Dropped);
        EXPECT_EQ(channel_->receive(300, data, length), ReceiveResult::Timeout);
        ASSERT_TRUE(sendTo(kLa, {1, 2, 3}));
        ASSERT_TRUE(sendTo(kLa, {4, 5, 6, 7}));
        ASSERT_EQ(channel_->receive(2000, data, length), ReceiveResult::Datagram);
        EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{1, 2, 3}));
        ASSERT_EQ(channel_->receive(2000, data, length), ReceiveResult::Datagram);
        EXPECT_EQ(std::vector<uint8_t>(data, data + length), (std::vector<uint8_t>{4, 5, 6, 7}));
        EXPECT_EQ(channel_->receive(50, data, length), ReceiveResult::Timeout);
    }
}

// A broadcast out of an adapter comes back to the host on that adapter (its veth peer, holding
// an address of this host too, drops it as its own): one arrival per adapter that sent.
TEST_F(ChannelOnPrivateLan, EachSendLeavesOnceByEveryAdapterOrByThoseChosen) {
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
    if (lanFacts().socketPerAdapter) {
        // An address that cannot be had (here a duplicate of lb's) gives way to the adapter's
        // next.
        channel_->limitAdapters({});
        channel_->readInterfacesWith([] {
            return std::vector<InterfaceAddress>{{"lb", 2, kLb, true, true}, {"la", 1, kLb, true, true},
                                                 {"la", 1, kLa, true, true}};
        });
        ASSERT_TRUE(channel_->open(kBoardPort));
        ASSERT_TRUE(channel_->send(discovery.data(), discovery.size()));
        EXPECT_EQ(arrivals(*channel_), (std::map<uint32_t, int>{{kLa, 1}, {kLb, 1}}));
    }
}

// An adapter that goes away during an operation refuses its datagram; the others still send,
// and the send counts as done.
TEST_F(ChannelOnPrivateLan, AnAdapterThatVanishesLeavesTheOthersSending) {
    const std::vector<std::string> all = {"la", "lb", "ma", "mb"};
    ASSERT_TRUE(channel_->open(kBoardPort));
    ASSERT_TRUE(changeLan("ip link del dev ma", {"la", "lb"}));   // takes its peer mb with it
    const std::vector<uint8_t> discovery(12, 0);
    ASSERT_TRUE(channel_->send(discovery.data(), discovery.size()));
    EXPECT_EQ(arrivals(*channel_), (std::map<uint32_t, int>{{kLa, 1}, {kLb, 1}}));
    channel_->close();
    ASSERT_TRUE(changeLan("ip link add name ma type veth peer name mb && ip addr add 10.77.2.1/24 dev ma && "
                          "ip addr add 10.77.2.2/24 dev mb && ip link set dev ma up && ip link set dev mb up",
                          all));
    // Every adapter gone: the send fails, and a receive still waits its time.
    ASSERT_TRUE(channel_->open(kBoardPort));
    ASSERT_TRUE(changeLan("for i in la lb ma mb; do ip link set dev $i down; done", {}));
    EXPECT_FALSE(channel_->send(discovery.data(), discovery.size()));
    const uint8_t* data = nullptr;
    size_t length = 0;
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(channel_->receive(200, data, length), ReceiveResult::Timeout);
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(190));
    channel_->close();
    ASSERT_TRUE(changeLan("for i in la lb ma mb; do ip link set dev $i up; done", all));
}

}  // namespace
