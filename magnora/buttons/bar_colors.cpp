#include "magnora/buttons/bar_colors.h"

namespace magnora {
namespace {

constexpr int kGrey = 0xC8C8C8;  // red, green and blue 200
constexpr common::ColorPair kBlackOnWhite{0x000000, 0xFFFFFF};

}  // namespace

BarColors barColors(const common::SystemTheme& theme) {
  BarColors colors;
  // The buttons are the system's own and follow the theme by themselves; the
  // grip between them is drawn in their colour.
  colors.background = theme.highContrast ? theme.buttonFace : kGrey;
  colors.tip = common::textColors(theme, kBlackOnWhite);
  return colors;
}

}  // namespace magnora
