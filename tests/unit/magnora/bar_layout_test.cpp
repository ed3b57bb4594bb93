#include "magnora/buttons/bar_layout.h"

#include <gtest/gtest.h>

#include "magnora/buttons/bar_colors.h"
#include "magnora/buttons/buttons.h"

using namespace magnora;

namespace {

struct Started {
  BarSettings settings;
  int count;
};

Started started(const std::string& words) {
  Started s{readBarSettings(words), 0};
  s.count = recount(s.settings);
  return s;
}

std::vector<int> ids(const std::vector<ButtonPlacement>& buttons) {
  std::vector<int> out;
  for (const auto& b : buttons) out.push_back(b.id);
  return out;
}

const Rect kWork{0, 0, 1920, 1040};

}  // namespace

TEST(MagnoraBarLayout, NoArgumentsGiveOneCloseButtonAtTheTopRight) {
  Started s = started("");
  EXPECT_EQ(barSize(s.settings, s.count), (Size{192, 128}));
  EXPECT_EQ(homePosition(s.settings, s.count, kWork, 1), (Point{1920 - 192, 0}));
  std::vector<ButtonPlacement> buttons = visibleButtons(s.settings);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0].id, id::kClose);
  EXPECT_EQ(buttons[0].icon, "logo");
  EXPECT_EQ(buttons[0].tooltip, " Close ");
  EXPECT_EQ(buttons[0].rect, (Rect{64, 0, 192, 128}));
}

TEST(MagnoraBarLayout, TheFindersWordsGiveSevenButtonsOf96) {
  Started s = started("96 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1 0 0");
  EXPECT_EQ(barSize(s.settings, s.count), (Size{736, 96}));
  std::vector<ButtonPlacement> buttons = visibleButtons(s.settings);
  EXPECT_EQ(ids(buttons), (std::vector<int>{502, 501, 506, 507, 508, 531, 500}));
  for (size_t i = 0; i < buttons.size(); ++i)
    EXPECT_EQ(buttons[i].rect, (Rect{64 + 96 * static_cast<int>(i), 0, 160 + 96 * static_cast<int>(i), 96}));
  EXPECT_EQ(buttons[0].icon, "xprev");
  EXPECT_EQ(buttons[1].icon, "xnext");
}

TEST(MagnoraBarLayout, AllGroupsGiveTwentyNineButtonsInTableOrder) {
  Started s = started("128 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1");
  EXPECT_EQ(s.count, 29);
  EXPECT_EQ(barSize(s.settings, s.count), (Size{2848, 96}));
  std::vector<ButtonPlacement> buttons = visibleButtons(s.settings);
  EXPECT_EQ(ids(buttons), (std::vector<int>{518, 521, 520, 522, 523, 502, 501, 503, 504, 505, 506, 507, 528, 529, 526,
                                            530, 527, 508, 531, 509, 510, 511, 512, 513, 514, 516, 515, 517, 500}));
  EXPECT_EQ(buttons.back().rect.left, 64 + 28 * 96);
  // Three icons serve two buttons each.
  EXPECT_EQ(buttons[3].icon, "xmagexit");
  EXPECT_EQ(buttons[25].icon, "xmagexit");
}

TEST(MagnoraBarLayout, AtTwiceTheScaleButtonsGripAndBarAreTwiceAsLargeAndStillFitTogether) {
  const common::Scale twice(192);
  Started none = started("");
  EXPECT_EQ(barSize(none.settings, none.count, twice), (Size{384, 256}));
  EXPECT_EQ(homePosition(none.settings, none.count, kWork, 1, twice), (Point{1920 - 384, 0}));
  EXPECT_EQ(visibleButtons(none.settings, twice)[0].rect, (Rect{128, 0, 384, 256}));
  // The reduction to 96 is of the size at 100 %: 29 buttons of 192 on the screen.
  Started all = started("128 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1");
  EXPECT_EQ(all.settings.buttonSize, 96);
  EXPECT_EQ(buttonPixels(all.settings, twice), 192);
  EXPECT_EQ(barSize(all.settings, all.count, twice), (Size{2 * 2848, 192}));
}

TEST(MagnoraBarLayout, AtAnUnevenScaleTheLastButtonEndsExactlyAtTheBarsRightEdge) {
  const common::Scale quarterMore(120);
  Started s = started("96 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1 0 0");
  std::vector<ButtonPlacement> buttons = visibleButtons(s.settings, quarterMore);
  Size bar = barSize(s.settings, s.count, quarterMore);
  EXPECT_EQ(bar, (Size{80 + 7 * 120, 120}));
  EXPECT_EQ(buttons.front().rect.left, 80);
  EXPECT_EQ(buttons.back().rect.right, bar.width);
  for (size_t i = 1; i < buttons.size(); ++i) EXPECT_EQ(buttons[i].rect.left, buttons[i - 1].rect.right);
}

TEST(MagnoraBarColors, TheGreyBarAndBlackOnWhiteTipsGiveWayToTheSystemsColoursUnderHighContrast) {
  common::SystemTheme theme;
  theme.buttonFace = 0x202020;
  theme.window = 0x000000;
  theme.windowText = 0x00FFFF;
  EXPECT_EQ(barColors(theme), (BarColors{0xC8C8C8, {0x000000, 0xFFFFFF}}));
  theme.highContrast = true;
  EXPECT_EQ(barColors(theme), (BarColors{0x202020, {0x00FFFF, 0x000000}}));
}

TEST(MagnoraBarLayout, ThePresetShowsElevenButtons) {
  Started s = started("0 0 0 0 0 0 0 0 0 0 0 0 1");
  EXPECT_EQ(ids(visibleButtons(s.settings)),
            (std::vector<int>{506, 507, 508, 531, 511, 513, 514, 516, 515, 517, 500}));
  EXPECT_EQ(s.count, 11);
}

TEST(MagnoraBarLayout, TooltipsCarryTheirBlanks) {
  EXPECT_EQ(tooltipText(*findButton(id::kTabInfo)), " TAB  1");
  EXPECT_EQ(tooltipText(*findButton(id::kContrast)), " Contrast  ");
  EXPECT_EQ(tooltipText(*findButton(id::kNoZoom)), " No Zoom (1X) ");
  EXPECT_EQ(buttonTable().size(), 29u);
  EXPECT_EQ(findButton(519), nullptr);
}

// A button's window text is what a screen reader says for it.
TEST(MagnoraBarLayout, EachButtonIsNamedAsARightClickSpeaksIt) {
  Started s = started("128 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1");
  std::vector<ButtonPlacement> buttons = visibleButtons(s.settings);
  ASSERT_EQ(buttons.size(), 29u);
  for (const ButtonPlacement& b : buttons) EXPECT_EQ(b.name, findButton(b.id)->rightClickName) << b.id;
  EXPECT_EQ(buttons[4].name, "TAB Information");
  EXPECT_EQ(buttons[14].name, "Change Speed");
  EXPECT_EQ(buttons[23].name, "Magnifier Plus");
  EXPECT_EQ(buttons.back().name, "Exit Magnora");
}

TEST(MagnoraBarLayout, FurtherMonitorsLieToTheRight) {
  Started s = started("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
  Point home = homePosition(s.settings, s.count, Rect{0, 0, 1920, 1040}, 2);
  EXPECT_EQ(home.x + barSize(s.settings, s.count).width, 3840);
  EXPECT_EQ(monitorOffset(3, 1600, 3), 3200);
  EXPECT_EQ(targetPoint(Rect{0, 0, 1920, 1040}, 2, 2), (Point{2880, 520}));
}

TEST(MagnoraBarLayout, AMonitorThatIsNotAttachedMeansTheLastOne) {
  EXPECT_EQ(monitorOffset(2, 1920, 1), 0);
  EXPECT_EQ(monitorOffset(5, 1920, 2), 1920);
  EXPECT_EQ(monitorOffset(2147483647, 1920, 64), 63 * 1920);
  EXPECT_EQ(monitorOffset(1, 1920, 0), 0);
}

TEST(MagnoraBarLayout, TheTargetPointIsTheWorkAreaMiddleWithHalvesToEven) {
  EXPECT_EQ(targetPoint(Rect{0, 0, 1920, 1040}, 1, 1), (Point{960, 520}));
  EXPECT_EQ(targetPoint(Rect{0, 0, 1025, 767}, 1, 1), (Point{512, 384}));  // 512.5 and 383.5
  EXPECT_EQ(targetPoint(Rect{0, 0, 1027, 765}, 1, 1), (Point{514, 382}));  // 513.5 and 382.5
}

// The bar stays one row: with more buttons than the screen holds at their size,
// they get smaller rather than running off the screen, the close button with them.
TEST(MagnoraBarLayout, ButtonsShrinkOnlyAsFarAsTheWholeBarNeedsToFit) {
  EXPECT_EQ(buttonSizeToFit(96, 7, kWork), 96);
  EXPECT_EQ(buttonSizeToFit(64, 29, kWork), 64);                   // 29 x 64 + 64 is the screen exactly
  EXPECT_EQ(buttonSizeToFit(96, 29, Rect{-1366, 0, 0, 728}), 44);  // 29 x 44 + 64 = 1340
  EXPECT_EQ(buttonSizeToFit(128, 1, Rect{0, 0, 1366, 100}), 100);  // and no taller than the work area
  EXPECT_EQ(buttonSizeToFit(96, 29, Rect{0, 0, 400, 300}), 16);    // never below the smallest icons
  EXPECT_EQ(buttonSizeToFit(12, 29, Rect{0, 0, 400, 300}), 12);    // nor larger than chosen
  EXPECT_EQ(buttonSizeToFit(96, 29, Rect{}), 96);                   // no work area known
}

// On a display at a larger scale the grip and every button grow with it, so
// the size that fits is smaller in figures at 100 %, and the bar still fits.
TEST(MagnoraBarLayout, ATooWideBarFitsAtTheScaleOfItsDisplay) {
  const common::Scale twice(192);
  int size = buttonSizeToFit(96, 29, kWork, twice);
  EXPECT_EQ(size, 30);  // 29 x 60 + 128 = 1868 pixels of 1920
  BarSettings shrunk;
  shrunk.buttonSize = size;
  EXPECT_LE(barSize(shrunk, 29, twice).width, kWork.width());
  shrunk.buttonSize = size + 1;
  EXPECT_GT(barSize(shrunk, 29, twice).width, kWork.width());
  // At 150 % on a laptop screen: 29 x 42 + 96 = 1314 pixels of 1366.
  EXPECT_EQ(buttonSizeToFit(96, 29, Rect{0, 0, 1366, 728}, common::Scale(144)), 28);
  // A bar that fits at its scale keeps its size.
  EXPECT_EQ(buttonSizeToFit(96, 7, kWork, twice), 96);
}
