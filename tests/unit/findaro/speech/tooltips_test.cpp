#include "findaro/speech/tooltips.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::Utterance;

class TooltipsTest : public FinderTest {};

TEST_F(TooltipsTest, TextModeShowsTheButtonsWordsOncePerVisit) {
  finder.settings.EnableToolTips = 1;
  toolbarTooltipNeeded(finder, 510);
  EXPECT_EQ(tooltip.tip, " Copy File ");
  EXPECT_TRUE(calls.called("tip pop"));
  calls.clear();
  toolbarTooltipNeeded(finder, 510);  // still on the same button
  EXPECT_TRUE(calls.calls.empty());
  toolbarTooltipNeeded(finder, 517);
  EXPECT_EQ(tooltip.tip, " Exit ");
  EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(TooltipsTest, SpeakModeSpeaksOnceAndShowsNothing) {
  finder.settings.EnableToolTips = 2;
  toolbarTooltipNeeded(finder, 505);
  toolbarTooltipNeeded(finder, 505);
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{" Search Files "}));
  EXPECT_EQ(tooltip.tip, "");
  toolbarTooltipNeeded(finder, 506);
  toolbarTooltipNeeded(finder, 505);  // back again: said again
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{" Search Files ", " Search Folders ", " Search Files "}));
}

TEST_F(TooltipsTest, BothModeSpeaksAndShows) {
  finder.settings.EnableToolTips = 3;
  toolbarTooltipNeeded(finder, 516);
  EXPECT_EQ(voice.lastText(), " Print Result List ");
  EXPECT_EQ(tooltip.tip, " Print Result List ");
  // A button without words gets an empty tip and an empty word that only silences.
  toolbarTooltipNeeded(finder, 518);
  EXPECT_EQ(voice.lastText(), "");
  EXPECT_EQ(tooltip.tip, "");
}

TEST_F(TooltipsTest, OffShowsNothingAndForgetsTheButton) {
  finder.settings.EnableToolTips = 1;
  toolbarTooltipNeeded(finder, 510);
  finder.settings.EnableToolTips = 0;
  toolbarTooltipNeeded(finder, 510);
  EXPECT_EQ(tooltip.tip, "");
  EXPECT_EQ(finder.lastHoveredButton, 0);
  finder.settings.EnableToolTips = 1;
  toolbarTooltipNeeded(finder, 510);
  EXPECT_EQ(tooltip.tip, " Copy File ");
}

TEST_F(TooltipsTest, FourCyclesFromTextComeBackToText) {
  finder.settings.EnableToolTips = 1;
  finder.settings.vRate = 3;
  finder.lastHoveredButton = 510;
  tooltip.tip = " Copy File ";
  std::vector<std::string> heard;
  for (int i = 0; i < 4; ++i) {
    cycleTooltipMode(finder);
    heard.push_back(voice.lastText());
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"ToolTips are Speak", "ToolTips are Both", "Tooltips are Off",
                                             "ToolTips are Text"}));
  EXPECT_EQ(finder.settings.EnableToolTips, 1);
  EXPECT_EQ(finder.lastHoveredButton, 0);
  EXPECT_EQ(tooltip.tip, "");
  EXPECT_EQ(voice.rates, (std::vector<int>{3, 3, 3, 3}));
  EXPECT_EQ(voice.spoken.back().flags, 3u);
}

TEST_F(TooltipsTest, TheCycleKeepsThePendingTextAndIsSilentWithoutSpeech) {
  finder.pendingAnnouncement = "Welcome";
  cycleTooltipMode(finder);
  EXPECT_EQ(voice.lastText(), "ToolTips are Speak");
  EXPECT_EQ(finder.pendingAnnouncement, "Welcome");
  finder.settings.DisableSpeech = 1;
  size_t before = voice.spoken.size();
  cycleTooltipMode(finder);
  EXPECT_EQ(voice.spoken.size(), before);
  finder.settings.EnableToolTips = 8;
  finder.settings.DisableSpeech = 0;
  cycleTooltipMode(finder);
  EXPECT_EQ(finder.settings.EnableToolTips, 8);
  EXPECT_EQ(voice.lastText(), "");
}
