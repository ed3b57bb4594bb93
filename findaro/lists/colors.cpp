#include "findaro/lists/colors.h"

#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/palette.h"
#include "findaro/view/preview.h"

namespace findaro {

std::string colorSchemeName(const Settings& settings) {
  switch (settings.BG) {
    case kColorBlue: return "Yellow on Blue";
    case kColorWhite: return "Black on White";
    case kColorBlack: return "White on Black";
    case kColorYellow: return "Black on Yellow";
    default: return "";
  }
}

void cycleColorScheme(Finder& finder) {
  Settings& s = finder.settings;
  switch (s.BG) {
    case kColorBlue:
      s.FG = kColorBlack;
      s.BG = kColorWhite;
      break;
    case kColorWhite:
      s.FG = kColorWhite;
      s.BG = kColorBlack;
      break;
    case kColorBlack:
      s.FG = kColorYellow;
      s.BG = kColorBlue;
      break;
    default:
      break;
  }
  applyColors(finder);
}

void applyColors(Finder& finder) {
  FinderColors colors = finderColors(finder.settings, finder.window.systemTheme());
  finder.searchBox.setColors(colors.controls.text, colors.controls.background);
  finder.list.setColors(colors.controls.text, colors.controls.background);
  finder.tooltip.setColors(colors.tip.text, colors.tip.background);
}

void cycleImageBackground(Finder& finder) {
  int& value = finder.settings.ImageBG;
  value = value + 1 > 2 ? 0 : value + 1;
  static const char* const kNames[] = {"White", "Black", "Blue"};
  speak(finder, std::string("Image Background is ") + (value >= 0 && value <= 2 ? kNames[value] : ""));
  showPreview(finder);
}

}  // namespace findaro
