#include <gtest/gtest.h>

#include "tools/lanset-cli/cli_checks.h"

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
