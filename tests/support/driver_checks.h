#pragma once
// What the programs that drive lanset's windows from outside (lanset.exe under Wine, lanset-qt)
// report: each failed check as a line, and their count for the exit status.
#include <cstdio>
#include <string>

namespace driver {

inline int failures = 0;

inline void note(const std::string& what) {
    std::printf("%s\n", what.c_str());
    std::fflush(stdout);
}

inline void fail(const std::string& what) {
    note("FAIL: " + what);
    ++failures;
}

inline void expectEq(const std::string& got, const std::string& expected, const std::string& what) {
    if (got != expected) fail(what + ": got \"" + got + "\", expected \"" + expected + "\"");
}

}  // namespace driver
