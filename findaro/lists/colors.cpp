#include "findaro/lists/colors.h"

#include "findaro/core/finder.h"

namespace findaro {

void applyColors(Finder& finder) {
  const Settings& s = finder.settings;
  finder.screen.setSearchBoxColors(s.FG, s.BG);
  finder.screen.setListColors(s.FG, s.BG);
}

}  // namespace findaro
