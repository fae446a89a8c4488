#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Turns an ID pattern into one board's ID: each '#' takes a digit of sequenceNumber, each '%'
// a character of mac, both right-aligned in their field and cut or zero-padded on the left.
std::string expandIdPattern(std::string_view pattern, int32_t sequenceNumber, std::string_view mac);
