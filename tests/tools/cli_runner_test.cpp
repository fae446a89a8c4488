// lanset-cli's runner over the simulated LAN: what it sends, prints and exits with.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "net/wire.h"
#include "tests/net/support/sim_session.h"
#include "tools/lanset-cli/cli_runner.h"

namespace {

class CliRunnerTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        const CliParse p = parseCliArguments(args);
        EXPECT_TRUE(p.ok) << p.error;
        out.str("");
        err.str("");
        CliRunner runner(sim.session, out, err, interrupted, [this] { return host; });
        return runner.run(p.options);
    }
    size_t count(const std::string& text, const std::string& needle) {
        size_t n = 0;
        for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
        return n;
    }

    SimLanSession sim;
    std::ostringstream out, err;
    std::atomic<bool> interrupted{false};
    std::vector<InterfaceAddress> host = {{"lo", 1, 0x7F000001, true, false, true},
                                          {"eth0", 2, 0x0A0000FA, true, true, false}};   // 10.0.0.250
};

TEST_F(CliRunnerTest, FindPrintsTheBoardsInListOrder) {
    sim.lan.addBoards(3);
    EXPECT_EQ(run({"find", "--format", "csv"}), kExitOk);
    EXPECT_EQ(out.str(),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "Bd1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
              "Bd2,020000000002,10.0.0.2,255.255.255.0,10.0.0.254,off\n"
              "Bd3,020000000003,10.0.0.3,255.255.255.0,10.0.0.254,off\n");
    EXPECT_NE(err.str().find("Found device Bd1  SN 020000000001"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("Broadcast"), std::string::npos) << "cycles only with --verbose";
    EXPECT_NE(err.str().find("Finished.  Found 3 devices"), std::string::npos) << err.str();
}

TEST_F(CliRunnerTest, FindGoesOnPastTheManyBoardsQuestion) {
    sim.lan.addBoards(4100);
    EXPECT_EQ(run({"find", "--format", "csv"}), kExitOk);
    EXPECT_EQ(sim.session.devices.count(), 4100);
    EXPECT_EQ(count(out.str(), "\n"), 4101u);
    EXPECT_EQ(count(err.str(), "More than 4096 boards"), 1u);
    // A flood of boards stops at the most a LAN holds.
    sim.lan.addBoards(CliDriver::kMaxBoards + 1 - 4100, 4101);
    EXPECT_EQ(run({"find", "--format", "csv", "-q"}), kExitFailed);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("more than 65536 boards answered"), std::string::npos) << err.str();
}

TEST_F(CliRunnerTest, ConfigureSendsExactlyTheFieldsGiven) {
    sim.lan.addBoards(2);
    struct Case {
        std::vector<std::string> args;
        const char* id;
        const char* ip;
        const char* subnet;
        const char* gateway;
        int dhcpGiven;
        const char* row;   // the board as printed afterwards
    } cases[] = {
        {{"--id", "New", "--gateway", "10.0.0.9"}, "New", "", "", "10.0.0.9", 0,
         "New,020000000002,10.0.0.2,255.255.255.0,10.0.0.9,off"},
        {{"--ip", "10.1.0.7", "--mask", "255.0.0.0", "--dhcp", "off"}, "", "10.1.0.7", "255.0.0.0", "", 1,
         "New,020000000002,10.1.0.7,255.0.0.0,10.0.0.9,off"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"configure", "020000000002", "--format", "csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const size_t before = sim.lan.configureRequests().size();
        EXPECT_EQ(run(args), kExitOk);
        DeviceRecord expected;
        copyText(expected.mac, "020000000002");
        copyText(expected.echoText, "e2");   // the text that the board reported
        copyText(expected.id, c.id);
        copyText(expected.ip, c.ip);
        copyText(expected.subnet, c.subnet);
        copyText(expected.gateway, c.gateway);
        expected.dhcpGiven = static_cast<uint8_t>(c.dhcpGiven);
        expected.dhcp = 0;
        uint8_t bytes[kSendBufferSize];
        const size_t n = buildConfigureRequest(expected, bytes, sizeof bytes);
        const auto requests = sim.lan.configureRequests();
        ASSERT_EQ(requests.size(), before + 1) << c.args[0];
        EXPECT_EQ(requests.back().bytes, std::vector<uint8_t>(bytes, bytes + n)) << c.args[0];
        EXPECT_EQ(out.str(), std::string("id,sn,ip,subnet,gateway,dhcp\n") + c.row + "\n");
    }
}

TEST_F(CliRunnerTest, ConfigureAnUnlistedBoardSendsNothing) {
    sim.lan.addBoards(2);
    EXPECT_EQ(run({"configure", "0200000000ff", "--id", "New"}), kExitFailed);
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    EXPECT_NE(err.str().find("no board with SN 0200000000ff"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRunnerTest, RetriesAreFurtherRoundsThenTheNotFoundText) {
    sim.lan.addBoards(2);
    sim.neverAck(1);
    EXPECT_EQ(run({"configure", "020000000002", "--id", "New", "--retries", "2"}), kExitFailed);
    EXPECT_EQ(sim.lan.configureRequests().size(), 30u) << "three rounds of ten attempts";
    EXPECT_EQ(count(err.str(), "trying again"), 2u);
    EXPECT_EQ(count(err.str(), "SN 020000000002 (ID Bd2, IP 10.0.0.2) did not acknowledge after 30 attempts"), 1u)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRunnerTest, BatchOverNamedBoardsGoesInListOrder) {
    sim.lan.addBoards(4);
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--sequence", "5", "--ip", "10.1.0.20", "--mask",
                   "255.0.0.0", "--sn", "020000000004", "--sn", "020000000002", "--format", "csv"}),
              kExitOk);
    EXPECT_EQ(out.str(),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "L5,020000000002,10.1.0.20,255.0.0.0,10.0.0.254,off\n"
              "L6,020000000004,10.1.0.21,255.0.0.0,10.0.0.254,off\n");
    // A dry run says what each board would get and sends nothing; a board that holds it gets nothing.
    const size_t sent = sim.lan.configureRequests().size();
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--sequence", "5", "--sn", "020000000002", "--sn", "020000000004",
                   "--dry-run"}), kExitOk);
    EXPECT_EQ(out.str(), "BOARD  SN            RESULT     CHANGES\n1      020000000002  unchanged\n"
                         "2      020000000004  unchanged\n");
    EXPECT_EQ(run({"configure", "020000000003", "--id", "Q", "--dry-run"}), kExitOk);
    EXPECT_EQ(out.str(), "BOARD  SN            RESULT        CHANGES\n1      020000000003  would change  id: Bd3 -> Q\n");
    EXPECT_EQ(sim.lan.configureRequests().size(), sent);
}

// In rounds, a board that takes nothing is sent again, then reported; one by one, the pass
// asks after it and goes on or stops there.
TEST_F(CliRunnerTest, BatchReportsASilentBoardThenIgnoresOrAborts) {
    sim.lan.addBoards(3);
    sim.neverAck(1);
    EXPECT_EQ(run({"auto", "--pattern", "R#", "--format", "csv", "-q"}), kExitFailed);
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\nR1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
                         "R3,020000000003,10.0.0.3,255.255.255.0,10.0.0.254,off\n");
    EXPECT_EQ(err.str(), "Configured 2 of 3 boards\nNot as planned: 020000000002\n");
    EXPECT_EQ(sim.lan.configureRequests().size(), 5u) << "three rounds for the silent board";

    EXPECT_EQ(run({"auto", "--pattern", "I#", "--on-missing", "ignore", "--retries", "1", "--format", "csv",
                   "--one-by-one"}),
              kExitFailed);
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\n"
                         "I1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
                         "I3,020000000003,10.0.0.3,255.255.255.0,10.0.0.254,off\n");
    EXPECT_EQ(count(err.str(), "trying again (1 of 1)"), 1u);
    EXPECT_NE(err.str().find("did not acknowledge after 20 attempts. Check connections and try again.\n"
                             "board 3/3: SN 020000000003 -> ID I3\n"
                             "Configured 2 of 3 boards\nDid not acknowledge: 020000000002\n"),
              std::string::npos) << err.str();

    EXPECT_EQ(run({"auto", "--pattern", "A#", "--format", "csv", "-q", "--one-by-one"}), kExitFailed);
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\nA1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n");
    EXPECT_EQ(err.str().substr(err.str().find("Configured")),
              "Configured 1 of 3 boards\nDid not acknowledge: 020000000002\nNot reached: 020000000003\n"
              "lanset-cli: the pass stopped at the board that did not acknowledge; --on-missing ignore goes on "
              "with the next board, --retries N tries it N more times\n");
}

TEST_F(CliRunnerTest, RefusedEntriesSendNothing) {
    sim.lan.addBoards(2);
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--sequence", "70000"}), kExitRefused);
    EXPECT_EQ(err.str(), "lanset-cli: Error: Sequence Number too long.  Must be 16 bit, non-negative number.\n"
                         "lanset-cli: the sequence runs from 0 to 65535\n");
    EXPECT_EQ(run({"configure", "020000000001", "--id", "a?"}), kExitRefused);
    EXPECT_EQ(err.str(), "lanset-cli: INVALID ENTRY: Entry cannot contain a '?'\n");
    EXPECT_TRUE(sim.lan.sent().empty());
    // Known only after the search: two boards from .254 reach the broadcast address.
    EXPECT_EQ(run({"auto", "--ip", "10.0.0.254", "--mask", "255.255.255.0"}), kExitRefused);
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    EXPECT_EQ(out.str(), "");
}

// Each refusal is said, exits 2 and sends no configuration; --force passes the clash checks.
TEST_F(CliRunnerTest, PassesThatWouldDamageTheRackSendNothing) {
    sim.lan.addBoards(12);
    const std::vector<std::pair<std::vector<std::string>, const char*>> refused = {
        {{"auto", "--pattern", "Rack-#"}, "ID Rack-1 is also given to SN 020000000001; numbers 1 to 12 need 2 '#'"},
        {{"auto", "--pattern", "R##", "--sequence", "95"}, "numbers 95 to 106 need 3 '#', the pattern has 2"},
        {{"auto", "--pattern", "Rack"}, "the pattern has no '#': every board would get Rack"},
        {{"auto", "--ip", "10.0.0.2", "--mask", "255.255.255.0"}, "SN 020000000001: ip 10.0.0.2 is held now by SN 020000000002, which is to move"},
        {{"auto", "--gateway", "10.9.9.9", "--sn", "020000000003"}, "gateway 10.9.9.9 is outside 10.0.0.0/24, the subnet of 10.0.0.3"},
        {{"configure", "020000000002", "--ip", "10.0.0.3", "--mask", "255.255.255.0"}, "ip 10.0.0.3 is held by SN 020000000003 (Bd3), which is not in this pass"},
        {{"configure", "020000000002", "--ip", "10.0.0.250", "--mask", "255.255.255.0"}, "ip 10.0.0.250 is an address of this host"},
        {{"configure", "020000000002", "--ip", "10.0.1.1", "--mask", "255.255.255.0", "--gateway", "10.0.1.255"}, "gateway 10.0.1.255 is the broadcast address of 10.0.1.0/24"},
        {{"configure", "020000000002"}, "nothing to change"},
        {{"configure", "020000000002", "--id", "Bd3"}, "SN 020000000002: ID Bd3 is held by SN 020000000003, which is not in this pass"},
        {{"auto", "--ip", "10.1.0.20", "--mask", "255.255.255.0"}, "gateway 10.0.0.254 is outside 10.1.0.0/24, the subnet of 10.1.0.20 (the board keeps"},
        {{"configure", "020000000002", "--id", "\xce\xa9" "1"}, "'\xce\xa9' in '\xce\xa9" "1' is a character that the boards cannot hold"},
        {{"configure", "020000000002", "--id", "\x1b[2J\t"}, "--id: '?[2J?' holds a control character (0x1b)"},
        {{"configure", "020000000002", "--ip", "10.0.0.0", "--mask", "255.255.255.0"}, "lanset-cli: 10.0.0.0 is the network address of 10.0.0.0/24"},
    };
    for (const auto& [args, said] : refused) {
        EXPECT_EQ(run(args), kExitRefused) << args[1];
        EXPECT_NE(err.str().find(said), std::string::npos) << err.str();
    }
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    EXPECT_EQ(run({"configure", "020000000002", "--ip", "10.0.0.3", "--mask", "255.255.255.0", "--force", "-q"}), kExitOk);
    EXPECT_EQ(err.str(), "lanset-cli: --force: going on although SN 020000000002: ip 10.0.0.3 is held by SN "
                         "020000000003 (Bd3), which is not in this pass\n");
    EXPECT_EQ(sim.lan.configureRequests().size(), 1u);
}

// Boards that answer in another order each time get the same numbers by SN; IDs typed in UTF-8
// reach the board as the Latin-1 text it holds.
TEST_F(CliRunnerTest, OrderBySnIsStableAndIdsGoOutAsLatin1) {
    sim.lan.addBoards(4);
    std::string first;
    for (const std::vector<int>& delays : {std::vector<int>{30, 20, 10, 0}, std::vector<int>{10, 30, 0, 20}}) {
        for (int i = 0; i < 4; ++i) {
            SimBoard b = sim.lan.board(i);
            b.replyDelayMs = delays[static_cast<size_t>(i)];
            sim.lan.setBoard(i, b);
        }
        EXPECT_EQ(run({"auto", "--pattern", "R\xc3\xbc#", "--order", "sn", "--format", "csv"}), kExitOk);
        EXPECT_EQ(std::string(sim.session.devices.at(0)->mac), std::string(delays[3] == 0 ? "020000000004" : "020000000003"));   // the replies came in another order
        if (first.empty()) first = out.str();
        EXPECT_EQ(out.str(), first);
    }
    EXPECT_EQ(first, "id,sn,ip,subnet,gateway,dhcp\nR\xc3\xbc" "1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
                     "R\xc3\xbc" "2,020000000002,10.0.0.2,255.255.255.0,10.0.0.254,off\nR\xc3\xbc" "3,020000000003,10.0.0.3,"
                     "255.255.255.0,10.0.0.254,off\nR\xc3\xbc" "4,020000000004,10.0.0.4,255.255.255.0,10.0.0.254,off\n");
    EXPECT_EQ(sim.lan.board(0).id, "R\xfc" "1");
    // More boards than one selection holds: the parts go on with the numbers and addresses.
    sim.lan.addBoards(297, 5);
    EXPECT_EQ(run({"auto", "--pattern", "B###", "--ip", "10.1.0.1", "--mask", "255.0.0.0", "--order", "sn",
                   "--format", "csv", "-q"}), kExitOk);
    EXPECT_EQ(count(out.str(), "\n"), 302u);
    EXPECT_NE(out.str().find("\nB301,02000000012d,10.1.1.45,"), std::string::npos);
}

// A saved list is a plan; apply sends exactly what differs, verifies it, and sends nothing again.
TEST_F(CliRunnerTest, ApplySendsOnlyWhatDiffersThenNothing) {
    sim.lan.addBoards(3);
    const std::string plan = (std::filesystem::temp_directory_path() / ("plan-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".csv")).string();
    auto apply = [&](const std::string& text, std::vector<std::string> more = {}) {
        std::ofstream(plan, std::ios::binary) << text;
        std::vector<std::string> args{"apply", plan, "-q"};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    };
    ASSERT_EQ(run({"find", "--format", "csv"}), kExitOk);
    const std::string saved = out.str();
    EXPECT_EQ(apply(saved), kExitOk);
    EXPECT_EQ(out.str(), "LINE  SN            RESULT     CHANGES\n2     020000000001  unchanged\n3     020000000002  unchanged\n"
                         "4     020000000003  unchanged\n");
    const std::string edited = "sn,id,ip,subnet\n020000000002,New,10.0.0.20,\n020000000003,Bd3,,\n0200000000ff,X,,\n";
    EXPECT_EQ(apply(edited, {"--dry-run"}), kExitFailed) << "a board is absent";
    EXPECT_EQ(out.str(), "LINE  SN            RESULT        CHANGES\n"
                         "2     020000000002  would change  id: Bd2 -> New, ip: 10.0.0.2 -> 10.0.0.20\n"
                         "3     020000000003  unchanged\n4     0200000000ff  absent\n");
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    EXPECT_EQ(apply("sn,ip\n020000000002,10.0.0.1\n"), kExitRefused) << "held by a board not in the plan";
    EXPECT_TRUE(sim.lan.configureRequests().empty());

    EXPECT_EQ(apply(edited, {"--format", "json"}), kExitFailed);
    ASSERT_EQ(sim.lan.configureRequests().size(), 1u);
    DeviceRecord sent;
    copyText(sent.mac, "020000000002");
    copyText(sent.echoText, "e2");
    copyText(sent.id, "New");
    copyText(sent.ip, "10.0.0.20");
    copyText(sent.subnet, "255.255.255.0");
    sent.dhcpGiven = 0;
    uint8_t bytes[kSendBufferSize];
    const size_t n = buildConfigureRequest(sent, bytes, sizeof bytes);
    EXPECT_EQ(sim.lan.configureRequests()[0].bytes, std::vector<uint8_t>(bytes, bytes + n));
    EXPECT_NE(out.str().find("{\"line\": 2, \"sn\": \"020000000002\", \"result\": \"changed\", \"changes\": "
                             "{\"id\": {\"old\": \"Bd2\", \"new\": \"New\"}, \"ip\": {\"old\": \"10.0.0.2\", \"new\": \"10.0.0.20\"}}"),
              std::string::npos) << out.str();
    EXPECT_EQ(apply(edited), kExitFailed);
    EXPECT_EQ(sim.lan.configureRequests().size(), 1u) << "the second apply sends nothing";

    // A board that acknowledged, then reports its old gateway to the verifying search.
    const size_t sentBefore = sim.lan.configureRequests().size();
    sim.lan.setHook([&](SimStage stage, int) {
        if (stage != SimStage::Open || sim.lan.configureRequests().size() == sentBefore) return;
        SimBoard reverted = sim.lan.board(0);
        reverted.gateway = "10.0.0.254";
        sim.lan.setBoard(0, reverted);
    });
    EXPECT_EQ(apply("sn,gateway\n020000000001,10.0.0.9\n"), kExitFailed);
    EXPECT_NE(out.str().find("not as planned  gateway: planned 10.0.0.9, reports 10.0.0.254"), std::string::npos) << out.str();
    std::filesystem::remove(plan);
}

// A second device answering with a board's SN: nothing is sent to that SN, and a plan that the
// verifying search sees it answer for is not as planned.
TEST_F(CliRunnerTest, AnSnThatAnswersTwiceIsRefusedAndNeverVerified) {
    sim.lan.addBoards(2);
    SimBoard twin = sim.lan.board(1);
    twin.id = "Twin";
    twin.ip = "10.0.0.99";
    const int twinAt = sim.lan.addBoard(twin);
    EXPECT_EQ(run({"configure", "020000000002", "--id", "X"}), kExitRefused);
    EXPECT_NE(err.str().find("SN 020000000002 answered with different settings (ID Bd2"), std::string::npos) << err.str();
    EXPECT_EQ(run({"find", "--check", "--format", "json"}), kExitFailed);
    EXPECT_NE(out.str().find("\"problems\": [\"SN 020000000002 answered with different settings"), std::string::npos);
    EXPECT_TRUE(sim.lan.configureRequests().empty());

    twin.mac = "0200000000ff";   // away during the first search, back for the verifying one
    sim.lan.setBoard(twinAt, twin);
    sim.lan.setHook([&](SimStage stage, int) {
        if (stage != SimStage::Open || sim.lan.configureRequests().empty()) return;
        twin.mac = "020000000002";
        sim.lan.setBoard(twinAt, twin);
    });
    const std::string plan = (std::filesystem::temp_directory_path() / "twin-plan.csv").string();
    std::ofstream(plan) << "sn,id\n020000000002,New\n";
    EXPECT_EQ(run({"apply", plan, "-q"}), kExitFailed);
    EXPECT_NE(out.str().find("not as planned  SN 020000000002 answered with different settings"), std::string::npos)
        << out.str();
    std::filesystem::remove(plan);
}

// Whatever IDs the boards report, their saved list applies as it is; only an ID that is to be
// sent is judged by the ID rule.
TEST_F(CliRunnerTest, ASavedListAppliesUnchangedWhateverTheIds) {
    const std::vector<std::string> ids = {"\x1b]0;owned\x07", "\x1b[2J", "a/b.c:d?", " Pump\t", "=1+2", "-5", "@x",
                                          "'=x", "\\foo", "a\\b", "K\xe9ln\xff", "\x80\x85\x9f\x7f", "0123456789abcdef", "",
                                          "Vorn", "Vorn"};   // factory boards share their ID
    sim.lan.addBoards(static_cast<int>(ids.size()));
    for (size_t i = 0; i < ids.size(); ++i) {
        SimBoard b = sim.lan.board(static_cast<int>(i));
        b.id = ids[i];
        sim.lan.setBoard(static_cast<int>(i), b);
    }
    const std::string plan = (std::filesystem::temp_directory_path() / ("saved-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".csv")).string();
    ASSERT_EQ(run({"find", "--format", "csv"}), kExitOk);
    EXPECT_EQ(out.str().find_first_of("\x1b\x07\x7f\t"), std::string::npos) << "no control character in the file";
    std::ofstream(plan, std::ios::binary) << out.str();
    EXPECT_EQ(run({"apply", plan, "--dry-run"}), kExitOk) << err.str();
    EXPECT_EQ(count(out.str(), "  unchanged\n"), ids.size()) << out.str();

    std::ofstream(plan, std::ios::binary) << "sn,id\n020000000001,x y\n020000000002,\\x1b[2K\n020000000003,a/b.c:d?\n";
    EXPECT_EQ(run({"apply", plan}), kExitRefused);
    EXPECT_EQ(err.str().substr(err.str().find("lanset-cli: line")),
              "lanset-cli: line 2, id: INVALID ENTRY: Entry cannot contain a space\n"
              "lanset-cli: line 3, id: '?[2K' holds a control character (0x1b): an ID is printable text\n");
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    std::filesystem::remove(plan);
}

TEST_F(CliRunnerTest, NoBoardsToConfigure) {
    EXPECT_EQ(run({"find"}), kExitOk);
    EXPECT_NE(err.str().find("no board answered. Check the cable"), std::string::npos) << err.str();
    EXPECT_EQ(run({"auto", "--pattern", "L#"}), kExitFailed);
    EXPECT_NE(err.str().find("Alert: No boards found to configure.\nCheck Connections and try again."),
              std::string::npos);
}

TEST_F(CliRunnerTest, NetworkThatCannotBeOpened) {
    sim.lan.addBoards(1);
    sim.lan.setFailOpen(true);
    EXPECT_EQ(run({"find"}), kExitFailed);
    EXPECT_NE(err.str().find("lanset-cli: another program holds UDP 21210"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    host.resize(1);   // loopback only
    EXPECT_EQ(run({"find"}), kExitFailed);
    EXPECT_NE(err.str().find("lanset-cli: no network adapter can broadcast"), std::string::npos) << err.str();
    sim.lan.setFailOpen(false);
    sim.lan.setFailSend(true);
    EXPECT_EQ(run({"find"}), kExitFailed);
    EXPECT_NE(err.str().find("lanset-cli: could not send on UDP 21210"), std::string::npos) << err.str();
}

// The adapters given reach the channel; a small receive buffer is said once, with its remedy.
TEST_F(CliRunnerTest, AdaptersAndTheReceiveBuffer) {
    sim.lan.addBoards(1);
    sim.lan.setReceiveBuffer(8388608, 212992);
    EXPECT_EQ(run({"configure", "020000000001", "--id", "X", "--adapter", "eth1", "--adapter=10.0.0.9"}),
              kExitOk);
    EXPECT_EQ(sim.lan.limitedTo(), (std::vector<std::string>{"eth1", "10.0.0.9"}));
    EXPECT_EQ(count(err.str(), "a receive buffer of 212992 bytes (8388608 asked)"), 1u) << err.str();
    sim.lan.setReceiveBuffer(8388608, 8388608);
    EXPECT_EQ(run({"find"}), kExitOk);
    EXPECT_EQ(sim.lan.limitedTo(), std::vector<std::string>{});
    EXPECT_EQ(err.str().find("receive buffer"), std::string::npos);
}

TEST_F(CliRunnerTest, InterruptStopsTheOperation) {
    sim.lan.addBoards(1);
    sim.lan.holdReceives(true);
    std::thread user([this] {
        if (sim.lan.waitUntilHeld()) interrupted = true;
    });
    EXPECT_EQ(run({"find", "--format", "csv"}), kExitInterrupted);
    user.join();
    EXPECT_NE(err.str().find("interrupted; 0 found so far"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\n") << "the boards found so far";
    EXPECT_FALSE(sim.lan.isOpen());
}

TEST_F(CliRunnerTest, InterruptAnswersTheQuestionWithoutRetrying) {
    sim.lan.addBoards(1);
    sim.neverAck(0);
    sim.lan.setHook([this](SimStage stage, int) {
        if (stage == SimStage::Send && !sim.lan.configureRequests().empty()) interrupted = true;
    });
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--retries", "50", "--one-by-one"}), kExitInterrupted);
    EXPECT_EQ(err.str().find("trying again"), std::string::npos) << err.str();
    EXPECT_LE(sim.lan.configureRequests().size(), 10u);
    EXPECT_NE(err.str().find("Configured 0 of 1 board\nInterrupted before it acknowledged: 020000000001\n"),
              std::string::npos) << err.str();
}

}  // namespace
