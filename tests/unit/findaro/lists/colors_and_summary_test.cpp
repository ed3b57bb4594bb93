#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "findaro/lists/colors.h"
#include "findaro/lists/settings_summary.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

using ColorsTest = FinderTest;

TEST_F(ColorsTest, SchemesAreNamedByTheirBackground) {
  Settings s;
  EXPECT_EQ(colorSchemeName(s), "Yellow on Blue");
  s.BG = 16777215;
  EXPECT_EQ(colorSchemeName(s), "Black on White");
  s.BG = 0;
  EXPECT_EQ(colorSchemeName(s), "White on Black");
  s.BG = 65535;
  s.FG = 255;  // any text colour on yellow
  EXPECT_EQ(colorSchemeName(s), "Black on Yellow");
  s.BG = 255;
  EXPECT_EQ(colorSchemeName(s), "");
}

TEST_F(ColorsTest, CtrlYStepsThroughThreeSchemesAndBack) {
  Settings& s = finder.settings;
  runCommand(finder, 509);
  EXPECT_EQ(std::make_pair(s.FG, s.BG), std::make_pair(0, 16777215));
  EXPECT_TRUE(calls.called("search colors 0 16777215"));
  EXPECT_TRUE(calls.called("list colors 0 16777215"));
  runCommand(finder, 509);
  EXPECT_EQ(std::make_pair(s.FG, s.BG), std::make_pair(16777215, 0));
  runCommand(finder, 509);
  EXPECT_EQ(std::make_pair(s.FG, s.BG), std::make_pair(65535, 16711680));
  EXPECT_EQ(sound.beeps.size(), 3u);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(window.placements.count(kResultsList), 1u);  // laid out
}

TEST_F(ColorsTest, UnderHighContrastTheControlsAndTheTipTakeTheSystemsColours) {
  applyColors(finder);
  EXPECT_TRUE(calls.called("search colors 65535 16711680"));
  EXPECT_TRUE(calls.called("tip colors 0 16777215"));
  window.theme.highContrast = true;
  window.theme.window = 0x000000;
  window.theme.windowText = 0x00FF00;
  calls.clear();
  applyColors(finder);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"search colors 65280 0", "list colors 65280 0",
                                                   "tip colors 65280 0"}));
}

TEST_F(ColorsTest, TheColourCommandCyclesTheSchemeUnderHighContrastForWhenItGoesOff) {
  window.theme.highContrast = true;
  window.theme.window = 0x101010;
  window.theme.windowText = 0xEEEEEE;
  runCommand(finder, 509);
  EXPECT_EQ(std::make_pair(finder.settings.FG, finder.settings.BG), std::make_pair(0, 16777215));
  EXPECT_TRUE(calls.called("list colors 15658734 1052688"));
  EXPECT_FALSE(calls.called("list colors 0 16777215"));
  window.theme.highContrast = false;
  calls.clear();
  applyColors(finder);
  EXPECT_TRUE(calls.called("list colors 0 16777215"));
}

TEST_F(ColorsTest, AnUnnamedOrYellowBackgroundStays) {
  for (int background : {65535, 255}) {
    finder.settings.FG = 1;
    finder.settings.BG = background;
    cycleColorScheme(finder);
    EXPECT_EQ(finder.settings.FG, 1);
    EXPECT_EQ(finder.settings.BG, background);
  }
}

TEST_F(ColorsTest, TheFontSizeStopsAtEight) {
  finder.settings.FontSize = 10;
  runCommand(finder, 558);
  EXPECT_EQ(finder.settings.FontSize, 8);
  EXPECT_EQ(voice.lastText(), "Font Size is  8");
  EXPECT_TRUE(calls.called("large font Arial Black 8"));
  voice.spoken.clear();
  runCommand(finder, 558);
  EXPECT_EQ(finder.settings.FontSize, 8);
  EXPECT_EQ(voice.lastText(), "Font Size is  8");
  runCommand(finder, 557);
  EXPECT_EQ(finder.settings.FontSize, 12);
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(ColorsTest, TheSummaryWithTheDefaults) {
  runCommand(finder, 560);
  EXPECT_EQ(window.titleText,
            "Findaro 4.1     Letters-Letters  ExcludeSystem-On  UseIgnoreLst-Off  STFocus-Off  UseMagnora-On"
            "  MagnoraHover-Text  VisualPrintFont-Off  MaxPrintLines- 50  DisableSpeech-Off  SpeakShortCuts-On"
            "  IncludeKey-On  MinimalKey-On");
  EXPECT_EQ(sound.beeps.size(), 1u);
}

TEST_F(ColorsTest, TheSummaryWithOddValues) {
  Settings s;
  s.EnableSpeakLetters = 0;
  s.UseHover = 3;
  s.MaxPrintLines = 0;
  EXPECT_EQ(settingsSummaryText(s).substr(0, 12), "  Letters-No");
  EXPECT_NE(settingsSummaryText(s).find("  MagnoraHover-Both  "), std::string::npos);
  EXPECT_NE(settingsSummaryText(s).find("  MaxPrintLines-UnLmtd  "), std::string::npos);
  s.EnableSpeakLetters = 4;
  s.UseHover = -1;
  s.PrintFont = 2;
  s.MaxPrintLines = 75;
  std::string text = settingsSummaryText(s);
  EXPECT_EQ(text.substr(0, 12), "  Letters-  ");
  EXPECT_NE(text.find("  MagnoraHover-  VisualPrintFont-  MaxPrintLines- 75  "), std::string::npos) << text;
}
