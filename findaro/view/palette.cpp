#include "findaro/view/palette.h"

#include "findaro/view/preview.h"

namespace findaro {
namespace {

constexpr common::ColorPair kBlackOnWhite{0x000000, 0xFFFFFF};

}  // namespace

FinderColors finderColors(const Settings& s, const common::SystemTheme& theme) {
  FinderColors c;
  c.controls = common::textColors(theme, {s.FG, s.BG});
  c.preview = common::textColors(theme, {s.FG, imageBackgroundColor(s.ImageBG)});
  c.tip = common::textColors(theme, kBlackOnWhite);
  return c;
}

}  // namespace findaro
