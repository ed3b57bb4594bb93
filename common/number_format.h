#pragma once
// Numbers as the programs write and read them in their texts and settings.
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// One leading blank for 0 and above, a minus sign for negative values: " 48", "-3".
std::string formatNumber(long long value);

// Plain digits, no leading blank: "48", "-3".
std::string plainNumber(long long value);

// Digits grouped by thousands with commas: 1234567 -> "1,234,567".
std::string groupThousands(long long value);

// The longest leading decimal number of a text: leading blanks skipped, an optional
// sign, digits with an optional fraction rounded to the nearest integer (halves to
// the even neighbour). Text that does not start with a number reads 0. Values beyond
// the 32-bit range are clamped to it.
int readNumber(std::string_view text);

// The same, over 64 bits, for sizes of files.
long long readNumber64(std::string_view text);

// Nearest integer, a half going to the even neighbour.
long long roundHalfEven(double value);

}  // namespace common
