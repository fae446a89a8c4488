#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "ui/board_text.h"
#include "tools/lanset-cli/cli_checks.h"
#include "ui/pass_checks.h"
#include "tools/lanset-cli/plan_file.h"
#include "ui/entry_rules.h"

namespace {

constexpr const char* kInvalid = "Invalid Sequence Number";

CliOptions autoWith(std::optional<std::string> pattern, std::optional<std::string> sequence) {
    CliOptions o;
    o.command = CliCommand::Auto;
    o.pattern = std::move(pattern);
    o.sequence = std::move(sequence);
    return o;
}

TEST(CliChecks, PatternEntriesInTheDialogsOrder) {
    int32_t first = -1;
    // The ID rule comes before the sequence number.
    auto r = checkPatternEntries(autoWith("a b#", "x"), first);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "INVALID ENTRY");
    EXPECT_EQ(r->message, "Entry cannot contain a space");
    r = checkPatternEntries(autoWith("Lab#", "x"), first);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->message, kInvalid);
    // Without --sequence the dialog's proposal, 1, is the start.
    EXPECT_FALSE(checkPatternEntries(autoWith("Lab#", std::nullopt), first));
    EXPECT_EQ(first, 1);
    // Without a pattern nothing is checked, and the sequence is not used.
    EXPECT_FALSE(checkPatternEntries(autoWith(std::nullopt, std::nullopt), first));
    EXPECT_EQ(first, 0);
}

TEST(CliChecks, ConfigureEntriesUseBothRules) {
    CliOptions o;
    o.command = CliCommand::Configure;
    o.id = "Entry.1";
    o.ip = "10.0.0.0";
    o.mask = "255.255.255.0";
    auto r = checkConfigureEntries(o);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->message, "Entry cannot contain a '.'") << "the ID rule comes first";
    o.id = "Entry-1";
    r = checkConfigureEntries(o);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Error");
    EXPECT_EQ(r->message, "An invalid IP address will be created.  Change the IP address and try again.");
    o.ip = "10.0.0.254";
    EXPECT_FALSE(checkConfigureEntries(o));
    // A batch of two from .254 would end on the broadcast address.
    CliOptions a = autoWith(std::nullopt, std::nullopt);
    a.ip = "10.0.0.254";
    a.mask = "255.255.255.0";
    EXPECT_FALSE(checkBatchRange(a, 1));
    EXPECT_TRUE(checkBatchRange(a, 2));
    a.ip.reset();
    EXPECT_FALSE(checkBatchRange(a, 1000)) << "no address, no range";
}

TEST(CliChecks, AdaptersMustNameOneThatCanBroadcast) {
    const std::vector<InterfaceAddress> host = {{"lo", 1, 0x7F000001, true, false, true},
                                                {"eth0", 2, 0x0A000005, true, true, false},
                                                {"eth1", 3, 0, true, true, false}};
    EXPECT_FALSE(checkAdapters({}, host));
    EXPECT_FALSE(checkAdapters({"eth0", "10.0.0.5"}, host));
    for (const char* wrong : {"eth1", "lo", "10.0.0.6"}) {
        const auto r = checkAdapters({"eth0", wrong}, host);
        ASSERT_TRUE(r) << wrong;
        EXPECT_EQ(r->message, std::string("--adapter ") + wrong +
                                  " names no network adapter that can broadcast (there are: eth0 10.0.0.5)");
    }
    EXPECT_NE(checkAdapters({"eth0"}, {})->message.find("(there is none)"), std::string::npos);
}

// What the window cannot say: the addresses that make a range fail.
TEST(CliChecks, RangeReasonsNameTheAddresses) {
    const std::vector<std::tuple<const char*, const char*, int32_t, const char*>> cases = {
        {"10.213.7.0", "255.255.255.0", 1, "10.213.7.0 is the network address of 10.213.7.0/24"},
        {"10.213.7.240", "255.255.255.0", 20, "20 boards from 10.213.7.240 end at 10.213.7.259; the highest start is 10.213.7.235"},
        {"10.213.7.236", "255.255.255.0", 20, "20 boards from 10.213.7.236 end at 10.213.7.255, the broadcast address of 10.213.7.0/24; the highest start is 10.213.7.235"},
        {"10.1.2.1", "255.255.255.248", 9, "9 boards from 10.1.2.1 end at 10.1.2.9; 10.1.2.0/29 holds 6 addresses"},
        {"10.1.2.3", "255.255.255.255", 1, "10.1.2.3/32 has no host addresses"},
        {"192.168.1.10", "255.255.0.255", 1, "255.255.0.255 is no subnet mask: its one bits must come first"},
        {"10.0.0.1", "0.0.0.0", 1, "0.0.0.0 is no subnet mask: it leaves no network"},
        {"192.168.1.10", "255.255.255.0", 5, ""},
    };
    for (const auto& [start, mask, count, reason] : cases)
        EXPECT_EQ(addressRangeReason(start, mask, count), reason) << start << " " << count;
    EXPECT_EQ(gatewayFault("10.9.9.9", "10.213.7.103", "255.255.255.0"), "gateway 10.9.9.9 is outside 10.213.7.0/24, the subnet of 10.213.7.103");
    EXPECT_EQ(gatewayFault("10.213.7.0", "10.213.7.103", "255.255.255.0"), "gateway 10.213.7.0 is the network address of 10.213.7.0/24");
    EXPECT_EQ(gatewayFault("0.0.0.0", "10.213.7.103", "255.255.255.0"), "") << "no gateway";
    EXPECT_EQ(gatewayFault("10.9.9.9", "0.0.0.0", "255.255.255.0"), "") << "no address to judge it by";
    EXPECT_EQ(gatewayFault("10.0.0.1", "10.0.0.0", "255.255.255.254"), "") << "a point-to-point pair";
}

// UTF-8 as typed to the boards' Latin-1 and back; what Latin-1 lacks is refused.
TEST(CliChecks, BoardTextIsLatin1) {
    std::string bad;
    EXPECT_EQ(latin1FromUtf8("R\xc3\xbc" "ck"), "R\xfc" "ck");
    std::string sixteen;
    for (int i = 0; i < 16; ++i) sixteen += "\xc3\xbc";
    EXPECT_TRUE(checkIdText(latin1FromUtf8(sixteen)->c_str()).ok) << "16 characters, 32 bytes typed";
    EXPECT_FALSE(latin1FromUtf8("\xce\xa9", &bad));
    EXPECT_EQ(bad, "\xce\xa9");
    for (const char* broken : {"\xfc", "\xc3", "\xc0\xbc", "\xed\xa0\x80"}) EXPECT_FALSE(latin1FromUtf8(broken)) << broken;
    EXPECT_EQ(utf8FromLatin1("K\xf6ln"), "K\xc3\xb6ln");
    std::optional<std::string> id = "\xc3\xa9t\xc3\xa9";
    EXPECT_FALSE(toBoardText(id, "--id"));
    EXPECT_EQ(*id, "\xe9t\xe9");
}

// A plan as a spreadsheet saves it; every fault refused at once, each with its line and column.
TEST(CliChecks, PlanRowsAreReadAndCheckedOnTheirOwn) {
    const PlanRead good = parsePlan("\xEF\xBB\xBFSN;ID;ip;subnet;gateway;dhcp\r\n"
                                    "02:5A:00:00:00:01;\"R\xc3\xbc;1\";10.0.0.5;255.255.255.0;;ON\r\n"
                                    ";;;;;\r\n"
                                    "025a00000002;;;;10.0.0.1;\r\n");
    ASSERT_FALSE(good.refusal) << good.refusal->message;
    ASSERT_EQ(good.rows.size(), 2u);
    EXPECT_EQ(good.rows[0].sn, "025a00000001");
    EXPECT_EQ(good.rows[0].id, "R\xfc;1");
    EXPECT_EQ(good.rows[0].ip, "10.0.0.5");
    EXPECT_EQ(good.rows[0].dhcp, true);
    EXPECT_FALSE(good.rows[0].gateway);
    EXPECT_EQ(good.rows[1].line, 4);
    EXPECT_FALSE(good.rows[1].id || good.rows[1].ip || good.rows[1].dhcp);
    EXPECT_TRUE(good.notes.empty());

    // One row's ID cell: the ID read, why it may not be sent (judged only if it differs from the
    // board's), and the note said about the file.
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> read = {
        {"id\tsn\tnotes\n'=1+2\t025a00000001\tRack 4\n", "=1+2", "", "ignoring the column 'notes': lanset reads id,sn"},
        {"sn;id;;Location\n025a00000001;K\xf6ln;;\n", "K\xf6ln", "", "the plan is not UTF-8: read as Windows-1252"},
        {"sn,id\n025a00000001,\\x1b]0;owned\\x07\n", "\x1b]0;owned\x07", "'?]0;owned?' holds a control character (0x1b)", ""},
        {"sn,id\n025a00000001,\\x50ump\\x85\n", "Pump\x85", "'Pump?' holds a control character (0x85)", ""},
        {"sn,id\n025a00000001,\\\\foo\n", "\\foo", "", ""},
        {"sn,id\n025a00000001,a\\b\n", "a\\b", "", ""},
        {"sn,id\n025a00000001,''=x\n", "'=x", "", ""},
        {"sn,id\n025a00000001,'x\n", "'x", "", ""},
        {"sn,id\n025a00000001,\" Pump \"\n", " Pump ", "INVALID ENTRY: Entry cannot contain a space", ""},
        {"sn,id\n025a00000001,\"a\nb:c\"\n", "a\nb:c", "INVALID ENTRY: Entry cannot contain a ':'", ""},
    };
    for (const auto& [plan, id, fault, note] : read) {
        const PlanRead r = parsePlan(plan);
        ASSERT_FALSE(r.refusal) << plan << r.refusal->message;
        ASSERT_EQ(r.rows.size(), 1u) << plan;
        EXPECT_EQ(r.rows[0].id, id) << plan;
        EXPECT_EQ(r.rows[0].idFault.rfind(fault, 0), 0u) << r.rows[0].idFault;
        EXPECT_EQ(fault.empty(), r.rows[0].idFault.empty()) << plan;
        EXPECT_EQ(r.notes.empty() ? "" : r.notes[0].substr(0, note.size()), note) << plan;
    }

    using namespace std::string_literals;
    const std::vector<std::pair<std::string, const char*>> bad = {
        {"id,id,sn\n", "line 1: column 'id' given twice"},
        {"id,ip\nA,10.0.0.1\n", "line 1: no sn column"},
        {"sn,ip\n025a00000001\n", "line 2: 1 cells, the header names 2"},
        {"sn,ip\n025a0000000z,10.0.0.1\n", "line 2, sn: '025a0000000z' is not an SN"},
        {"sn\n025a00000001\n\n025a00000001\n", "line 4, sn: SN 025a00000001 is also on line 2"},
        {"sn,id\n025a00000001,\xce\xa9\n", "line 2, id: '\xce\xa9' in '\xce\xa9' is a character that the boards cannot hold"},
        {"sn,ip,subnet\n025a00000001,10.0.0.255,255.255.255.0\n", "line 2, ip: Error: An invalid IP address will be created.  Change the IP address and try again.\n"
                                                               "line 2, ip: 10.0.0.255 is the broadcast address of 10.0.0.0/24"},
        {"sn,dhcp\n025a00000001,yes\n", "line 2, dhcp: 'yes': on or off"},
        {"sn,id\n025a00000001,a\0b\n"s, "line 2: a NUL byte (0x00)"},
        {"sn,id\n025a00000001,\\x00\n", "line 2, id: '\\x00' holds a NUL"},
        {"sn,id\n025a00000001,\\q\x1b[2J\n", "line 2, id: '\\q?[2J' starts with '\\' but is no escaped text"},
        {"sn,id\n025a00000001,\xe9\n025a00000002,\x81\n", "line 3: a byte that is neither UTF-8 nor a character of Windows-1252"},
        {"\xEF\xBB\xBFsn,id\n025a00000001,\xe9\n", "line 2: not UTF-8, although the file starts as UTF-8 does"},
        {"sn,id\n025a00000001,R\xc3\xbc\n025a00000002,K\xf6ln\n", "line 3: not UTF-8, although other lines are"},
        {"sn,ip,gateway\n025a0000000z,10.0.0.256,\xe2\x80\xae" "x\n025a00000001,,10.0.0.300\n",
         "line 2, sn: '025a0000000z' is not an SN (12 hexadecimal digits)\nline 2, ip: '10.0.0.256' is not an address a.b.c.d\n"
         "line 2, gateway: '?x' is not an address a.b.c.d\nline 3, gateway: '10.0.0.300' is not an address a.b.c.d"},
    };
    for (const auto& [plan, said] : bad) {
        const PlanRead r = parsePlan(plan);
        ASSERT_TRUE(r.refusal) << plan;
        EXPECT_EQ(r.refusal->message.rfind(said, 0), 0u) << r.refusal->message;
        EXPECT_TRUE(r.rows.empty());
    }
    std::string many = "sn\n";
    for (int i = 0; i < 25; ++i) many += "x\n";
    const std::string said = parsePlan(many).refusal->message;
    EXPECT_EQ(said.substr(said.rfind("line ")), "line 21, sn: 'x' is not an SN (12 hexadecimal digits)\n... and 5 more");
}

// Only a regular file of at most 16 MB is read: nothing waits on a pipe or reads a device for ever.
TEST(CliChecks, APlanIsARegularFileOfAtMost16Mb) {
    const auto folder = std::filesystem::temp_directory_path() / ("plan-files-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::ofstream(folder / "big.csv") << "sn\n";
    std::filesystem::resize_file(folder / "big.csv", (16u << 20) + 1);   // sparse: nothing written
    const std::vector<std::pair<std::string, std::string>> refused = {
        {(folder / "fifo").string(), "it is not a file (a pipe, a device or a socket)"},
        {"/dev/zero", "it is not a file (a pipe, a device or a socket)"},
        {(folder / "big.csv").string(), "it holds 16777217 bytes, and a plan may hold at most 16 MB"},
        {folder.string(), "it is a folder"},
        {(folder / "gone.csv").string(), "No such file or directory"},
    };
    for (const auto& [path, why] : refused) {
        const PlanRead r = readPlan(path);
        ASSERT_TRUE(r.refusal) << path;
        EXPECT_EQ(r.refusal->message, "cannot read the plan " + path + ": " + why);
    }
    std::filesystem::remove_all(folder);
}

// What configure sends is checked on the wire by the runner's tests; the batch template's
// DHCP setting is given or not as a whole.
TEST(CliChecks, TheBatchTemplateCarriesDhcpOnlyWhenGiven) {
    CliOptions a = autoWith(std::nullopt, std::nullopt);
    a.dhcp = true;
    DeviceRecord t = batchTemplate(a);
    EXPECT_STREQ(t.id, "");
    EXPECT_STREQ(t.ip, "");
    EXPECT_EQ(t.dhcpGiven, 1);
    EXPECT_EQ(t.dhcp, 1);
    a.dhcp.reset();
    a.pattern = "Lab###";
    t = batchTemplate(a);
    EXPECT_EQ(t.dhcpGiven, 0);
    EXPECT_STREQ(t.id, "Lab###");
}

}  // namespace
