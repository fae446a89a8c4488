#include "ui/entry_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_dialog_view.h"

namespace {

constexpr const char* kBadAddress =
    "An invalid IP address will be created.  Change the IP address and try again.";
constexpr const char* kOutsideSubnet =
    "An IP address will be created outside the Subnet.  Change the IP address and try again.";
constexpr const char* kBadSubnet =
    "Invalid subnet address.  Change the subnet address and try again.";

// ---------------------------------------------------------------------------------------------
// The ID rule

TEST(IdRule, Table) {
    struct Case { std::string text; const char* message; const char* caption; };
    const Case cases[] = {
        {"ab cd.ef", "Entry cannot contain a space", "INVALID ENTRY"},
        {"ab.cd ef", "Entry cannot contain a '.'", "INVALID ENTRY"},
        {"a:b", "Entry cannot contain a ':'", "INVALID ENTRY"},
        {"why?", "Entry cannot contain a '?'", "INVALID ENTRY"},
        {"in/out", "Entry cannot contain a '/'", "INVALID ENTRY"},
        {" ", "Entry cannot contain a space", "INVALID ENTRY"},
        {"abcdefghijklmnopq/rs", "Entry cannot contain a '/'", "INVALID ENTRY"},   // 20 characters
        {"?:./ ", "Entry cannot contain a '?'", "INVALID ENTRY"},
        {"", "All fields must be filled out", "INVALID"},
        {"abcdefghijklmnopq", "Entry cannot be more than 16 characters", "INVALID"},
        {std::string(31, 'x'), "Entry cannot be more than 16 characters", "INVALID"},
    };
    for (const Case& c : cases) {
        const RuleVerdict verdict = checkIdText(c.text.c_str());
        EXPECT_FALSE(verdict.ok) << c.text;
        EXPECT_STREQ(verdict.message, c.message) << c.text;
        EXPECT_STREQ(verdict.caption, c.caption) << c.text;
    }
}

TEST(IdRule, Passes) {
    for (const char* text : {"abcdefghijklmnop", "Board-###", "Lab%%%%", "a", "A_b-9#%",
                             "tab\there", "\xE9t\xE9", "0a1b2d3e4f56"}) {
        const RuleVerdict verdict = checkIdText(text);
        EXPECT_TRUE(verdict.ok) << text;
        EXPECT_STREQ(verdict.message, "") << text;
    }
    EXPECT_FALSE(checkIdText(nullptr).ok);
}

// ---------------------------------------------------------------------------------------------
// The address-range rule

struct RangeCase { const char* start; const char* mask; int32_t count; const char* message; };

void expectRange(const RangeCase& c) {
    const RuleVerdict verdict = checkAddressRangeText(c.start, c.mask, c.count);
    const std::string where = std::string(c.start) + " / " + c.mask + " x " + std::to_string(c.count);
    if (c.message == nullptr) {
        EXPECT_TRUE(verdict.ok) << where << ": " << verdict.message;
        return;
    }
    EXPECT_FALSE(verdict.ok) << where;
    EXPECT_STREQ(verdict.message, c.message) << where;
    EXPECT_STREQ(verdict.caption, "Error") << where;
}

TEST(AddressRangeRule, WorkedExamples) {
    const RangeCase cases[] = {
        {"192.168.1.10", "255.255.255.0", 5, nullptr},
        {"192.168.1.250", "255.255.255.0", 5, nullptr},
        {"192.168.1.250", "255.255.255.0", 6, kBadAddress},
        {"192.168.1.250", "255.255.255.0", 7, kOutsideSubnet},
        {"192.168.1.0", "255.255.255.0", 1, kBadAddress},
        {"192.168.1.1", "255.255.255.0", 1, nullptr},
        {"192.168.1.255", "255.255.255.0", 1, kBadAddress},
        {"192.168.1.10", "255.255.0.255", 1, kBadSubnet},
        {"10.0.0.1", "0.0.0.0", 1, kBadSubnet},
        {"0.0.0.0", "0.0.0.0", 1, kBadAddress},
        {"10.1.2.3", "255.255.255.255", 1, kBadAddress},
        {"10.1.2.1", "255.255.255.252", 2, nullptr},
        {"10.1.2.2", "255.255.255.252", 2, kBadAddress},
        {"172.31.255.200", "255.240.0.0", 55, nullptr},
        {"172.31.255.200", "255.240.0.0", 56, kBadAddress},
        {"10.255.255.254", "255.0.0.0", 3, kOutsideSubnet},
    };
    for (const RangeCase& c : cases) expectRange(c);
}

// Beyond the worked examples: the zero mask refused only after the address tests, masks that
// refuse every start, unreadable texts (all ones), and last addresses that wrap past the top.
TEST(AddressRangeRule, EdgeRanges) {
    std::vector<RangeCase> cases = {
        {"255.255.255.254", "0.0.0.0", 3, kBadAddress},   // the last wraps to 0.0.0.0
        {"255.255.255.250", "0.0.0.0", 6, kBadAddress},   // the last is 255.255.255.255
        {"1.2.3.4", "0.0.0.0", 1000, kBadSubnet},
        {"10.0.0.1", "255.255.255.0x", 1, kBadAddress},   // mask 255.255.255.255
        {"bogus", "255.255.255.0", 1, kBadAddress},       // start 255.255.255.255
        {"", "255.0.0.0", 1, kBadAddress},
        {"255.255.255.254", "128.0.0.0", 1, nullptr},
        {"255.255.255.254", "128.0.0.0", 2, kBadAddress},
        {"255.255.255.254", "128.0.0.0", 3, kOutsideSubnet},   // last 0.0.0.0
        {"128.0.0.1", "128.0.0.0", INT32_MAX, kBadAddress},
        {"128.0.0.2", "128.0.0.0", INT32_MAX, kOutsideSubnet},
        {"0.0.0.1", "128.0.0.0", INT32_MAX - 1, nullptr},
    };
    for (const char* start : {"10.1.2.3", "192.168.1.1", "1.1.1.1", "254.0.0.1"}) {
        cases.push_back({start, "255.255.255.255", 1, kBadAddress});
        for (const char* holed : {"255.0.255.0", "0.255.255.0", "255.255.255.253"})
            cases.push_back({start, holed, 1, kBadSubnet});
    }
    for (const char* start : {"10.1.2.2", "10.1.2.3", "192.168.1.0", "192.168.1.1"})
        cases.push_back({start, "255.255.255.254", 1, kBadAddress});
    for (const RangeCase& c : cases) expectRange(c);
}

// Through the dialog's owner: one OK box, with the rule's text and caption, only on failure.
constexpr const char* kInvalid = "Invalid Sequence Number";
constexpr const char* kTooLong = "Sequence Number too long.  Must be 16 bit, non-negative number.";

// The first sequence number of a batch, shared by the dialog and lanset-cli.
TEST(SequenceRule, Table) {
    struct Case {
        const char* text;
        bool hash;
        const char* message;   // nullptr: passes
        int32_t value;
    };
    const Case cases[] = {
        {"", true, kInvalid, 0},       {"", false, nullptr, 0},
        {" 1", true, kInvalid, 0},     {"-1", true, kInvalid, 0},
        {"1a", true, kInvalid, 0},     {"+5", true, kInvalid, 0},
        {"0", true, nullptr, 0},       {"65535", true, nullptr, 65535},
        {"0065535", true, nullptr, 65535},
        {"65536", true, kTooLong, 0},  {"4294967297", true, kTooLong, 0},
        {"99999999999999999999", false, kTooLong, 0},
    };
    for (const Case& c : cases) {
        int32_t value = -1;
        const RuleVerdict verdict = checkSequenceText(c.text, c.hash, value);
        if (c.message) {
            ASSERT_FALSE(verdict.ok) << "'" << c.text << "'";
            EXPECT_STREQ(verdict.caption, "Error");
            EXPECT_STREQ(verdict.message, c.message) << "'" << c.text << "'";
        } else {
            EXPECT_TRUE(verdict.ok) << "'" << c.text << "'";
            EXPECT_EQ(value, c.value) << "'" << c.text << "'";
        }
    }
}

TEST(EntryRules, ShowOneBoxOnlyWhenTheyFail) {
    FakeDialogView owner;
    EXPECT_TRUE(CheckIdEntry("Lab###", owner));
    EXPECT_TRUE(CheckAddressRange("192.168.1.10", "255.255.255.0", 5, owner));
    EXPECT_TRUE(owner.messages().empty());

    EXPECT_FALSE(CheckIdEntry("Lab 1", owner));
    EXPECT_FALSE(CheckIdEntry("", owner));
    EXPECT_FALSE(CheckAddressRange("192.168.1.250", "255.255.255.0", 7, owner));
    const auto messages = owner.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "Entry cannot contain a space");
    EXPECT_EQ(messages[0].caption, "INVALID ENTRY");
    EXPECT_EQ(messages[1].text, "All fields must be filled out");
    EXPECT_EQ(messages[1].caption, "INVALID");
    EXPECT_EQ(messages[2].text, kOutsideSubnet);
    EXPECT_EQ(messages[2].caption, "Error");
    for (const auto& m : messages) EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

}  // namespace
