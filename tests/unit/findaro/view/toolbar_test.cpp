#include "findaro/view/toolbar.h"

#include <gtest/gtest.h>

#include "findaro/view/toolbar_layout.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

namespace {

// The layout as a compact text: separators as "|59", buttons as "command:image:caption".
std::string describe(const std::vector<ToolbarItem>& items) {
  std::string out;
  for (const ToolbarItem& i : items) {
    if (!out.empty()) out += " ";
    out += i.separator ? "|" + std::to_string(i.width)
                       : std::to_string(i.command) + ":" + std::to_string(i.image) + ":" + i.caption;
  }
  return out;
}

}  // namespace

TEST(ToolbarLayout, OneRowHoldsEveryButtonWithTheExactSeparatorWidths) {
  EXPECT_EQ(describe(toolbarLayout(1, 0, 0)),
            "517:1:Exit |59 505:9:Files 506:10:Folders 507:11:Both 508:12:Custom |29 510:8:Copy 511:4:Open |39 "
            "512:5:Open 513:13:Expand |39 509:6:Color 516:15:Print 561:16:View 515:20:Settings");
  // Any value other than 0 is the one-row toolbar, whatever page is current.
  EXPECT_EQ(toolbarLayout(2, 1, 0), toolbarLayout(1, 0, 0));
}

TEST(ToolbarLayout, ThreePagesEachEndWithTheirPageButton) {
  EXPECT_EQ(describe(toolbarLayout(0, 0, 0)),
            "517:1:Exit |29 505:9:Files 506:10:Folders 507:11:Both 508:12:Custom |19 518:17: ");
  EXPECT_EQ(describe(toolbarLayout(0, 1, 0)),
            "517:1:Exit |29 510:8:Copy 511:4:Open |39 512:5:Open 513:13:Expand |14 518:18: ");
  EXPECT_EQ(describe(toolbarLayout(0, 2, 0)),
            "517:1:Exit |29 509:6:Color 516:15:Print 561:16:View 515:20:Settings |39 518:19: ");
}

TEST(ToolbarLayout, TheSeparatorsGrowWithTheScaleAndTheButtonsStayAsTheyAre) {
  EXPECT_EQ(describe(toolbarLayout(1, 0, 0, common::Scale(192))),
            "517:1:Exit |118 505:9:Files 506:10:Folders 507:11:Both 508:12:Custom |58 510:8:Copy 511:4:Open |78 "
            "512:5:Open 513:13:Expand |78 509:6:Color 516:15:Print 561:16:View 515:20:Settings");
  EXPECT_EQ(describe(toolbarLayout(0, 1, 0, common::Scale(120))),
            "517:1:Exit |36 510:8:Copy 511:4:Open |49 512:5:Open 513:13:Expand |18 518:18: ");
}

TEST(ToolbarLayout, HiddenTextLeavesEveryButtonWithoutCaption) {
  for (int page = 0; page < 3; ++page)
    for (const ToolbarItem& item : toolbarLayout(0, page, 1)) EXPECT_TRUE(item.caption.empty());
  for (const ToolbarItem& item : toolbarLayout(1, 0, 1)) EXPECT_TRUE(item.caption.empty());
  EXPECT_EQ(toolbarCaption("Exit", 2), "Exit");  // only 1 hides
}

TEST(ToolbarLayout, PagesAndIconSizesCycle) {
  EXPECT_EQ(pageAfter(0), 1);
  EXPECT_EQ(pageAfter(2), 0);
  EXPECT_EQ(pageBefore(0), 2);
  EXPECT_EQ(pageBefore(1), 0);
  EXPECT_EQ(nextIconSize(48).iconSize, 64);
  EXPECT_EQ(nextIconSize(48).fontPoints, 18);
  EXPECT_EQ(nextIconSize(64).iconSize, 96);
  EXPECT_EQ(nextIconSize(64).fontPoints, 20);
  EXPECT_EQ(nextIconSize(96).iconSize, 128);
  EXPECT_EQ(nextIconSize(96).fontPoints, 24);
  EXPECT_EQ(nextIconSize(128).iconSize, 48);
  EXPECT_EQ(nextIconSize(128).fontPoints, 16);
  EXPECT_EQ(nextIconSize(50).iconSize, 48);
  EXPECT_EQ(nextIconSize(50).fontPoints, 16);
  ASSERT_EQ(toolbarIconNames().size(), 20u);
  EXPECT_EQ(toolbarIconNames()[0], "zexit");
  EXPECT_EQ(toolbarIconNames()[16], "z1");
  EXPECT_EQ(toolbarIconNames()[19], "zsettings");
}

class ToolbarTest : public FinderTest {};

TEST_F(ToolbarTest, NextMenuThreeTimesReturnsToTheFirstPage) {
  finder.settings.WideToolbar = 0;
  nextToolbarPage(finder);
  EXPECT_EQ(toolbar.items.back().image, 18);
  nextToolbarPage(finder);
  nextToolbarPage(finder);
  EXPECT_EQ(finder.toolbarPage, 0);
  EXPECT_EQ(toolbar.items.back().image, 17);
  previousToolbarPage(finder);
  EXPECT_EQ(finder.toolbarPage, 2);
  EXPECT_EQ(toolbar.items.back().image, 19);
}

TEST_F(ToolbarTest, HidingTheToolbarDestroysIt) {
  createToolbar(finder);
  EXPECT_TRUE(toolbar.exists);
  finder.settings.ShowToolbar = 0;
  createToolbar(finder);
  EXPECT_FALSE(toolbar.exists);
  EXPECT_EQ(toolbar.height(), 0);
}

TEST_F(ToolbarTest, IconSizeCycleRebuildsImagesToolbarAndFontThenLaysOut) {
  finder.settings.IconSize = 50;  // edited by hand
  calls.calls.clear();
  cycleIconSize(finder);
  EXPECT_EQ(finder.settings.IconSize, 48);
  ASSERT_GE(calls.calls.size(), 3u);
  EXPECT_EQ(calls.calls[0], "toolbar images 48 x20");
  EXPECT_EQ(calls.calls[1], "build toolbar");
  EXPECT_EQ(calls.calls[2], "toolbar font Arial Black 16");
  EXPECT_TRUE(window.placements.count(kSearchBox));
}

TEST_F(ToolbarTest, TheIconsAndSeparatorsAreMadeAtTheWindowsScale) {
  window.displayScale = common::Scale(192);
  createToolbarImages(finder);
  createToolbar(finder);
  EXPECT_TRUE(calls.called("toolbar images 128 x20"));
  EXPECT_EQ(toolbar.items[1].width, 118);
  // The icon size cycle keeps the setting at 100 % and makes the images at the scale.
  calls.calls.clear();
  cycleIconSize(finder);
  EXPECT_EQ(finder.settings.IconSize, 96);
  EXPECT_EQ(calls.calls[0], "toolbar images 192 x20");
  // The font is given in points, which the window turns into pixels at its own scale.
  EXPECT_TRUE(calls.called("toolbar font Arial Black 20"));
}
