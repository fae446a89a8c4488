// boardsim's own reading of the protocol, checked against lanset's codec in both directions:
// the two are written apart, so agreement here means both follow the format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>

#include "net/wire.h"
#include "tools/boardsim/board_set.h"
#include "tools/boardsim/send_plan.h"

namespace {

std::vector<uint8_t> lansetRequest(const DeviceRecord& r) {
    uint8_t buffer[kSendBufferSize];
    const size_t n = buildConfigureRequest(r, buffer, sizeof buffer);
    return std::vector<uint8_t>(buffer, buffer + n);
}

sim::Request decode(const std::vector<uint8_t>& bytes) { return sim::decodeRequest(bytes.data(), bytes.size()); }

std::vector<uint8_t> discoveryRequest() {
    std::vector<uint8_t> d(kDiscoveryDatagramSize);
    buildDiscoveryRequest(d.data());
    return d;
}

sim::SimOptions options(const std::vector<std::string>& args) {
    const sim::SimParse p = sim::parseSimOptions(args);
    EXPECT_TRUE(p.ok) << p.error;
    return p.options;
}

// "device" or "device+ms" for each acknowledgement, in planned order.
std::string acks(const sim::Reaction& r) {
    std::string out;
    for (const sim::Ack& a : r.acks)
        out += (out.empty() ? "" : " ") + std::to_string(a.device) + (a.delayMs ? "+" + std::to_string(a.delayMs) : "");
    return out;
}

TEST(BoardCodec, ReadsLansetsRequests) {
    EXPECT_EQ(decode(discoveryRequest()).kind, sim::RequestKind::Discover);

    DeviceRecord r;
    copyText(r.mac, "02a1b2c3d4e5");
    copyText(r.ip, "10.0.0.5");
    copyText(r.id, "Lab1");
    r.dhcpGiven = 0;
    sim::Request q = decode(lansetRequest(r));
    ASSERT_EQ(q.kind, sim::RequestKind::Configure) << q.problem;
    EXPECT_EQ(sim::describeRequest(q), "configure len=34 mac=02a1b2c3d4e5 ip=10.0.0.5 id=Lab1 echo=\"\"");

    copyText(r.subnet, "255.255.0.0");
    copyText(r.gateway, "10.0.0.1");
    copyText(r.echoText, "e 1");
    r.dhcpGiven = 1;
    r.dhcp = 1;
    q = decode(lansetRequest(r));
    ASSERT_EQ(q.kind, sim::RequestKind::Configure) << q.problem;
    EXPECT_EQ(q.fields.subnet, 0xFFFF0000u);
    EXPECT_EQ(q.fields.gateway, 0x0A000001u);
    EXPECT_EQ(q.fields.dhcp, true);
    EXPECT_EQ(q.fields.echoText, "e 1");
}

TEST(BoardCodec, RefusesWhatLansetNeverSends) {
    std::vector<uint8_t> d = discoveryRequest();
    EXPECT_EQ(decode({d.begin(), d.begin() + 12}).kind, sim::RequestKind::Malformed) << "12 bytes, not 256";
    d[200] = 1;
    EXPECT_EQ(decode(d).kind, sim::RequestKind::Malformed) << "padding not zero";

    DeviceRecord r;
    copyText(r.mac, "02a1b2c3d4e5");
    copyText(r.id, "Lab1");
    const std::vector<uint8_t> good = lansetRequest(r);
    ASSERT_EQ(decode(good).kind, sim::RequestKind::Configure);
    auto broken = [&](auto change) {
        std::vector<uint8_t> b = good;
        change(b);
        return decode(b);
    };
    EXPECT_EQ(broken([](auto& b) { b[1] += 1; }).kind, sim::RequestKind::Malformed) << "length field";
    EXPECT_EQ(broken([](auto& b) { b[5] = 1; }).kind, sim::RequestKind::Malformed) << "reserved";
    EXPECT_EQ(broken([](auto& b) { b[13] = 5; }).kind, sim::RequestKind::Malformed) << "Mac length";
    EXPECT_EQ(broken([](auto& b) { b.pop_back(); b.pop_back(); b[1] -= 2; }).kind,
              sim::RequestKind::Malformed) << "no EchoText";
    EXPECT_EQ(broken([](auto& b) { b.insert(b.end(), {8, 2, 0, 1}); b[1] += 4; }).kind,
              sim::RequestKind::Malformed) << "Number16 is never sent";
    EXPECT_EQ(broken([](auto& b) { b[10] = 4; }).kind, sim::RequestKind::Other) << "an acknowledgement";
    EXPECT_EQ(sim::decodeRequest(good.data(), 5).kind, sim::RequestKind::Malformed);
}

TEST(BoardCodec, LansetReadsBoardReplies) {
    sim::BoardState b;
    b.mac = *sim::parseMac("02a1b2c3d4e5");
    b.ip = 0xC0A8000A;
    b.subnet = 0xFFFFFF00;
    b.gateway = 0xC0A80001;
    b.dhcp = true;
    b.id = "ABCDEFGHIJKLMNOP";
    b.echoText = "echo";
    b.number16 = 65535;
    for (bool firstByte : {false, true}) {
        const std::vector<uint8_t> bytes = sim::encodeReply(b, firstByte);
        ReplyFields reply{};
        ASSERT_TRUE(parseReply(bytes.data(), bytes.size(), reply));
        EXPECT_STREQ(reply.mac, "02a1b2c3d4e5");
        EXPECT_STREQ(reply.ip, "192.168.0.10");
        EXPECT_STREQ(reply.subnet, "255.255.255.0");
        EXPECT_STREQ(reply.gateway, "192.168.0.1");
        EXPECT_EQ(reply.dhcp, 1);
        EXPECT_STREQ(reply.id, "ABCDEFGHIJKLMNOP");
        EXPECT_STREQ(reply.echoText, "echo");
        EXPECT_STREQ(reply.number16, "65535");
    }
    for (uint16_t status : {0, 1}) {
        const std::vector<uint8_t> ack = sim::encodeAck(status);
        EXPECT_EQ(isConfigureAck(ack.data(), ack.size()), status == 0);
    }
}

TEST(BoardSet, BoardsApplyAcknowledgeOrStaySilent) {
    const sim::SimParse p = sim::parseSimOptions(
        {"--boards", "3", "--first-mac", "02:a1:b2:c3:d4:ff", "--no-ack", "2", "--id-pattern", "Bd##x",
         "--first-ip", "10.0.0.254"});
    ASSERT_TRUE(p.ok) << p.error;
    sim::BoardSet boards(p.options);
    EXPECT_EQ(sim::macText(boards.board(1).mac), "02a1b2c3d500") << "addresses count up with carry";
    EXPECT_EQ(boards.board(1).id, "Bd01x");
    EXPECT_EQ(sim::ipText(boards.board(2).ip), "10.0.1.0");

    EXPECT_EQ(boards.handle(decode(discoveryRequest())).replies, (std::vector<int>{0, 1, 2}));

    DeviceRecord r;
    copyText(r.mac, "02a1b2c3d500");
    copyText(r.gateway, "10.9.9.9");
    r.dhcpGiven = 1;
    r.dhcp = 1;
    sim::Reaction a = boards.handle(decode(lansetRequest(r)));
    EXPECT_EQ(acks(a), "1");
    EXPECT_EQ(sim::ipText(boards.board(1).gateway), "10.9.9.9");
    EXPECT_TRUE(boards.board(1).dhcp);
    EXPECT_EQ(sim::ipText(boards.board(1).ip), "10.0.0.255") << "a board on DHCP keeps its address";
    EXPECT_EQ(boards.board(1).id, "Bd01x") << "no ID sent, none changed";

    copyText(r.mac, "02a1b2c3d501");   // board 2: never acknowledges, and so never applies
    a = boards.handle(decode(lansetRequest(r)));
    EXPECT_EQ(acks(a), "");
    EXPECT_FALSE(boards.board(2).dhcp);
    copyText(r.mac, "02a1b2c3d5ff");
    EXPECT_EQ(acks(boards.handle(decode(lansetRequest(r)))), "");
}

// Each row: requests at given times (ms after the start), a discovery or a configuration of one
// board that sets its ID; the log's note for each, and who acknowledges ("device+delay").
TEST(BoardSet, BehavioursOverTime) {
    struct Step {
        int64_t atMs;
        int board;   // -1: a discovery
        std::string note, acks;
    };
    const std::vector<std::pair<std::vector<std::string>, std::vector<Step>>> rows = {
        {{"--ignore-first", "1:every:2"},
         {{0, 0, "board 0 ignores its first request", ""}, {0, 1, "board 1 applied and acknowledges", "1"},
          {0, 0, "board 0 applied and acknowledges", "0"}}},
        {{"--ignore-first", "2:3"},
         {{0, 3, "board 3 ignores request 1 of its first 2", ""}, {0, 3, "board 3 ignores request 2 of its first 2", ""},
          {0, 3, "board 3 applied and acknowledges", "3"}}},
        {{"--deaf-after-apply", "500:1", "--no-ack", "2"},
         {{10, 1, "board 1 applied and acknowledges", "1"}, {20, -1, "3 replies, 1 board deaf", ""},
          {509, 1, "board 1 is deaf", ""}, {510, 1, "board 1 applied and acknowledges", "1"},
          {510, 2, "board 2 does not acknowledge", ""}}},
        {{"--ack-delay", "1300:1", "--no-ack", "2"},
         {{0, 1, "board 1 applied and acknowledges 1300 ms later", "1+1300"}, {0, 2, "board 2 does not acknowledge", ""}}},
        {{"--appear", "2,3@1.5", "--leave", "0..1@2", "--appear", "3@2.25"},
         {{1499, -1, "2 replies, 2 boards absent", ""}, {1499, 2, "board 2 is absent", ""}, {1500, -1, "3 replies, 1 board absent", ""},
          {2000, 0, "board 0 is absent", ""}, {2250, -1, "2 replies, 2 boards absent", ""}}},
        {{"--twin", "1", "--ack-everything"},
         {{0, -1, "5 replies (1 from twins)", ""},
          {0, 1, "board 1 applied and acknowledges; twin of board 1 applied and acknowledges; ack-everything acknowledges", "4 1 5"},
          {0, 9, "no such board; ack-everything acknowledges", "5"}}},
    };
    for (const auto& [args, steps] : rows) {
        sim::BoardSet boards(options(args));
        for (size_t k = 0; k < steps.size(); ++k) {
            const Step& step = steps[k];
            DeviceRecord r;
            copyText(r.mac, sim::macText(sim::macPlus(*sim::parseMac("025a00000001"), static_cast<uint64_t>(step.board))).c_str());
            copyText(r.id, ("Req" + std::to_string(k)).c_str());
            const sim::Reaction a = boards.handle(decode(step.board < 0 ? discoveryRequest() : lansetRequest(r)), step.atMs * 1000);
            const std::string what = ::testing::PrintToString(args) + " step " + std::to_string(k);
            EXPECT_EQ(a.note, step.note) << what;
            EXPECT_EQ(acks(a), step.acks) << what;
            for (const sim::Ack& ack : a.acks) {   // who acknowledges took the request
                if (ack.device < boards.devices()) {
                    EXPECT_EQ(boards.board(ack.device).id, "Req" + std::to_string(k)) << what;
                }
            }
        }
    }
}

// Each device answers from its own address, which moves with its configuration.
TEST(BoardSet, SourceAddresses) {
    sim::BoardSet boards(options({"--boards", "3", "--twin", "2", "--ack-everything"}));
    EXPECT_EQ(boards.sourceOf(1), boards.board(1).ip);
    EXPECT_EQ(boards.board(3).id, "Twin2");
    EXPECT_EQ(boards.sourceOf(3), boards.board(2).ip + 3) << "the twin, past the boards' range";
    EXPECT_EQ(boards.sourceOf(4), std::nullopt) << "ack-everything: the host's address";
    const uint32_t before = boards.board(1).ip;
    DeviceRecord r;
    copyText(r.mac, "025a00000002");
    copyText(r.ip, "10.0.0.9");
    boards.handle(decode(lansetRequest(r)));
    EXPECT_EQ(boards.sourceOf(1), 0x0A000009u);
    EXPECT_TRUE(boards.sendsFrom(0x0A000009u) && !boards.sendsFrom(before));
    r.dhcpGiven = 1;
    r.dhcp = 1;
    boards.handle(decode(lansetRequest(r)));
    EXPECT_EQ(boards.sourceOf(1), 0u) << "on DHCP";
    EXPECT_EQ(sim::BoardSet(options({"--shared-address"})).sourceOf(0), std::nullopt);
}

TEST(BoardSet, Options) {
    EXPECT_EQ(sim::initialId("Sim####", 7), "Sim0007");
    EXPECT_EQ(sim::initialId("S#", 123), "S123") << "wider numbers are written whole";
    EXPECT_EQ(sim::initialId("Fixed", 3), "Fixed");
    EXPECT_EQ(sim::initialId("ABCDEFGHIJKLMNO#", 42), "ABCDEFGHIJKLMNO4");
    const sim::BoardSet chosen(options({"--boards", "25", "--no-ack", "1,025a00000009", "--no-ack=4,6..7,every:10"}));
    std::vector<int> silent;
    for (int i = 0; i < chosen.size(); ++i)
        if (!chosen.acknowledges(i)) silent.push_back(i);
    EXPECT_EQ(silent, (std::vector<int>{0, 1, 4, 6, 7, 8, 10, 20}));
    // A second set that continues the first one: board 0 here is board 3 there.
    const sim::SimParse offset = sim::parseSimOptions({"--boards", "2", "--first-index", "3"});
    ASSERT_TRUE(offset.ok) << offset.error;
    const std::vector<sim::BoardState> continued = sim::initialBoards(offset.options);
    const sim::SimParse whole = sim::parseSimOptions({"--boards", "5"});
    const std::vector<sim::BoardState> all = sim::initialBoards(whole.options);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(continued[i].id, all[3 + i].id);
        EXPECT_EQ(continued[i].mac, all[3 + i].mac);
        EXPECT_EQ(continued[i].ip, all[3 + i].ip);
    }
    const sim::SimParse flags = sim::parseSimOptions({"--burst", "--shuffle", "--length-first-byte"});
    ASSERT_TRUE(flags.ok) << flags.error;
    EXPECT_TRUE(flags.options.burst && flags.options.shuffle && flags.options.lengthInFirstByte);
    for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
             {"--boards", "0"}, {"--boards", "65537"}, {"--reply", "multicast"}, {"--first-ip", "1.2.3"},
             {"--no-ack", "x"}, {"--echo", "0123456789abcdef"}, {"--jitter"}, {"--bogus", "1"},
             {"--burst", "--jitter", "5"}, {"--pace-us", "10", "--burst"}, {"--burst=yes"},
             {"--shuffle=1"}, {"--first-index", "-1"}, {"--no-ack", "3..1"}, {"--no-ack", "every:0"},
             {"--no-ack", "1,"}, {"--ignore-first", "0"}, {"--ignore-first", "2:"}, {"--ack-delay", "x:1"},
             {"--deaf-after-apply", "0"}, {"--appear", "1"}, {"--appear", "@1"}, {"--leave", "1@1.2345"},
             {"--leave", "1@-0.5"}, {"--twin", "4"}, {"--ack-everything=1"}, {"--shared-address=no"}})
        EXPECT_FALSE(sim::parseSimOptions(bad).ok) << bad[0] << " " << bad.back();
}

// Each discovery is answered by every board exactly once, after any twin; shuffled, in an order
// of its own.
TEST(SendPlan, OrderAndDelays) {
    struct Row {
        std::vector<std::string> args;
        bool shuffled;
    };
    for (const Row& row : std::vector<Row>{{{}, false},
                                           {{"--pace-us", "100"}, false},
                                           {{"--jitter", "5"}, false},
                                           {{"--shuffle"}, true},
                                           {{"--burst", "--shuffle"}, true},
                                           {{"--shuffle", "--pace-us", "50", "--jitter", "2"}, true},
                                           {{"--shuffle", "--twin", "9"}, true},
                                           {{"--ack-delay", "7:2", "--jitter", "2"}, false}}) {
        std::vector<std::string> args = {"--boards", "64"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const sim::SimParse p = sim::parseSimOptions(args);
        ASSERT_TRUE(p.ok) << p.error;
        const sim::SimOptions& o = p.options;
        const std::string what = ::testing::PrintToString(row.args);
        sim::BoardSet boards(o);
        std::mt19937 random(7);
        std::vector<int> identity(64);
        std::iota(identity.begin(), identity.end(), 0);
        std::vector<std::vector<int>> orders;
        for (int discovery = 0; discovery < 2; ++discovery) {
            const std::vector<sim::PlannedSend> plan =
                sim::planSends(boards.handle(decode(discoveryRequest())), o, random);
            std::vector<int> order;
            for (size_t k = 0; k < plan.size(); ++k) {
                EXPECT_FALSE(plan[k].ack) << what;
                const int64_t earliest = static_cast<int64_t>(k) * o.paceUs;
                EXPECT_GE(plan[k].delayUs, earliest) << what << " send " << k;
                EXPECT_LE(plan[k].delayUs, earliest + int64_t{o.jitterMs} * 1000) << what << " send " << k;
                if (k < o.twins.size()) {
                    EXPECT_GE(plan[k].board, 64) << what << ": a twin first";
                } else {
                    order.push_back(plan[k].board);
                }
            }
            std::vector<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, identity) << what << ": every board once";
            if (!row.shuffled) {
                EXPECT_EQ(order, identity) << what << ": board order";
            }
            orders.push_back(order);
        }
        if (row.shuffled) {
            EXPECT_NE(orders[0], identity) << what;
            EXPECT_NE(orders[0], orders[1]) << what << ": the same order for two discoveries";
        }

        DeviceRecord r;
        copyText(r.mac, "025a00000003");
        const std::vector<sim::PlannedSend> ack = sim::planSends(boards.handle(decode(lansetRequest(r))), o, random);
        ASSERT_EQ(ack.size(), 1u) << what;
        EXPECT_TRUE(ack[0].ack && ack[0].board == 2) << what;
        const int64_t late = o.ackDelayMs.empty() ? 0 : int64_t{o.ackDelayMs[0].value} * 1000;
        EXPECT_GE(ack[0].delayUs, late) << what;
        EXPECT_LE(ack[0].delayUs, late + int64_t{o.jitterMs} * 1000) << what;
    }
}

}  // namespace
