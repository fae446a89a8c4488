#pragma once
// A window title made of the program file's product name and version.
#include <cstddef>
#include <string>

inline constexpr size_t kVersionTitleMax = 255;

// "name  version" (two blanks). A missing name gives the version alone, a missing version the
// name and its two blanks, both missing an empty title. Cut to kVersionTitleMax characters.
std::string composeVersionTitle(const char* name, const char* version);
// The same for the wide texts of a Windows version block; a character that needs two UTF-16
// units is never cut in half.
std::wstring composeVersionTitle(const wchar_t* name, const wchar_t* version);
