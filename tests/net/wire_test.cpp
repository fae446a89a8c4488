#include "net/wire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes buildRequest(const DeviceRecord& record) {
    uint8_t buffer[kSendBufferSize];
    std::memset(buffer, 0xAA, sizeof buffer);
    const size_t length = buildConfigureRequest(record, buffer, sizeof buffer);
    return Bytes(buffer, buffer + length);
}

DeviceRecord requestFor(const char* mac) {
    DeviceRecord record;
    record.dhcpGiven = 0;
    copyText(record.mac, mac);
    return record;
}

// A heap block exactly as long as the datagram, so that any overread is caught.
std::unique_ptr<uint8_t[]> exactCopy(const Bytes& datagram) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[datagram.size()]);
    if (!datagram.empty()) std::memcpy(copy.get(), datagram.data(), datagram.size());
    return copy;
}

bool parseExact(const Bytes& datagram, ReplyFields& reply) {
    return parseReply(exactCopy(datagram).get(), datagram.size(), reply);
}

bool ackExact(const Bytes& datagram) {
    return isConfigureAck(exactCopy(datagram).get(), datagram.size());
}

// A reply header whose length is given as a big-endian u16, followed by fields.
Bytes reply(const Bytes& fields) {
    Bytes datagram(12 + fields.size(), 0);
    datagram[1] = static_cast<uint8_t>(datagram.size());
    datagram[10] = 1;
    std::copy(fields.begin(), fields.end(), datagram.begin() + 12);
    return datagram;
}

const Bytes kMacField = {0x01, 0x06, 0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5};

// ---------------------------------------------------------------------------------------------
// Requests

TEST(DiscoveryRequest, IsTheHeaderThen244ZeroBytesAndNothingBeyond) {
    uint8_t buffer[kSendBufferSize];
    std::memset(buffer, 0xAA, sizeof buffer);
    buildDiscoveryRequest(buffer);

    Bytes expected = {0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
    expected.resize(256, 0x00);
    EXPECT_EQ(Bytes(buffer, buffer + 256), expected);
    for (size_t i = 256; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0xAA) << "byte " << i;
}

TEST(ConfigureRequest, WorkedExamples) {
    DeviceRecord lab = requestFor("02a1b2c3d4e5");
    copyText(lab.ip, "10.0.0.5");
    copyText(lab.id, "Lab1");
    EXPECT_EQ(buildRequest(lab),
              (Bytes{0x00, 0x22, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00,
                     0x01, 0x06, 0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5,
                     0x02, 0x04, 0x0A, 0x00, 0x00, 0x05,
                     0x06, 0x04, 0x4C, 0x61, 0x62, 0x31,
                     0x07, 0x00}));

    EXPECT_EQ(buildRequest(requestFor("02a1b2c3d4e5")),
              (Bytes{0x00, 0x16, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00,
                     0x01, 0x06, 0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5,
                     0x07, 0x00}));
}

TEST(ConfigureRequest, DhcpIsSentExactlyWhenGiven) {
    DeviceRecord off = requestFor("02a1b2c3d4e5");
    off.dhcpGiven = 1;
    off.dhcp = 0;
    EXPECT_EQ(buildRequest(off),
              (Bytes{0x00, 0x19, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00,
                     0x01, 0x06, 0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5,
                     0x05, 0x01, 0x00,
                     0x07, 0x00}));

    DeviceRecord notGiven = requestFor("02a1b2c3d4e5");
    notGiven.dhcp = 1;
    EXPECT_EQ(buildRequest(notGiven), buildRequest(requestFor("02a1b2c3d4e5")));

    DeviceRecord fresh;   // a new record sends its DHCP setting
    copyText(fresh.mac, "02a1b2c3d4e5");
    EXPECT_EQ(buildRequest(fresh), buildRequest(off));
}

TEST(ConfigureRequest, EveryFieldInOrderAtTheLargestSize) {
    DeviceRecord full = requestFor("0A1B2C3D4E5F");
    copyText(full.ip, "192.168.1.20");
    copyText(full.subnet, "255.255.255.0");
    copyText(full.gateway, "192.168.1.1");
    full.dhcpGiven = 1;
    full.dhcp = 1;
    copyText(full.id, "ABCDEFGHIJKLMNOP");
    copyText(full.echoText, "echo-text-15chr");

    Bytes expected = {0x00, 0x4C, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00,
                      0x01, 0x06, 0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F,
                      0x02, 0x04, 192, 168, 1, 20,
                      0x03, 0x04, 255, 255, 255, 0,
                      0x04, 0x04, 192, 168, 1, 1,
                      0x05, 0x01, 0x01,
                      0x06, 0x10};
    for (char c : std::string("ABCDEFGHIJKLMNOP")) expected.push_back(static_cast<uint8_t>(c));
    expected.insert(expected.end(), {0x07, 0x0F});
    for (char c : std::string("echo-text-15chr")) expected.push_back(static_cast<uint8_t>(c));
    ASSERT_EQ(expected.size(), kMaxConfigureRequest);
    EXPECT_EQ(buildRequest(full), expected);

    uint8_t exact[kMaxConfigureRequest];
    EXPECT_EQ(buildConfigureRequest(full, exact, sizeof exact), kMaxConfigureRequest);
    EXPECT_EQ(Bytes(exact, exact + sizeof exact), expected);
    uint8_t tooSmall[kMaxConfigureRequest - 1];
    EXPECT_EQ(buildConfigureRequest(full, tooSmall, sizeof tooSmall), 0u);
}

TEST(ConfigureRequest, MacPairsAreReadWithoutReadingPastTheText) {
    struct Case { const char* mac; Bytes bytes; };
    const Case cases[] = {
        {"02A1b2C3d4E5", {0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5}},
        {"abc", {0xAB, 0x0C, 0, 0, 0, 0}},   // pairs from the left; what is missing is 0
        {"", {0, 0, 0, 0, 0, 0}},
        {"g1zz1g0x", {0x00, 0x00, 0x01, 0x00, 0, 0}},   // leading hex digits of each pair only
    };
    for (const Case& c : cases) {
        const Bytes datagram = buildRequest(requestFor(c.mac));
        ASSERT_EQ(datagram.size(), 22u) << c.mac;
        EXPECT_EQ(Bytes(datagram.begin() + 14, datagram.begin() + 20), c.bytes) << c.mac;
    }
}

TEST(ConfigureRequest, AddressPartsAreDecimalLow8BitsAndMissingPartsAreZero) {
    struct Case { const char* text; Bytes bytes; };
    const Case cases[] = {
        {"10.0.0.5", {10, 0, 0, 5}},
        {"1.2", {1, 2, 0, 0}},
        {"10..1", {10, 1, 0, 0}},   // empty parts are skipped
        {".5.", {5, 0, 0, 0}},
        {"-1.+2.300.x", {0xFF, 2, 0x2C, 0}},
        {"256.257.12abc.4", {0, 1, 12, 4}},
        {"1.2.3.4.5", {1, 2, 3, 4}},
        {"4294967297.0.0.1", {1, 0, 0, 1}},   // far too many digits still keep their low 8 bits
    };
    for (const Case& c : cases) {
        DeviceRecord record = requestFor("02a1b2c3d4e5");
        copyText(record.gateway, c.text);
        const Bytes datagram = buildRequest(record);
        ASSERT_EQ(datagram.size(), 28u) << c.text;
        EXPECT_EQ(datagram[20], 0x04) << c.text;
        EXPECT_EQ(Bytes(datagram.begin() + 22, datagram.begin() + 26), c.bytes) << c.text;
    }
}

TEST(ConfigureRequest, UnterminatedFieldsAreCutToTheirWidth) {
    DeviceRecord record = requestFor("");
    std::memset(record.mac, 'f', sizeof record.mac);
    std::memset(record.id, 'I', sizeof record.id);
    std::memset(record.echoText, 'E', sizeof record.echoText);
    const Bytes datagram = buildRequest(record);
    ASSERT_EQ(datagram.size(), 12u + 8 + (2 + 16) + (2 + 15));
    EXPECT_EQ(Bytes(datagram.begin() + 14, datagram.begin() + 20), Bytes(6, 0xFF));
    EXPECT_EQ(datagram[21], 16);   // id length
    EXPECT_EQ(datagram[20 + 2 + 16 + 1], 15);   // echo text length
}

// ---------------------------------------------------------------------------------------------
// Replies

TEST(ParseReply, DecodesEveryField) {
    Bytes fields = kMacField;
    fields.insert(fields.end(), {0x02, 0x04, 0xC0, 0xA8, 0x00, 0x0A,
                                 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0x00,
                                 0x04, 0x04, 0xC0, 0xA8, 0x00, 0x01,
                                 0x05, 0x01, 0x01,
                                 0x06, 0x04, 'B', 'd', '-', '7',
                                 0x07, 0x02, 'x', 'y',
                                 0x08, 0x02, 0xFF, 0xFF});
    ReplyFields parsed{};
    ASSERT_TRUE(parseExact(reply(fields), parsed));
    EXPECT_STREQ(parsed.mac, "02a1b2c3d4e5");
    EXPECT_STREQ(parsed.ip, "192.168.0.10");
    EXPECT_STREQ(parsed.subnet, "255.255.255.0");
    EXPECT_STREQ(parsed.gateway, "192.168.0.1");
    EXPECT_EQ(parsed.dhcp, 1);
    EXPECT_STREQ(parsed.id, "Bd-7");
    EXPECT_STREQ(parsed.echoText, "xy");
    EXPECT_STREQ(parsed.number16, "65535");

    ASSERT_TRUE(parseExact(reply({0x05, 0x01, 0x02, 0x08, 0x02, 0x01, 0x00,
                                  0x02, 0x04, 0, 0, 0, 0, 0x07, 0x00}), parsed));
    EXPECT_EQ(parsed.dhcp, 0);   // only 1 is on
    EXPECT_STREQ(parsed.number16, "256");
    EXPECT_STREQ(parsed.ip, "0.0.0.0");
    EXPECT_STREQ(parsed.echoText, "");
    EXPECT_STREQ(parsed.id, "Bd-7");   // a later reply without the field leaves it
    ASSERT_TRUE(parseExact(reply({0x08, 0x02, 0x00, 0x00, 0x06, 0x01, 'A', 0x06, 0x02, 'B', 'C'}),
                           parsed));
    EXPECT_STREQ(parsed.number16, "0");
    EXPECT_STREQ(parsed.id, "BC");   // a later field with the same tag overwrites
}

TEST(ParseReply, LengthInEitherOfTheFirstTwoBytes) {
    Bytes datagram = reply({0x07, 0x1C});
    datagram.resize(42, 'a');
    ReplyFields parsed{};
    datagram[0] = 0x2A; datagram[1] = 0x00;
    EXPECT_TRUE(parseExact(datagram, parsed));
    datagram[0] = 0x00; datagram[1] = 0x2A;
    EXPECT_TRUE(parseExact(datagram, parsed));
    datagram[0] = 0x2A; datagram[1] = 0x07;   // byte 1 is ignored when byte 0 holds the length
    EXPECT_TRUE(parseExact(datagram, parsed));
    EXPECT_EQ(std::string(parsed.echoText), std::string(28, 'a'));
    datagram[0] = 0x01; datagram[1] = 0x00;
    EXPECT_FALSE(parseExact(datagram, parsed));
}

TEST(ParseReply, RejectsHeaderOnlyAndUnknownTagsLeavingTheReplyAlone) {
    ReplyFields parsed{};
    copyText(parsed.mac, sizeof parsed.mac, "untouched");
    Bytes header = reply({});
    header.resize(256, 0);   // a discovery request heard back: length 12
    EXPECT_FALSE(parseExact(header, parsed));

    for (uint8_t badTag : {uint8_t{0}, uint8_t{9}, uint8_t{0xFF}}) {
        Bytes fields = kMacField;
        fields.insert(fields.end(), {badTag, 0x00});
        EXPECT_FALSE(parseExact(reply(fields), parsed)) << int(badTag);
        EXPECT_STREQ(parsed.mac, "untouched") << int(badTag);
    }
}

TEST(ParseReply, FixedWidthValuesIgnoreTheLengthByte) {
    // Mac always occupies 8 bytes...
    for (uint8_t length : {uint8_t{0}, uint8_t{6}, uint8_t{200}}) {
        ReplyFields parsed{};
        Bytes fields = {0x01, length, 0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x06, 0x01, 'Q'};
        ASSERT_TRUE(parseExact(reply(fields), parsed)) << int(length);
        EXPECT_STREQ(parsed.mac, "0a1b2c3d4e5f");
        EXPECT_STREQ(parsed.id, "Q");
    }
    // ...and an address always decodes four bytes, here those of the following field,
    ReplyFields parsed{};
    ASSERT_TRUE(parseExact(reply({0x02, 0x00, 0x07, 0x02, 'h', 'i'}), parsed));
    EXPECT_STREQ(parsed.ip, "7.2.104.105");
    EXPECT_STREQ(parsed.echoText, "hi");
    // ...but never from beyond the datagram.
    EXPECT_FALSE(parseExact(reply({0x07, 0x00, 0x02, 0x00}), parsed));
}

TEST(ParseReply, TextValues) {
    ReplyFields parsed{};
    ASSERT_TRUE(parseExact(reply({0x06, 0x05, 'a', 'b', 0x00, 'c', 'd'}), parsed));
    EXPECT_STREQ(parsed.id, "ab");

    // Wider than the 31 characters a reply text holds: cut, and the neighbours stay intact.
    Bytes longFields = {0x06, 100};
    longFields.insert(longFields.end(), 100, 'I');
    longFields.insert(longFields.end(), {0x07, 120});
    longFields.insert(longFields.end(), 120, 'E');
    ReplyFields wide{};
    ASSERT_TRUE(parseExact(reply(longFields), wide));
    EXPECT_EQ(std::string(wide.id), std::string(31, 'I'));
    EXPECT_EQ(std::string(wide.echoText), std::string(31, 'E'));
    EXPECT_STREQ(wide.subnet, "");
    EXPECT_STREQ(wide.mac, "");
}

TEST(ParseReply, FieldsReachingPastTheDatagramRejectIt) {
    ReplyFields parsed{};
    const Bytes good = reply(kMacField);
    Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_FALSE(parseExact(truncated, parsed));   // length says 20, 19 received

    Bytes shortLength = good;
    shortLength[1] = 19;   // the Mac field no longer fits the stated length
    EXPECT_FALSE(parseExact(shortLength, parsed));

    EXPECT_FALSE(parseExact(reply({0x06, 0x09, 'a', 'b'}), parsed));
    EXPECT_FALSE(parseExact(reply({0x08, 0x01, 0x01}), parsed));
    EXPECT_FALSE(parseExact(reply({0x05, 0x00}), parsed));
    EXPECT_FALSE(parseExact(reply({0x06}), parsed));
    EXPECT_FALSE(parseExact(Bytes{}, parsed));
    EXPECT_FALSE(parseExact(Bytes{0x00}, parsed));
    EXPECT_FALSE(parseExact(Bytes{0x30}, parsed));
    EXPECT_STREQ(parsed.mac, "");

    Bytes padded = good;   // bytes after the stated length are not looked at
    padded.resize(256, 0xEE);
    EXPECT_TRUE(parseExact(padded, parsed));
    EXPECT_STREQ(parsed.mac, "02a1b2c3d4e5");
}

TEST(ParseReply, EveryLengthByteOverEveryReceivedSize) {
    // A body of back-to-back Mac fields: the reply is good exactly when its stated length
    // ends on a field boundary and every stated byte was received.
    Bytes body(256);
    for (size_t i = 0; i < body.size(); ++i) body[i] = i < 12 ? 0 : (i - 12) % 8 == 0 ? 0x01 : 0x06;
    for (int firstByteForm = 0; firstByteForm < 2; ++firstByteForm) {
        for (int length = 0; length < 256; ++length) {
            Bytes datagram = body;
            datagram[0] = firstByteForm ? static_cast<uint8_t>(length) : 0;
            datagram[1] = firstByteForm ? 0 : static_cast<uint8_t>(length);
            const size_t stated = firstByteForm && length == 0 ? 0 : static_cast<size_t>(length);
            for (size_t received = 0; received <= 256; ++received) {
                ReplyFields parsed{};
                const bool expected = stated > 12 && (stated - 12) % 8 == 0 && received >= stated;
                ASSERT_EQ(parseExact(Bytes(datagram.begin(), datagram.begin() + received), parsed),
                          expected)
                    << "length " << length << " received " << received << " form " << firstByteForm;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Acknowledgements

TEST(ConfigureAck, CommandFourWithStatusZeroOnly) {
    const Bytes ack = {0x00, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x00, 0x00, 0x00};
    EXPECT_TRUE(ackExact(ack));

    Bytes anyLength = ack;
    anyLength[0] = 0x55; anyLength[1] = 0x99;
    anyLength.resize(256, 0x77);
    EXPECT_TRUE(ackExact(anyLength));

    Bytes refused = ack;
    refused[13] = 0x01;
    EXPECT_FALSE(ackExact(refused));
    refused = ack;
    refused[12] = 0x01;
    EXPECT_FALSE(ackExact(refused));
    Bytes otherCommand = ack;
    otherCommand[10] = 0x02;
    EXPECT_FALSE(ackExact(otherCommand));

    EXPECT_FALSE(ackExact(Bytes(ack.begin(), ack.end() - 1)));
    EXPECT_FALSE(ackExact(Bytes{}));
    EXPECT_FALSE(ackExact(buildRequest(requestFor("02a1b2c3d4e5"))));   // our own request heard back
}

}  // namespace
