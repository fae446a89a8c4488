#include "net/ipv4.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

namespace {

struct Case { const char* text; uint32_t address; };

const Case kAccepted[] = {
    {"192.168.1.10", 0xC0A8010Au},
    {"0.0.0.0", 0x00000000u},
    {"255.255.255.254", 0xFFFFFFFEu},
    {"255.255.255.255", 0xFFFFFFFFu},   // indistinguishable from an error, as with inet_addr
    {"10", 0x0000000Au},
    {"4294967294", 0xFFFFFFFEu},
    {"10.1", 0x0A000001u},
    {"10.16777215", 0x0AFFFFFFu},
    {"10.1.2", 0x0A010002u},
    {"10.1.65535", 0x0A01FFFFu},
    {"010.0x1F.0XaB.07", 0x081FAB07u},
    {"0x7f.1", 0x7F000001u},
    {"0", 0u},
    {"00.00.00.00", 0u},
    {"0xFFFFFFFE", 0xFFFFFFFEu},
    {"0377.0.0.1", 0xFF000001u},
    {"0000000000000000000001.2.3.4", 0x01020304u},
};

const char* const kRejected[] = {
    "", ".", "1.", ".1", "1..2", "1.2.3.4.", "1.2.3.4.5",
    "256.0.0.1", "1.256.0.0", "1.2.256.0", "1.2.3.256",
    "1.16777216", "1.2.65536", "4294967296", "99999999999999999999999",
    "08", "0.09.0.0", "0x", "0x.1", "0xG", "1.2.3.4x", "1.2.3.4 ", " 1.2.3.4",
    "-1", "+1", "1.-2", "a.b.c.d", "0x100.0.0.0", "1.0x1000000",
};

TEST(InetAddrHost, AcceptsWhatInetAddrAccepts) {
    for (const Case& c : kAccepted) EXPECT_EQ(inetAddrHost(c.text), c.address) << c.text;
}

TEST(InetAddrHost, RejectsEverythingElse) {
    for (const char* text : kRejected) EXPECT_EQ(inetAddrHost(text), kAddressNone) << '"' << text << '"';
    EXPECT_EQ(inetAddrHost(nullptr), kAddressNone);
}

// The system's own parser (inet_aton, whose forms inet_addr shares) agrees on all of these. The
// byte and text work runs natively only.
TEST(InetAddrHost, AgreesWithTheSystemParser) {
    for (const Case& c : kAccepted) {
        in_addr parsed{};
        ASSERT_EQ(inet_aton(c.text, &parsed), 1) << c.text;
        EXPECT_EQ(ntohl(parsed.s_addr), c.address) << c.text;
    }
}

TEST(FormatIpv4, DottedDecimalWithoutLeadingZeros) {
    EXPECT_EQ(formatIpv4(0xC0A8010Au), "192.168.1.10");
    EXPECT_EQ(formatIpv4(0), "0.0.0.0");
    EXPECT_EQ(formatIpv4(0xFFFFFFFFu), "255.255.255.255");
    EXPECT_EQ(formatIpv4(0x0A0000FFu + 1), "10.0.1.0");
    for (uint32_t address : {0x01020304u, 0x7F000001u, 0xAC1FFFC8u, 0x00FF00FFu})
        EXPECT_EQ(inetAddrHost(formatIpv4(address).c_str()), address);
}

}  // namespace
