#include "findaro/view/layout.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

TEST(Layout, PlacesTheControlsFromTheClientSize) {
  LayoutInput in{1600, 760, 90, 30, 48, 0};
  ControlPlacements p = placeControls(in);
  EXPECT_EQ(p.searchBox, (Placement{10, 90, 1580, 96}));
  EXPECT_EQ(p.resultsList, (Placement{10, 191, 1580, 760 - 90 - 96 - 30 - 10}));
  in.showPreview = 1;
  p = placeControls(in);
  EXPECT_EQ(p.resultsList.width, 960);
  EXPECT_EQ(p.previewPane, (Placement{980, 191, 610, 534}));
}

TEST(Layout, WithoutAToolbarTheSearchBoxSitsAtTheTop) {
  ControlPlacements p = placeControls({1000, 600, 0, 20, 30, 0});
  EXPECT_EQ(p.searchBox.y, 0);
  EXPECT_EQ(p.resultsList.y, 65);
}

TEST(Layout, ATinyWindowGivesEmptyControlsRatherThanNegativeOnes) {
  ControlPlacements p = placeControls({10, 50, 90, 30, 48, 1});
  EXPECT_EQ(p.searchBox.width, 0);
  EXPECT_EQ(p.resultsList.height, 0);
  EXPECT_EQ(p.previewPane.width, 0);
}

TEST(Layout, ColumnWidthsFollowTheClientWidthRoundedHalfToEven) {
  ColumnLayout c = columnsFor(1, 1600, "25");
  EXPECT_TRUE(c.changes);
  EXPECT_EQ(c.titles[0], " Name  (25)");
  EXPECT_EQ(c.titles[1], " Path");
  EXPECT_EQ(c.titles[2], " Date");
  EXPECT_EQ(c.titles[3], " Size");
  EXPECT_EQ(c.widths[0], 503);
  EXPECT_EQ(c.widths[1], 503);
  EXPECT_EQ(c.widths[2], 356);
  EXPECT_EQ(c.widths[3], 238);
  EXPECT_EQ(columnsFor(1, 1599, "1").widths[0], 503);  // 503.0
  EXPECT_EQ(columnsFor(0, 90, "0").widths[3], 70);     // 70.0
}

TEST(Layout, TheListsShowOneColumnAcrossTheWindow) {
  ColumnLayout settings = columnsFor(5, 1200, "0");
  EXPECT_EQ(settings.titles[0], "Settings Shortcuts");
  EXPECT_EQ(settings.widths[0], 1200);
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(settings.titles[i], "");
    EXPECT_EQ(settings.widths[i], 0);
  }
  EXPECT_EQ(columnsFor(6, 1200, "0").titles[0], "Action Shortcuts");
  EXPECT_FALSE(columnsFor(7, 1200, "0").changes);
}

TEST(Layout, AtTwiceTheScaleTheSearchBoxMarginsAndGapsAreTwiceAsLarge) {
  ControlPlacements p = placeControls({3200, 1520, 180, 60, 48, 1}, common::Scale(192));
  EXPECT_EQ(p.searchBox, (Placement{20, 180, 3160, 192}));
  EXPECT_EQ(p.resultsList, (Placement{20, 382, 1920, 1520 - 180 - 192 - 60 - 20}));
  EXPECT_EQ(p.previewPane, (Placement{1960, 382, 1220, 1068}));
  // Everything is the figure at 100 % doubled, when the window is too.
  ControlPlacements half = placeControls({1600, 760, 90, 30, 48, 1});
  EXPECT_EQ(p.previewPane.x, 2 * half.previewPane.x);
  EXPECT_EQ(p.previewPane.width, 2 * half.previewPane.width);
}

TEST(Layout, AtAnUnevenScaleTheMarginsStayEqualOnBothSides) {
  // 10 pixels at 125 % is 12.5: each margin rounds to the same 13.
  ControlPlacements p = placeControls({1000, 600, 0, 20, 48, 1}, common::Scale(120));
  EXPECT_EQ(p.searchBox.x, 13);
  EXPECT_EQ(p.searchBox.x + p.searchBox.width, 1000 - 13);
  EXPECT_EQ(p.searchBox.height, 120);
  EXPECT_EQ(p.resultsList.y, 120 + 6);
  EXPECT_EQ(p.previewPane.x - (p.resultsList.x + p.resultsList.width), 13);
  EXPECT_EQ(p.previewPane.x + p.previewPane.width, 1000 - 13);
}

class LayoutWindowTest : public FinderTest {};

TEST_F(LayoutWindowTest, LaysOutAtTheScaleOfTheDisplayTheWindowIsOn) {
  window.client = {3200, 1520};
  window.displayScale = common::Scale(192);
  layoutWindow(finder);
  EXPECT_EQ(window.placements[kSearchBox], (Placement{20, 0, 3160, 192}));
  EXPECT_EQ(list.columns[1].width, 1007);  // 3200 / 3 - 60 = 1006.7
  EXPECT_EQ(list.columns[4].width, 476);   // 3200 / 9 + 120 = 475.6
  window.displayScale = common::Scale(96);
  layoutWindow(finder);
  EXPECT_EQ(window.placements[kSearchBox], (Placement{10, 0, 3180, 96}));
}

TEST_F(LayoutWindowTest, CountsThePlaceholderAsNoResults) {
  layoutWindow(finder);
  EXPECT_EQ(list.columns[1].title, " Name  (0)");
  std::vector<ResultRecord> records(3);
  records[0].Name = "a";
  finder.results.assign(records);
  layoutWindow(finder);
  EXPECT_EQ(list.columns[1].title, " Name  (3)");
  EXPECT_EQ(list.columns[1].width, 503);
}

TEST_F(LayoutWindowTest, ShowsOrHidesThePreviewAndToolbar) {
  finder.settings.ShowPreview = 1;
  finder.settings.ShowToolbar = 0;
  layoutWindow(finder);
  EXPECT_TRUE(window.visible[kPreviewPane]);
  EXPECT_FALSE(window.visible[kToolbar]);
  EXPECT_EQ(window.placements[kResultsList].width, 960);
}

TEST_F(LayoutWindowTest, ScrollsTheListByWholeRows) {
  list.rowPixels = 40;
  list.scrollPosition = 2;
  scrollListToTop(finder, 7);
  EXPECT_TRUE(calls.called("scroll 200"));
}
