#include "findaro/core/accessible_names.h"

#include <gtest/gtest.h>

#include "findaro/core/toolbar_layout.h"

using namespace findaro;

TEST(AccessibleNames, TheControlsWithoutALabelAreNamed) {
  EXPECT_EQ(controlName(kSearchBox), "Search term");
  EXPECT_EQ(controlName(kResultsList), "Results");
  EXPECT_EQ(controlName(kPreviewPane), "Preview");
  EXPECT_EQ(controlName(kStatusBar), "");
}

TEST(AccessibleNames, AToolbarButtonIsNamedByItsTipWithoutTheBlanks) {
  EXPECT_EQ(toolbarButtonName(517), "Exit");
  EXPECT_EQ(toolbarButtonName(505), "Search Files");
  EXPECT_EQ(toolbarButtonName(516), "Print Result List");
  EXPECT_EQ(toolbarButtonName(518), "Next Menu");
  EXPECT_EQ(toolbarButtonName(0), "");
}

// Whatever page or layout shows, and with captions hidden, no button is left
// for a screen reader to call just "button".
TEST(AccessibleNames, EveryButtonOfEveryLayoutHasAName) {
  for (int wide : {0, 1})
    for (int page : {0, 1, 2})
      for (const ToolbarItem& item : toolbarLayout(wide, page, 1)) {
        if (item.separator) continue;
        EXPECT_EQ(item.caption, "");
        std::string name = toolbarButtonName(item.command);
        EXPECT_FALSE(name.empty()) << "command " << item.command;
        EXPECT_NE(name.front(), ' ');
        EXPECT_NE(name.back(), ' ');
      }
}
