#include <gtest/gtest.h>

#include <cstring>

#include "tools/lanset-cli/board_output.h"

namespace {

DeviceRecord board(const char* id, const char* mac, const char* ip, bool dhcp) {
    DeviceRecord b;
    copyText(b.id, id);
    copyText(b.mac, mac);
    copyText(b.ip, ip);
    copyText(b.subnet, "255.255.255.0");
    copyText(b.gateway, "10.0.0.1");
    b.dhcp = dhcp ? 1 : 0;
    return b;
}

TEST(BoardOutput, CsvQuotesWhatWouldBreakARow) {
    const std::vector<DeviceRecord> boards = {board("Lab1", "02a1b2c3d4e5", "10.0.0.5", false),
                                              board("a,\"b\"", "02a1b2c3d4e6", "0.0.0.0", true)};
    EXPECT_EQ(formatBoards(boards, OutputFormat::Csv),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "Lab1,02a1b2c3d4e5,10.0.0.5,255.255.255.0,10.0.0.1,off\n"
              "\"a,\"\"b\"\"\",02a1b2c3d4e6,0.0.0.0,255.255.255.0,10.0.0.1,on\n");
    EXPECT_EQ(formatBoards({}, OutputFormat::Csv), "id,sn,ip,subnet,gateway,dhcp\n");
}

// The file is UTF-8 whatever bytes an ID holds: they are read as Latin-1, as the JSON reads them.
TEST(BoardOutput, CsvIsUtf8ForAnyIdBytes) {
    const std::vector<DeviceRecord> boards = {board("K\xe9ln\xff", "02a1b2c3d4e5", "10.0.0.5", false)};
    EXPECT_EQ(formatBoards(boards, OutputFormat::Csv),
              "id,sn,ip,subnet,gateway,dhcp\n"
              "K\xc3\xa9ln\xc3\xbf,02a1b2c3d4e5,10.0.0.5,255.255.255.0,10.0.0.1,off\n");
}

// Nothing that a terminal or a spreadsheet would act on, and nothing a reader would trim: each
// ID as its cell (apply reads each back; the runner's round trip checks that).
TEST(BoardOutput, CsvCellsAreInert) {
    const std::vector<std::pair<const char*, const char*>> cells = {
        {"\x1b]0;owned\x07", "\\x1b]0;owned\\x07"}, {"Pump\t", "\\x50ump\\x09"}, {"R\x85k", "\\x52\\x85k"},
        {"\\foo", "\\\\foo"}, {"a\\b", "a\\b"}, {"=1+2", "'=1+2"}, {"-5", "'-5"}, {"@x", "'@x"},
        {"'=x", "''=x"}, {"'x", "'x"}, {" Pump", "\" Pump\""}, {"Pump ", "\"Pump \""}, {"a b", "a b"},
    };
    for (const auto& [id, cell] : cells)
        EXPECT_EQ(formatBoards({board(id, "02a1b2c3d4e5", "10.0.0.5", false)}, OutputFormat::Csv),
                  std::string("id,sn,ip,subnet,gateway,dhcp\n") + cell + ",02a1b2c3d4e5,10.0.0.5,255.255.255.0,10.0.0.1,off\n");
}

TEST(BoardOutput, JsonIsValidForAnyIdBytes) {
    std::vector<DeviceRecord> boards = {board("q\"\\\t\xe9", "02a1b2c3d4e5", "10.0.0.5", true),
                                        board("B", "02a1b2c3d4e6", "10.0.0.6", false)};
    boards[1].heardOn = 0x0AD50201;
    EXPECT_EQ(formatBoards(boards, OutputFormat::Json),
              "[\n  {\"id\": \"q\\\"\\\\\\u0009\\u00e9\", \"sn\": \"02a1b2c3d4e5\", \"ip\": \"10.0.0.5\", "
              "\"subnet\": \"255.255.255.0\", \"gateway\": \"10.0.0.1\", \"dhcp\": \"on\", \"adapter\": null},\n"
              "  {\"id\": \"B\", \"sn\": \"02a1b2c3d4e6\", \"ip\": \"10.0.0.6\", \"subnet\": \"255.255.255.0\", "
              "\"gateway\": \"10.0.0.1\", \"dhcp\": \"off\", \"adapter\": \"10.213.2.1\"}\n]\n");
    EXPECT_EQ(formatBoards({}, OutputFormat::Json), "[]\n");
}

TEST(BoardOutput, TableAlignsColumns) {
    // A 16-character ID fills its field without a terminator: it must still print whole.
    DeviceRecord wide = board("", "02a1b2c3d4e6", "192.168.100.200", false);
    std::memcpy(wide.id, "ABCDEFGHIJKLMNOP", 16);
    wide.id[16] = '\0';
    // Latin-1 IDs print as UTF-8, one column a character; control bytes as '?'.
    const std::string t = formatBoards({board("A", "02a1b2c3d4e5", "10.0.0.5", false), wide,
                                        board("R\xfc\x85k", "02a1b2c3d4e7", "10.0.0.7", false)},
                                       OutputFormat::Table);
    EXPECT_EQ(t,
              "ID                SN            IP               SUBNET         GATEWAY   DHCP\n"
              "A                 02a1b2c3d4e5  10.0.0.5         255.255.255.0  10.0.0.1  off\n"
              "ABCDEFGHIJKLMNOP  02a1b2c3d4e6  192.168.100.200  255.255.255.0  10.0.0.1  off\n"
              "R\xc3\xbc?k              02a1b2c3d4e7  10.0.0.7         255.255.255.0  10.0.0.1  off\n");
}

}  // namespace
