#include "findaro/lists/colors.h"

#include "findaro/core/finder.h"

namespace findaro {

void applyColors(Finder& finder) {
  const Settings& s = finder.settings;
  finder.searchBox.setColors(s.FG, s.BG);
  finder.list.setColors(s.FG, s.BG);
}

}  // namespace findaro
