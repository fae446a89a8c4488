// lanset-cli's runner over the simulated LAN: what it sends, prints and exits with.
#include <gtest/gtest.h>

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
        CliRunner runner(sim.session, out, err, interrupted);
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
};

TEST_F(CliRunnerTest, FindPrintsTheBoardsInListOrder) {
    sim.lan.addBoards(3);
    EXPECT_EQ(run({"find", "--format", "csv"}), kExitOk);
    EXPECT_EQ(out.str(),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "Bd1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
              "Bd2,020000000002,10.0.0.2,255.255.255.0,10.0.0.254,off\n"
              "Bd3,020000000003,10.0.0.3,255.255.255.0,10.0.0.254,off\n");
    EXPECT_NE(err.str().find("Broadcast 0\nFound device Bd1"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("Finished.  Found 3 devices"), std::string::npos) << err.str();
}

TEST_F(CliRunnerTest, FindGoesOnPastTheManyBoardsQuestion) {
    sim.lan.addBoards(4100);
    EXPECT_EQ(run({"find", "--format", "csv"}), kExitOk);
    EXPECT_EQ(sim.session.devices.count(), 4100);
    EXPECT_EQ(count(out.str(), "\n"), 4101u);
    EXPECT_EQ(count(err.str(), "More than 4096 boards"), 1u);
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
        {{"--ip", "10.1.0.7", "--mask", "255.255.0.0", "--dhcp", "off"}, "", "10.1.0.7", "255.255.0.0", "", 1,
         "New,020000000002,10.1.0.7,255.255.0.0,10.0.0.9,off"},
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
    EXPECT_EQ(count(err.str(), "Could not find this device:\n\n   ID:  Bd2\n   IP:  10.0.0.2\n   SN:  020000000002"), 1u)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRunnerTest, BatchOverNamedBoardsGoesInListOrder) {
    sim.lan.addBoards(4);
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--sequence", "5", "--ip", "10.1.0.20", "--mask",
                   "255.255.0.0", "--sn", "020000000004", "--sn", "020000000002", "--format", "csv"}),
              kExitOk);
    EXPECT_EQ(out.str(),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "L5,020000000002,10.1.0.20,255.255.0.0,10.0.0.254,off\n"
              "L6,020000000004,10.1.0.21,255.255.0.0,10.0.0.254,off\n");
}

TEST_F(CliRunnerTest, BatchReportsASilentBoardThenIgnoresOrAborts) {
    sim.lan.addBoards(3);
    sim.neverAck(1);
    EXPECT_EQ(run({"auto", "--pattern", "I#", "--on-missing", "ignore", "--retries", "1", "--format", "csv"}),
              kExitFailed);
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\n"
                         "I1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n"
                         "I3,020000000003,10.0.0.3,255.255.255.0,10.0.0.254,off\n");
    EXPECT_EQ(count(err.str(), "trying again (1 of 1)"), 1u);
    EXPECT_EQ(count(err.str(), "Could not find this device"), 1u);

    EXPECT_EQ(run({"auto", "--pattern", "A#", "--format", "csv"}), kExitFailed);
    EXPECT_EQ(out.str(), "id,sn,ip,subnet,gateway,dhcp\nA1,020000000001,10.0.0.1,255.255.255.0,10.0.0.254,off\n");
}

TEST_F(CliRunnerTest, RefusedEntriesSendNothing) {
    sim.lan.addBoards(2);
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--sequence", "70000"}), kExitRefused);
    EXPECT_EQ(err.str(), "Error: Sequence Number too long.  Must be 16 bit, non-negative number.\n");
    EXPECT_EQ(run({"configure", "020000000001", "--id", "a?"}), kExitRefused);
    EXPECT_EQ(err.str(), "INVALID ENTRY: Entry cannot contain a '?'\n");
    EXPECT_TRUE(sim.lan.sent().empty());
    // Known only after the search: two boards from .254 reach the broadcast address.
    EXPECT_EQ(run({"auto", "--ip", "10.0.0.254", "--mask", "255.255.255.0"}), kExitRefused);
    EXPECT_TRUE(sim.lan.configureRequests().empty());
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRunnerTest, NoBoardsToConfigure) {
    EXPECT_EQ(run({"auto", "--pattern", "L#"}), kExitFailed);
    EXPECT_NE(err.str().find("Alert: No boards found to configure.\nCheck Connections and try again."),
              std::string::npos);
}

TEST_F(CliRunnerTest, NetworkThatCannotBeOpened) {
    sim.lan.addBoards(1);
    sim.lan.setFailOpen(true);
    EXPECT_EQ(run({"find"}), kExitFailed);
    EXPECT_NE(err.str().find("lanset-cli: cannot open UDP port 21210"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    sim.lan.setFailOpen(false);
    sim.lan.setFailSend(true);
    EXPECT_EQ(run({"find"}), kExitFailed);
    EXPECT_NE(err.str().find("lanset-cli: could not send on UDP port 21210"), std::string::npos) << err.str();
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
    EXPECT_EQ(run({"find"}), kExitInterrupted);
    user.join();
    EXPECT_NE(err.str().find("interrupted"), std::string::npos);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(sim.lan.isOpen());
}

TEST_F(CliRunnerTest, InterruptAnswersTheQuestionWithoutRetrying) {
    sim.lan.addBoards(1);
    sim.neverAck(0);
    sim.lan.setHook([this](SimStage stage, int) {
        if (stage == SimStage::Send && !sim.lan.configureRequests().empty()) interrupted = true;
    });
    EXPECT_EQ(run({"auto", "--pattern", "L#", "--retries", "50"}), kExitInterrupted);
    EXPECT_EQ(err.str().find("trying again"), std::string::npos) << err.str();
    EXPECT_LE(sim.lan.configureRequests().size(), 10u);
}

}  // namespace
