#pragma once
// Where every control of the main window goes, computed afresh from the client
// size, the toolbar and status bar heights, the font size and the list mode.
#include <string>

#include "common/screen/display.h"
#include "findaro/controls/geometry.h"

namespace findaro {

struct Finder;

struct LayoutInput {
  int clientWidth = 0;
  int clientHeight = 0;
  int toolbarHeight = 0;
  int statusBarHeight = 0;
  int fontSize = 48;
  int showPreview = 0;
};

struct ControlPlacements {
  Placement searchBox;
  Placement resultsList;
  Placement previewPane;
};

// The margins, the gaps and the search box's height are pixels at 100 %,
// grown with the scale of the display.
ControlPlacements placeControls(const LayoutInput& input, const common::Scale& scale = common::Scale());

struct ColumnLayout {
  bool changes = false;  // list modes above 6 leave the columns as they are
  std::string titles[4];
  int widths[4] = {0, 0, 0, 0};
};

// The count in the first heading: "0" for the placeholder, else the number of records.
std::string resultCountText(const Finder& finder);
ColumnLayout columnsFor(int listMode, int clientWidth, const std::string& countText,
                        const common::Scale& scale = common::Scale());

void layoutWindow(Finder& finder);
void scrollListToTop(Finder& finder, int topRow);
void fitColumnsToContent(Finder& finder);

}  // namespace findaro
