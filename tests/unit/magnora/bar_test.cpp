#include "magnora/app/bar_handlers.h"

#include <algorithm>

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::MagnoraTest;

namespace {

const char* kFinderWords = "96 1 0 1 1 0 0 0 0 0 1 0 0 0 0 0 1 0 0";
const char* kAllGroups = "0 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1";

bool has(const Events& events, const std::string& prefix) {
  return std::any_of(events.begin(), events.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
}

}  // namespace

class MagnoraBar : public MagnoraTest {};

TEST_F(MagnoraBar, StartUpPlacesTheButtonsTooltipsVoiceAndAsksToBeTopmost) {
  readSettings(bar, kFinderWords);
  initialiseBar(bar);
  EXPECT_EQ(events, (Events{"Place 1184 0 736 96", "Layout 7", "Tooltips 7", "Move 1184 0", "CreateVoice",
                            "Move 1184 0", "RequestTopmost"}));
  EXPECT_EQ(window.tooltips.at(window.buttonWindow(id::kClose)), " Close ");
  EXPECT_EQ(caption(), "Pagelume Close Browser 7.7");
}

TEST_F(MagnoraBar, StartUpAtTwiceTheScalePlacesTwiceTheBarInItsOwnColours) {
  window.displayScale = common::Scale(192);
  readSettings(bar, kFinderWords);
  initialiseBar(bar);
  EXPECT_EQ(events, (Events{"Place 448 0 1472 192", "Layout 7", "Tooltips 7", "Move 448 0", "CreateVoice",
                            "Move 448 0", "RequestTopmost"}));
  EXPECT_EQ(window.buttonSize, 192);
  EXPECT_EQ(window.buttons.back().rect, (Rect{128 + 6 * 192, 0, 128 + 7 * 192, 192}));
  EXPECT_EQ(window.colors, barColors(common::SystemTheme()));
  // Tooltips, voice and the hover mode know nothing of the scale.
  EXPECT_EQ(window.tooltips.at(window.buttonWindow(id::kClose)), " Close ");
}

TEST_F(MagnoraBar, OnADisplayOfAnotherScaleTheBarTakesTheSuggestedPlaceWithButtonsMadeAnew) {
  start(kFinderWords);
  window.displayScale = common::Scale(144);
  onScaleChanged(bar, Rect{2000, 10, 2000 + 1104, 10 + 144});
  EXPECT_EQ(events, (Events{"Layout 7", "Tooltips 7", "Place 2000 10 1104 144"}));
  EXPECT_EQ(window.buttonSize, 144);
  EXPECT_EQ(window.buttons.front().rect.left, 96);
  // A double click now finds home for the bar at its new width.
  events.clear();
  window.position = {1920 - 1104, 0};
  onDoubleClick(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Layout 1", "Tooltips 1", "Place 1680 0 240 144"}));
}

TEST_F(MagnoraBar, TheBarFollowsHighContrastOnAndOff) {
  start(kFinderWords);
  system.theme.highContrast = true;
  system.theme.buttonFace = 0x000000;
  system.theme.window = 0x000000;
  system.theme.windowText = 0xFFFFFF;
  onColorsChanged(bar);
  EXPECT_EQ(window.colors, (BarColors{0x000000, {0xFFFFFF, 0x000000}}));
  system.theme.highContrast = false;
  onColorsChanged(bar);
  EXPECT_EQ(window.colors, (BarColors{0xC8C8C8, {0x000000, 0xFFFFFF}}));
  EXPECT_TRUE(events.empty());
}

TEST_F(MagnoraBar, HoverSpeechAloneMakesNoTooltips) {
  readSettings(bar, "0 0 0 0 0 0 0 0 0 0 2");
  initialiseBar(bar);
  EXPECT_FALSE(has(events, "Tooltips"));
  EXPECT_TRUE(window.tooltips.empty());
}

// Id, beep first, find the target before acting, topmost again after.
struct DispatchRow {
  int id;
  bool beep;
  bool findTarget;
  bool topmost;
};

TEST_F(MagnoraBar, EveryCommandBeepsFindsItsTargetAndComesBackOnTopAsItsRowSays) {
  const DispatchRow rows[] = {
      {501, true, true, true},    {502, true, true, true},    {503, true, true, true},
      {504, true, true, true},    {505, true, true, true},    {506, true, true, true},
      {507, true, false, true},   {508, true, true, true},    {509, true, true, true},
      {510, true, false, true},   {511, true, false, true},   {512, true, false, true},
      {513, true, false, true},   {514, true, false, true},   {515, true, false, true},
      {516, true, false, true},   {517, true, false, true},   {518, true, true, false},
      {520, true, true, false},   {521, true, true, false},   {522, true, true, false},
      {523, true, true, false},   {526, true, false, true},   {527, true, true, true},
      {528, false, false, false}, {529, false, false, false}, {530, true, false, false},
      {531, true, false, true},
  };
  start(kAllGroups);
  bar.magnifierStarted = true;
  for (const DispatchRow& row : rows) {
    events.clear();
    handleCommand(bar, row.id);
    ASSERT_FALSE(events.empty()) << row.id;
    EXPECT_EQ(events.front() == "Beep 250 300", row.beep) << row.id;
    EXPECT_EQ(has(events, "FindTarget"), row.findTarget) << row.id;
    if (row.findTarget) {
      EXPECT_EQ(events[row.beep ? 1 : 0], "FindTarget 960 520") << row.id;
    }
    EXPECT_EQ(events.back() == "Topmost", row.topmost) << row.id;
    EXPECT_EQ(std::count(events.begin(), events.end(), "Topmost"), row.topmost ? 1 : 0) << row.id;
    EXPECT_FALSE(window.closed) << row.id;
  }
}

TEST_F(MagnoraBar, MagnifierCommandsComeBackOnTopOnlyWhenPerformed) {
  start(kAllGroups);
  for (int id : {id::kMagMinus, id::kMagType, id::kMagExit}) {
    events.clear();
    handleCommand(bar, id);
    EXPECT_EQ(events, (Events{"Beep 250 300", "Speak 3 Not Available"})) << id;
  }
  EXPECT_TRUE(system.keys.empty());
  handleCommand(bar, id::kMagPlus);
  EXPECT_TRUE(bar.magnifierStarted);
  events.clear();
  handleCommand(bar, id::kMagExit);
  EXPECT_EQ(events.back(), "Topmost");
}

TEST_F(MagnoraBar, TheCloseButtonClosesTheWindowInFrontAndTheBar) {
  start("");
  handleCommand(bar, id::kClose);
  EXPECT_EQ(events, (Events{"Beep 250 300", "FindTarget 960 520", "CloseWindow 4242", "CloseBar"}));
}

TEST_F(MagnoraBar, EscClosesOnlyTheBar) {
  start("");
  handleCommand(bar, id::kCancel);
  EXPECT_EQ(events, (Events{"Beep 250 300", "CloseBar"}));
}

TEST_F(MagnoraBar, UnusedIdsDoNothing) {
  start(kAllGroups);
  for (int id : {1, 519, 524, 525, 532, 0}) handleCommand(bar, id);
  EXPECT_TRUE(events.empty());
}

// 29 buttons of 96 would make a bar 2848 pixels wide, its left part off a full-HD
// screen; they are drawn at 64 so that the bar is the screen's width exactly.
TEST_F(MagnoraBar, DoubleClickAtHomeExpandsToAllGroupsAndShrinksTheButtons) {
  start("");
  window.position = {1920 - 192, 0};
  onDoubleClick(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Layout 29", "Place 0 0 1920 64"}));
  EXPECT_EQ(bar.buttonCount, 29);
  EXPECT_EQ(bar.settings.buttonSize, 96);
  EXPECT_EQ(window.buttonSize, 64);
  EXPECT_EQ(window.buttons.back().rect, (Rect{64 + 28 * 64, 0, 1920, 64}));
}

TEST_F(MagnoraBar, AFullBarOnALaptopScreenKeepsEveryButtonOnTheScreen) {
  system.work = {0, 0, 1366, 728};
  readSettings(bar, kAllGroups);
  initialiseBar(bar);
  EXPECT_EQ(events.front(), "Place 26 0 1340 44");
  EXPECT_EQ(window.buttonSize, 44);
  ASSERT_EQ(window.buttons.size(), 29u);
  EXPECT_EQ(window.buttons.back().id, id::kClose);
  EXPECT_EQ(window.buttons.back().rect.right, 1340);
  EXPECT_EQ(window.position, (Point{26, 0}));

  // Collapsed, the close button alone takes its full size again.
  onDoubleClick(bar);
  EXPECT_EQ(events.back(), "Place 1206 0 160 96");
  EXPECT_EQ(window.buttonSize, 96);
}

// The bar is homed as if further monitors lay side by side right of the primary;
// where that is off every monitor, it comes into the nearest one's work area.
TEST_F(MagnoraBar, AHomeOffEveryMonitorComesIntoTheNearestWorkArea) {
  system.monitors = 2;
  system.nearWork = Rect{0, 40, 1920, 1040};  // the second monitor is left of the primary, the taskbar at the top
  readSettings(bar, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
  initialiseBar(bar);
  EXPECT_EQ(system.askedNear.front(), (Rect{3840 - 192, 0, 3840, 128}));
  EXPECT_EQ(events.front(), "Place 1728 40 192 128");
  EXPECT_EQ(window.position, (Point{1728, 40}));
  // There is its home: a double-click there expands rather than moving it again.
  events.clear();
  onDoubleClick(bar);
  EXPECT_EQ(bar.buttonCount, 29);
  EXPECT_EQ(events.back(), "Place 0 40 1920 64");
}

TEST_F(MagnoraBar, DoubleClickAtHomeCollapsesToTheCloseButtonAndTheSizeStays) {
  start(kAllGroups);
  events.clear();
  onDoubleClick(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Layout 1", "Place 1760 0 160 96"}));
  ASSERT_EQ(window.buttons.size(), 1u);
  EXPECT_EQ(window.buttons[0].id, id::kClose);
}

TEST_F(MagnoraBar, DoubleClickAwayFromHomeOnlyComesHome) {
  start(kFinderWords);
  window.position = {300, 400};
  onDoubleClick(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Move 1184 0"}));
  EXPECT_EQ(bar.buttonCount, 7);
}

TEST_F(MagnoraBar, ExpandingWithThePresetLeavesTabAndDictationHidden) {
  start("0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 1 0 0 1");
  EXPECT_EQ(bar.buttonCount, 5 + 10 + 1 + 1);
  onDoubleClick(bar);  // collapse
  EXPECT_EQ(bar.buttonCount, 1);
  onDoubleClick(bar);  // expand
  EXPECT_EQ(bar.buttonCount, 11);
  EXPECT_EQ(bar.settings.tab, 0);
  EXPECT_EQ(bar.settings.dictation, 0);
}

TEST_F(MagnoraBar, RebuiltButtonsKeepTheirTooltips) {
  start(kFinderWords);
  onDoubleClick(bar);
  EXPECT_EQ(window.tooltips.size(), 1u);
  onDoubleClick(bar);
  EXPECT_EQ(window.tooltips.size(), 29u);
  EXPECT_EQ(window.tooltips.at(window.buttonWindow(id::kTabInfo)), " TAB  1");
}

TEST_F(MagnoraBar, RightClickOnAButtonNamesItAndOnTheGripCloses) {
  start(kFinderWords);
  window.pointAt(id::kPrintScreen);
  onContextMenu(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Speak 3 Print Screen"}));
  EXPECT_FALSE(window.closed);
  events.clear();
  window.cursor = {window.position.x + 10, 20};
  onContextMenu(bar);
  EXPECT_EQ(events, (Events{"Beep 250 300", "CloseBar"}));
}

TEST_F(MagnoraBar, TheRightClicksOwnPointCountsNotWhereTheMouseWentSince) {
  start(kFinderWords);
  window.pointAt(id::kCopy);
  Point onCopy = window.cursor;
  window.cursor = {window.position.x + 10, 20};  // the grip
  onContextMenu(bar, onCopy);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Speak 3 Copy"}));
  EXPECT_FALSE(window.closed);
  onContextMenu(bar, Point{window.position.x + 10, 20});
  EXPECT_TRUE(window.closed);
}

TEST_F(MagnoraBar, OnlyPlMessage64Closes) {
  start("");
  onPlMessage(bar, 48);
  onPlMessage(bar, 0);
  EXPECT_FALSE(window.closed);
  onPlMessage(bar, 64);
  EXPECT_TRUE(window.closed);
}

TEST_F(MagnoraBar, TheExitBroadcastCarriesWords15And14) {
  start("0 0 0 0 0 0 0 0 0 0 0 0 0 7 9");
  onDestroy(bar);
  EXPECT_EQ(events, (Events{"Broadcast 9 7"}));
  start(kFinderWords);
  onDestroy(bar);
  EXPECT_EQ(events, (Events{"Broadcast 0 0"}));
}

TEST_F(MagnoraBar, HoverSpeechFollowsTheHoverMode) {
  start("0 0 0 0 0 0 0 0 0 0 1");
  window.pointAt(id::kClose);
  onSetCursor(bar);
  EXPECT_TRUE(events.empty());
  start("0 0 0 0 0 0 0 0 0 0 4");
  window.pointAt(id::kClose);
  onSetCursor(bar);
  EXPECT_EQ(events, (Events{"Speak 3 Exit Magnora"}));
}
