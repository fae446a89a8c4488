#include "net/id_pattern.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr const char* kMac = "0a1b2d3e4f56";

TEST(IdPattern, WorkedExamples) {
    struct Case { const char* pattern; int32_t n; const char* id; };
    const Case cases[] = {
        {"Lab###", 7, "Lab007"},
        {"Lab###", 65535, "Lab535"},
        {"Lab##", 1234, "Lab34"},
        {"Node-#", 0, "Node-0"},
        {"#A#B", 42, "4A2B"},
        {"Bd%%%%", 3, "Bd4f56"},
        {"R#%%", 5, "R556"},
        {"%%%%%%%%%%%%%%", 11, "000a1b2d3e4f56"},
        {"Board", 99, "Board"},
        // A batch from sequence start 9.
        {"Lab###", 9, "Lab009"},
        {"Lab###", 10, "Lab010"},
        {"Lab###", 11, "Lab011"},
    };
    for (const Case& c : cases) EXPECT_EQ(expandIdPattern(c.pattern, c.n, kMac), c.id) << c.pattern;
}

TEST(IdPattern, DigitsAreRightAlignedCutOrPadded) {
    EXPECT_EQ(expandIdPattern("##", 100, kMac), "00");
    EXPECT_EQ(expandIdPattern("#", 0, kMac), "0");
    EXPECT_EQ(expandIdPattern("###", 0, kMac), "000");
    EXPECT_EQ(expandIdPattern("##########", INT32_MAX, kMac), "2147483647");
    EXPECT_EQ(expandIdPattern("############", INT32_MAX, kMac), "002147483647");
    EXPECT_EQ(expandIdPattern("a#-#_#b", 4321, kMac), "a3-2_1b");
    EXPECT_EQ(expandIdPattern("##", -7, kMac), "07");   // never passed; digits used unsigned
    EXPECT_EQ(expandIdPattern("#", INT32_MIN, kMac), "8");
}

TEST(IdPattern, MacCharactersAreRightAligned) {
    const std::string mac = kMac;
    for (size_t p = 1; p <= 16; ++p) {
        const std::string pattern(p, '%');
        const std::string expected =
            p <= 12 ? mac.substr(12 - p) : std::string(p - 12, '0') + mac;
        EXPECT_EQ(expandIdPattern(pattern, 0, kMac), expected) << p;
    }
    EXPECT_EQ(expandIdPattern("%x%y%", 0, kMac), "fx5y6");
    EXPECT_EQ(expandIdPattern("#%#%", 12, kMac), "1526");
}

TEST(IdPattern, ShortMacCountsAsZeroPaddedOnTheLeft) {
    EXPECT_EQ(expandIdPattern("%%%%%", 0, "abc"), "00abc");
    EXPECT_EQ(expandIdPattern("%%", 0, "abc"), "bc");
    EXPECT_EQ(expandIdPattern("S%%%", 0, ""), "S000");
}

TEST(IdPattern, ResultIsAsLongAsThePattern) {
    for (const char* pattern : {"", "x", "################", "%%%%%%%%%%%%%%%%", "#%#%#%#%#%#%#%#%"}) {
        EXPECT_EQ(expandIdPattern(pattern, 123456789, kMac).size(), std::string(pattern).size())
            << pattern;
    }
}

}  // namespace
