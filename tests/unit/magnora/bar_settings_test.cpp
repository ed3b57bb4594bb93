#include "magnora/buttons/bar_settings.h"

#include <gtest/gtest.h>

using namespace magnora;
using Words = std::vector<std::string>;

TEST(MagnoraCommandWords, BlanksSeparateAndQuotesEnclose) {
  EXPECT_EQ(splitCommandWords("96 1  0   1"), (Words{"96", "1", "0", "1"}));
  EXPECT_EQ(splitCommandWords("  96 "), (Words{"96"}));
  EXPECT_EQ(splitCommandWords(""), Words{});
  EXPECT_EQ(splitCommandWords("\"12 3\" 4"), (Words{"12 3", "4"}));
  EXPECT_EQ(splitCommandWords("\"7\"8"), (Words{"7", "8"}));
  // An unclosed quote runs to the end of the tail.
  EXPECT_EQ(splitCommandWords("1 \"2 3"), (Words{"1", "2 3"}));
  // A quote inside a word is part of it.
  EXPECT_EQ(splitCommandWords("a\"b c"), (Words{"a\"b", "c"}));
}

TEST(MagnoraCommandWords, AnEmptyQuotedPairIsNoWord) {
  EXPECT_EQ(splitCommandWords("\"\" 96 \"\"\"\" 1"), (Words{"96", "1"}));
  BarSettings s = readBarSettings("\"\" 100 1");
  EXPECT_EQ(s.buttonSize, 100);
  EXPECT_EQ(s.history, 1);
  // A quoted blank is a word, and reads 0.
  EXPECT_EQ(readBarSettings("\" \" 1").history, 1);
}

TEST(MagnoraBarSettings, TheFindersNineteenWordsSetEveryField) {
  BarSettings s = readBarSettings("96 1 0 1 1 0 0 0 0 0 3 0 0 0 0 0 1 0 0");
  EXPECT_EQ(s.buttonSize, 96);
  EXPECT_EQ(s.history, 1);
  EXPECT_EQ(s.zoom, 0);
  EXPECT_EQ(s.clipboard, 1);
  EXPECT_EQ(s.print, 1);
  EXPECT_EQ(s.hoverMode, 3);
  EXPECT_EQ(s.tab, 0);
  EXPECT_EQ(s.monitor, 1);

  // Each word lands in its own field.
  s = readBarSettings("1 2 3 4 5 6 7 8 9 10 11 12 0 14 15 16 17 18 19");
  EXPECT_EQ((std::vector<int>{s.buttonSize, s.history, s.zoom, s.clipboard, s.print, s.bookmark, s.contrast,
                              s.keyboard, s.magnifier, s.capture, s.hoverMode, s.sound, s.preset, s.exitLParam,
                              s.exitWParam, s.tab, s.monitor, s.dictation}),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 14, 15, 16, 17, 19}));
}

TEST(MagnoraBarSettings, MissingAndNonNumericWordsReadZero) {
  BarSettings none = readBarSettings("");
  EXPECT_EQ(none.buttonSize, 0);
  EXPECT_EQ(none.hoverMode, 0);
  EXPECT_EQ(none.monitor, 1);
  BarSettings odd = readBarSettings("big yes 2x -1 +1 1.5 2.5");
  EXPECT_EQ(odd.buttonSize, 0);
  EXPECT_EQ(odd.history, 0);
  EXPECT_EQ(odd.zoom, 2);  // the leading number of "2x"
  EXPECT_EQ(odd.clipboard, -1);
  EXPECT_EQ(odd.print, 1);
  EXPECT_EQ(odd.bookmark, 2);  // halves to even
  EXPECT_EQ(odd.contrast, 2);
  EXPECT_EQ(odd.monitor, 1);
}

TEST(MagnoraBarSettings, MonitorBelowOneBecomesOne) {
  EXPECT_EQ(readBarSettings("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -4").monitor, 1);
  EXPECT_EQ(readBarSettings("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3").monitor, 3);
}

TEST(MagnoraBarSettings, ThePresetReplacesTenGroupsAndKeepsTabAndDictation) {
  BarSettings s = readBarSettings("0 1 1 0 0 1 0 1 0 0 0 1 1 0 0 1 0 0 1");
  EXPECT_EQ((std::vector<int>{s.history, s.zoom, s.clipboard, s.sound, s.print, s.bookmark, s.contrast, s.keyboard,
                              s.magnifier, s.capture, s.tab, s.dictation}),
            (std::vector<int>{0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1}));
  BarSettings onlyPreset = readBarSettings("0 0 0 0 0 0 0 0 0 0 0 0 1");
  EXPECT_EQ(recount(onlyPreset), 11);  // the close button among them
}

TEST(MagnoraRecount, CountsEveryShownGroupAndTheCloseButton) {
  BarSettings s = readBarSettings("");
  EXPECT_EQ(recount(s), 1);
  EXPECT_EQ(s.buttonSize, 128);
  s = readBarSettings("96 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1 0 0");
  EXPECT_EQ(recount(s), 7);
  EXPECT_EQ(s.buttonSize, 96);
  showAllGroups(s);
  EXPECT_EQ(recount(s), 29);
  hideAllGroups(s);
  EXPECT_EQ(recount(s), 1);
}

TEST(MagnoraRecount, OnlyTheDefaultSizeShrinksAndOnlyAboveFourteen) {
  BarSettings s;
  s.buttonSize = 128;
  showAllGroups(s);
  EXPECT_EQ(recount(s), 29);
  EXPECT_EQ(s.buttonSize, 96);
  hideAllGroups(s);
  recount(s);
  EXPECT_EQ(s.buttonSize, 96);  // stays reduced for the rest of the run

  BarSettings hundred;
  hundred.buttonSize = 100;
  showAllGroups(hundred);
  recount(hundred);
  EXPECT_EQ(hundred.buttonSize, 100);

  // Fourteen buttons still fit at 128: tab 5, sound 4, magnifier 4 and close.
  BarSettings fourteen;
  fourteen.tab = fourteen.sound = fourteen.magnifier = 1;
  EXPECT_EQ(recount(fourteen), 14);
  EXPECT_EQ(fourteen.buttonSize, 128);
  fourteen.capture = 1;
  EXPECT_EQ(recount(fourteen), 15);
  EXPECT_EQ(fourteen.buttonSize, 96);
}

TEST(MagnoraRecount, OddWordsStillGiveABarThatFitsItsButtons) {
  // A group word other than 1 shows the group once, and counts once.
  BarSettings s = readBarSettings("96 2 -1");
  EXPECT_EQ(recount(s), 2 + 3 + 1);
  // A size below one is no size; a huge one is held to something a screen can show.
  BarSettings negative = readBarSettings("-40");
  recount(negative);
  EXPECT_EQ(negative.buttonSize, 128);
  BarSettings huge = readBarSettings("99999999999 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1");
  EXPECT_EQ(recount(huge), 29);
  EXPECT_EQ(huge.buttonSize, kLargestButtonSize);
}

TEST(MagnoraBarSettings, HoverModesChooseTooltipsAndSpeech) {
  BarSettings s;
  std::vector<std::pair<bool, bool>> seen;
  for (int mode : {0, 1, 2, 3, 4}) {
    s.hoverMode = mode;
    seen.emplace_back(wantsTooltips(s), wantsHoverSpeech(s));
  }
  EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{
                      {false, false}, {true, false}, {false, true}, {true, true}, {false, true}}));
}
