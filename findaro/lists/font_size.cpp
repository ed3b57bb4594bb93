#include "findaro/lists/font_size.h"

#include "common/number_format.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {

void changeFontSize(Finder& finder, int step) {
  int& size = finder.settings.FontSize;
  size += step;
  if (size < 8) size = 8;
  finder.window.setLargeFont(finder.settings.FontName, size);
  speak(finder, "Font Size is " + common::formatNumber(size));
}

}  // namespace findaro
