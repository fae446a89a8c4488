#include <gtest/gtest.h>

#include "tools/lanset-cli/cli_args.h"

namespace {

CliParse parse(std::vector<std::string> args) { return parseCliArguments(args); }

TEST(CliArgs, FindTakesOnlyAFormat) {
    EXPECT_EQ(parse({"find"}).options.format, OutputFormat::Table);
    EXPECT_EQ(parse({"find", "--format", "csv"}).options.format, OutputFormat::Csv);
    EXPECT_EQ(parse({"find", "--format=json"}).options.format, OutputFormat::Json);
    EXPECT_FALSE(parse({"find", "--format", "xml"}).ok);
    EXPECT_FALSE(parse({"find", "--id", "A"}).ok);
    EXPECT_FALSE(parse({"find", "extra"}).ok);
    EXPECT_EQ(parse({"find", "--adapter", "eth1", "--adapter=10.0.0.5"}).options.adapters,
              (std::vector<std::string>{"eth1", "10.0.0.5"}));
    EXPECT_FALSE(parse({"find", "--adapter="}).ok);
}

TEST(CliArgs, ConfigureSendsOnlyWhatIsGiven) {
    const CliParse p = parse({"configure", "02:A1:B2:C3:D4:E5", "--id", "Lab-1", "--gateway", "10.0.0.1"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.command, CliCommand::Configure);
    EXPECT_EQ(p.options.sn, "02a1b2c3d4e5");
    EXPECT_EQ(p.options.id, "Lab-1");
    EXPECT_EQ(p.options.gateway, "10.0.0.1");
    EXPECT_FALSE(p.options.ip.has_value());
    EXPECT_FALSE(p.options.mask.has_value());
    EXPECT_FALSE(p.options.dhcp.has_value());
    EXPECT_EQ(p.options.retries, 0);

    const CliParse d = parse({"configure", "02a1b2c3d4e5", "--dhcp", "off", "--retries", "3"});
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.options.dhcp, false);
    EXPECT_EQ(d.options.retries, 3);
    EXPECT_EQ(parse({"configure", "02a1b2c3d4e5", "--dhcp", "on"}).options.dhcp, true);
}

TEST(CliArgs, AutoCollectsBoardsAndBatchOptions) {
    const CliParse p = parse({"auto", "--pattern", "Lab###", "--sequence", "07", "--ip", "10.0.0.5",
                              "--mask", "255.255.255.0", "--sn", "02a1b2c3d4e6,02A1B2C3D4E5",
                              "--sn", "02-a1-b2-c3-d4-e7", "--on-missing", "ignore", "--one-by-one"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.pattern, "Lab###");
    EXPECT_EQ(p.options.sequence, "07");   // checked later, by the sequence rules
    EXPECT_EQ(p.options.sns, (std::vector<std::string>{"02a1b2c3d4e6", "02a1b2c3d4e5", "02a1b2c3d4e7"}));
    EXPECT_EQ(p.options.onMissing, OnMissing::Ignore);
    EXPECT_EQ(parse({"auto"}).options.onMissing, OnMissing::Abort);
    EXPECT_EQ(parse({"auto"}).options.order, BoardOrder::Reply);
    const CliParse q = parse({"auto", "--order", "sn", "--force", "-q"});
    EXPECT_TRUE(q.options.order == BoardOrder::Sn && q.options.force && q.options.verbosity == Verbosity::Quiet);
    EXPECT_EQ(parse({"find", "-v"}).options.verbosity, Verbosity::Verbose);
    const CliParse a = parse({"apply", "rack.csv", "--dry-run", "--retries", "2"});
    EXPECT_TRUE(a.ok && a.options.planPath == "rack.csv" && a.options.dryRun && a.options.retries == 2) << a.error;
    // An empty sequence is a text for the rules to judge, not a usage error.
    EXPECT_TRUE(parse({"auto", "--pattern", "L#", "--sequence", ""}).ok);
}

TEST(CliArgs, RefusesBadUsage) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"configure"},                                    // no SN
        {"configure", "02a1b2c3d4e"},                     // 11 digits
        {"configure", "02a1b2c3d4e5", "02a1b2c3d4e6"},    // two SNs
        {"configure", "02a1b2c3d4e5", "--ip", "10.0.0.1"},            // no mask
        {"configure", "02a1b2c3d4e5", "--mask", "255.0.0.0"},         // no address
        {"configure", "02a1b2c3d4e5", "--ip", "10.0.0.1", "--mask", "255.0.0.0", "--dhcp", "on"},
        {"configure", "02a1b2c3d4e5", "--gateway", "10.0.0.256"},
        {"configure", "02a1b2c3d4e5", "--ip", "192.168.1.064", "--mask", "255.255.255.0"},
        {"auto", "--ip", "192.168.1.064", "--mask", "255.255.255.0"},
        {"configure", "02a1b2c3d4e5", "--dhcp", "yes"},
        {"configure", "02a1b2c3d4e5", "--id"},                        // no value
        {"configure", "02a1b2c3d4e5", "--id", "--gateway", "10.0.0.1"},
        {"configure", "02a1b2c3d4e5", "--id", "A", "--id", "B"},      // twice
        {"configure", "02a1b2c3d4e5", "--pattern", "A#"},             // auto's option
        {"auto", "--sequence", "5"},                                  // no pattern
        {"auto", "--sn", "02a1b2c3d4e5", "--sn", "02A1B2C3D4E5"},     // same board twice
        {"auto", "--on-missing", "retry", "--one-by-one"},
        {"auto", "--on-missing", "ignore"},                           // only board after board
        {"auto", "--retries", "-1"},
        {"auto", "--retries", "1001"},
        {"auto", "--retries", "2x"},
        {"auto", "--order", "random"},
        {"auto", "-q", "--verbose"},
        {"auto", "--force=yes"},
        {"find", "--dry-run"},
        {"apply"},                                                    // no plan
        {"apply", "a.csv", "b.csv"},
        {"apply", "a.csv", "--id", "X"},
    };
    for (const auto& args : bad) {
        std::string line;
        for (const auto& a : args) line += a + " ";
        const CliParse p = parse(args);
        EXPECT_FALSE(p.ok) << line;
        EXPECT_FALSE(p.error.empty()) << line;
    }
    std::vector<std::string> many = {"auto"};
    for (int i = 0; i < 257; ++i) {
        char sn[13];
        std::snprintf(sn, sizeof sn, "0200000%05x", i);
        many.insert(many.end(), {"--sn", sn});
    }
    EXPECT_FALSE(parse(many).ok) << "more boards than one pass takes";
    many.resize(many.size() - 2);
    EXPECT_TRUE(parse(many).ok) << parse(many).error;
}

// One line each, with the near miss named; a single dash is a near miss too.
TEST(CliArgs, UsageErrorsSuggestTheNearestName) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"configure", "02a1b2c3d4e5", "--ipp", "10.0.0.1"}, "unknown option --ipp (did you mean --ip?)"},
        {{"configure", "02a1b2c3d4e5", "-id", "X"}, "unknown option -id (did you mean --id?)"},
        {{"find", "--id", "X"}, "--id does not go with find"},
        {{"confgure"}, "unknown command confgure (did you mean configure?)"},
        {{"auto", "--frobnicate"}, "unknown option --frobnicate"},
    };
    for (const auto& [args, error] : cases) EXPECT_EQ(parse(args).error, error);
    EXPECT_EQ(usageErrorLine("x"), "lanset-cli: x; see 'lanset-cli --help'\n");
    EXPECT_TRUE(parse({"--version"}).version);
    EXPECT_TRUE(parse({"find", "--version"}).version);
}

TEST(CliArgs, HelpAndAddressForms) {
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"configure", "--help"}).help);
    EXPECT_NE(cliUsage().find("lanset-cli auto"), std::string::npos);
    EXPECT_TRUE(isDottedQuad("0.0.0.0"));
    EXPECT_TRUE(isDottedQuad("255.255.255.255"));
    EXPECT_FALSE(isDottedQuad("1.2.3"));
    EXPECT_FALSE(isDottedQuad("1.2.3.4.5"));
    EXPECT_FALSE(isDottedQuad("1..3.4"));
    EXPECT_FALSE(isDottedQuad("1.2.3.0400"));
    EXPECT_FALSE(isDottedQuad("0x1.2.3.4"));
    EXPECT_FALSE(isDottedQuad("1.2.3.4 "));
    // Leading zeros read as octal elsewhere: one reading only.
    for (const char* twoReadings : {"192.168.1.064", "010.0.0.1", "1.2.3.00"})
        EXPECT_FALSE(isDottedQuad(twoReadings)) << twoReadings;
    EXPECT_TRUE(isDottedQuad("10.0.100.0"));
    EXPECT_EQ(normaliseSn("02A1B2C3D4E5"), "02a1b2c3d4e5");
    EXPECT_EQ(normaliseSn("02:a1:b2:c3:d4:e5"), "02a1b2c3d4e5");
    EXPECT_FALSE(normaliseSn(":02a1b2c3d4e5").has_value());
    EXPECT_FALSE(normaliseSn("02a1b2c3d4e5:").has_value());
    EXPECT_FALSE(normaliseSn("0:2a1b2c3d4e5").has_value());
    EXPECT_FALSE(normaliseSn("02a1b2c3d4eg").has_value());
}

}  // namespace
