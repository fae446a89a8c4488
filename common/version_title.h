#pragma once
// A window title made of the program file's product name and version.
#include <cstddef>
#include <string>

inline constexpr size_t kVersionTitleMax = 255;

// "name  version" (two blanks). A missing name gives the version alone, a missing version the
// name and its two blanks, both missing an empty title. Cut to kVersionTitleMax characters.
std::string composeVersionTitle(const char* name, const char* version);
