#include "common/number_format.h"

#include <cmath>
#include <limits>

namespace common {

std::string plainNumber(long long value) { return std::to_string(value); }

std::string formatNumber(long long value) {
  return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::string groupThousands(long long value) {
  unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 + 1);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return value < 0 ? "-" + out : out;
}

long long roundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads sign, integer digits and the fraction; the rounding looks at the fraction
// text so that a long run of digits cannot lose the half-way case to binary floats.
long long parseLeading(std::string_view text, long long limit) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  size_t digitsStart = i;
  long long whole = 0;
  bool saturated = false;
  // whole * 10 + digit > limit, without a division for every digit.
  const long long tenth = limit / 10;
  const int last = static_cast<int>(limit % 10);
  while (i < text.size() && isDigit(text[i])) {
    int digit = text[i] - '0';
    if (!saturated && (whole > tenth || (whole == tenth && digit > last))) saturated = true;
    if (!saturated) whole = whole * 10 + digit;
    ++i;
  }
  bool hasWhole = i > digitsStart;
  int roundUp = 0;  // 0 below half, 1 exactly half, 2 above half
  bool hasFraction = false;
  if (i < text.size() && text[i] == '.') {
    size_t f = i + 1;
    if (f < text.size() && isDigit(text[f])) {
      hasFraction = true;
      char first = text[f];
      bool restNonZero = false;
      for (size_t k = f + 1; k < text.size() && isDigit(text[k]); ++k)
        if (text[k] != '0') restNonZero = true;
      if (first > '5' || (first == '5' && restNonZero)) roundUp = 2;
      else if (first == '5') roundUp = 1;
    }
  }
  if (!hasWhole && !hasFraction) return 0;
  if (saturated) return negative ? -limit - 1 : limit + 1;
  if (roundUp == 2 || (roundUp == 1 && (whole % 2) != 0)) ++whole;
  return negative ? -whole : whole;
}

}  // namespace

int readNumber(std::string_view text) {
  long long max = std::numeric_limits<int>::max();
  long long value = parseLeading(text, max);
  if (value > max) return static_cast<int>(max);
  if (value < -max - 1) return static_cast<int>(-max - 1);
  return static_cast<int>(value);
}

long long readNumber64(std::string_view text) {
  long long max = std::numeric_limits<long long>::max() - 1;
  long long value = parseLeading(text, max);
  return value;
}

}  // namespace common
