#pragma once
// What the finder's toolbar holds: its buttons and separators for each layout and
// page, the captions, the icon images, and the icon-size cycle.
#include <string>
#include <vector>

#include "common/screen/display.h"
#include "findaro/controls/toolbar_control.h"

namespace findaro {

// The 20 icon resources of the toolbar's image list, in image-number order.
const std::vector<std::string>& toolbarIconNames();

std::string toolbarCaption(const std::string& text, int hideToolbarText);

// WideToolbar 0 gives three pages (toolbarPage 0 to 2); any other value one row.
// The separators' widths are pixels at 100 %.
std::vector<ToolbarItem> toolbarLayout(int wideToolbar, int toolbarPage, int hideToolbarText,
                                       const common::Scale& scale = common::Scale());

int pageAfter(int toolbarPage);
int pageBefore(int toolbarPage);

struct IconSizeStep {
  int iconSize;
  int fontPoints;  // the toolbar font that goes with the new size
};
IconSizeStep nextIconSize(int iconSize);

}  // namespace findaro
