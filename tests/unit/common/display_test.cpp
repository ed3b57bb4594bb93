#include "common/screen/display.h"

#include <gtest/gtest.h>

using common::ColorPair;
using common::Scale;
using common::SystemTheme;

TEST(DisplayScale, At96EveryFigureStaysAsItIs) {
  Scale base;
  EXPECT_EQ(base.dpi(), 96);
  for (int figure : {-72, -35, -1, 0, 1, 5, 10, 29, 59, 64, 96, 128, 1600, 1 << 20})
    EXPECT_EQ(base.pixels(figure), figure) << figure;
  // A font's points turn into pixels as the system turns them at 96: 4 / 3.
  EXPECT_EQ(base.fontHeight(48), -64);
  EXPECT_EQ(base.fontHeight(14), -19);
  EXPECT_EQ(base.fontHeight(24), -32);
}

TEST(DisplayScale, OtherDensitiesGrowEveryFigureRoundingHalvesAwayFromZero) {
  Scale twice(192);
  EXPECT_EQ(twice.pixels(96), 192);
  EXPECT_EQ(twice.pixels(64), 128);
  EXPECT_EQ(twice.pixels(-72), -144);
  EXPECT_EQ(twice.fontHeight(48), -128);

  Scale quarterMore(120);  // 125 %
  EXPECT_EQ(quarterMore.pixels(10), 13);    // 12.5
  EXPECT_EQ(quarterMore.pixels(-10), -13);  // as the system's MulDiv rounds
  EXPECT_EQ(quarterMore.pixels(30), 38);    // 37.5
  EXPECT_EQ(quarterMore.pixels(59), 74);    // 73.75
  EXPECT_EQ(quarterMore.fontHeight(14), -23);  // 23.33

  Scale halfMore(144);  // 150 %
  EXPECT_EQ(halfMore.pixels(5), 8);  // 7.5
  EXPECT_EQ(halfMore.fontHeight(48), -96);
}

TEST(DisplayScale, AnUnknownDensityCountsAsTheBaseAndLargeFiguresDoNotOverflow) {
  EXPECT_EQ(Scale(0).dpi(), 96);
  EXPECT_EQ(Scale(-120).pixels(40), 40);
  EXPECT_EQ(Scale(480).pixels(400000000), 2000000000);
  EXPECT_TRUE(Scale(96) == Scale());
  EXPECT_TRUE(Scale(192) != Scale());
}

TEST(SystemColors, HighContrastReplacesTheProgramsOwnPairWithTheSystemsText) {
  SystemTheme theme;
  theme.window = 0x000000;
  theme.windowText = 0x00FFFF;
  ColorPair own{65535, 16711680};
  EXPECT_EQ(common::textColors(theme, own), own);
  theme.highContrast = true;
  EXPECT_EQ(common::textColors(theme, own), (ColorPair{0x00FFFF, 0x000000}));
}
