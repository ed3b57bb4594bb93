#include "common/screen/display.h"

namespace common {
namespace {

// numerator / denominator to the nearest integer, halves away from zero.
int roundedQuotient(long long numerator, long long denominator) {
  long long magnitude = (numerator < 0 ? -numerator : numerator) * 2 + denominator;
  long long quotient = magnitude / (2 * denominator);
  return static_cast<int>(numerator < 0 ? -quotient : quotient);
}

}  // namespace

int Scale::pixels(int atBase) const { return roundedQuotient(static_cast<long long>(atBase) * dpi_, kBaseDpi); }

int Scale::fontHeight(int points) const { return -roundedQuotient(static_cast<long long>(points) * dpi_, 72); }

ColorPair textColors(const SystemTheme& theme, ColorPair own) {
  if (!theme.highContrast) return own;
  return {theme.windowText, theme.window};
}

}  // namespace common
