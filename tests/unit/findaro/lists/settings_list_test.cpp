#include "findaro/lists/settings_list.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "findaro/app/window_events.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::Utterance;

namespace {

const std::vector<std::string> kDefaultRows = {
    "1 Hide Toolbar Text - Ctrl+B  - OFF",
    "2 Icon Size - Ctrl+E  -  64",
    "3 Enable Speak Letters - Ctrl+N  - Letters",
    "4 Exclude System Folders - Ctrl+Q  - ON",
    "5 Max Search Results - Ctrl+T  -  100",
    "6 Sort Type - Ctrl+U  - Date",
    "7 Show Toolbar - Ctrl+W  - ON",
    "8 Change Colors - Ctrl+Y  - Yellow on Blue",
    "9 Use Short Path - Ctrl+5  - ON",
    "10 Enable ToolTips - Ctrl+6  - Text",
    "11 Enable Time in Date - Ctrl+7  -  ON",
    "12 Speaking Speed - Ctrl+8  - Normal",
    "13 Disable Speech - F9  - OFF",
    "14 Use Ignore List - F10  - OFF",
    "15 Use Magnora - Ctrl+Shift+B - ON",
    "16 Search Term Focus - Ctrl+Shift+F - OFF",
    "17 Magnora Hover - Ctrl+Shift+H - Text",
    "18 Format File Size - Ctrl+Shift+K - ON",
    "19 Print Using Visual Font - Ctrl+Shift+P - OFF",
    "20 Max Print Lines - Ctrl+Shift+E -  50",
    "21 Show Preview - Ctrl+Shift+A - OFF",
    "22 Speak Shortcuts - Ctrl+Shift+S - ON",
    "23 Increase Font Size - Ctrl+Shift+L -  48",
    "24 Decrease Font Size - Ctrl+Shift+M -  48",
    "25 Preview Resize - Ctrl+Shift+R - ON",
    "26 Image BG Color - Ctrl+Shift+I - Blue",
    "27 Include Shortcut Key - Ctrl+Shift+T - ON",
    "28 Speak Minimal Key - Ctrl+Shift+U - ON",
    "29 Wide Toolbar - Ctrl+Shift+W - ON",
};

}  // namespace

class SettingsListTest : public FinderTest {
 protected:
  void show() {
    finder.settings.SearchType = kModeSettingsList;
    showSettingsList(finder);
  }
  std::string row(int r) const { return std::string(finder.results.at(r).Name); }
  // Chooses a row as Space on it does.
  void choose(int r) {
    list.selected = r;
    onListKeyDown(finder, 0x20);
  }
};

TEST(SettingsListRows, TheDefaultsReadAsTheUserHearsThem) {
  Settings defaults;
  EXPECT_EQ(settingsRowTexts(defaults), kDefaultRows);
  EXPECT_EQ(settingsRowText(defaults, 0), "");
  EXPECT_EQ(settingsRowText(defaults, 30), "");
}

TEST(SettingsListRows, ValuesOutsideTheirListsAreShownAsNothing) {
  Settings s;
  s.BG = 12345;               // no scheme has this background
  s.MaxResults = 0;
  s.MaxPrintLines = 0;
  s.EnableSpeakLetters = 4;
  s.EnableToolTips = -1;
  s.EnableTime = 2;
  s.vRate = 5;
  s.ImageBG = 3;
  s.UseKB = 7;
  s.SortType = 9;             // anything but 0 sorts by date
  EXPECT_EQ(settingsRowText(s, 8), "8 Change Colors - Ctrl+Y  - ");
  EXPECT_EQ(settingsRowText(s, 5), "5 Max Search Results - Ctrl+T  - Unlimited");
  EXPECT_EQ(settingsRowText(s, 20), "20 Max Print Lines - Ctrl+Shift+E - Unlimited");
  EXPECT_EQ(settingsRowText(s, 3), "3 Enable Speak Letters - Ctrl+N  - ");
  EXPECT_EQ(settingsRowText(s, 10), "10 Enable ToolTips - Ctrl+6  - ");
  EXPECT_EQ(settingsRowText(s, 11), "11 Enable Time in Date - Ctrl+7  - ");
  EXPECT_EQ(settingsRowText(s, 12), "12 Speaking Speed - Ctrl+8  - ");
  EXPECT_EQ(settingsRowText(s, 26), "26 Image BG Color - Ctrl+Shift+I - ");
  EXPECT_EQ(settingsRowText(s, 18), "18 Format File Size - Ctrl+Shift+K - ");
  EXPECT_EQ(settingsRowText(s, 6), "6 Sort Type - Ctrl+U  - Date");
  s.vRate = -3;
  EXPECT_EQ(settingsRowText(s, 12), "12 Speaking Speed - Ctrl+8  - Slow");
  s.vRate = 3;
  EXPECT_EQ(settingsRowText(s, 12), "12 Speaking Speed - Ctrl+8  - Fast");
  s.BG = 65535;
  EXPECT_EQ(settingsRowText(s, 8), "8 Change Colors - Ctrl+Y  - Black on Yellow");
}

TEST(SettingsListRows, EachRowRunsTheCommandOfTheSettingItShows) {
  const int commands[kSettingsRowCount] = {528, 537, 532, 538, 534, 533, 536, 509, 548, 549, 550, 554, 571, 541, 542,
                                           545, 543, 551, 544, 552, 561, 563, 557, 558, 562, 567, 565, 566, 564};
  for (int r = 1; r <= kSettingsRowCount; ++r) EXPECT_EQ(settingsRowCommand(r), commands[r - 1]) << r;
  EXPECT_EQ(settingsRowCommand(0), 0);
}

TEST_F(SettingsListTest, ShowingTheListReplacesTheResultsAndSelectsRowOne) {
  show();
  EXPECT_EQ(finder.results.count(), kSettingsRowCount);
  EXPECT_EQ(row(1), kDefaultRows[0]);
  EXPECT_EQ(row(29), kDefaultRows[28]);
  EXPECT_EQ(list.items, kSettingsRowCount);
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(window.focused, Focus::ResultsList);
  EXPECT_LT(calls.indexOf("delete all items"), calls.indexOf("item count 29"));
  EXPECT_LT(calls.indexOf("item count 29"), calls.indexOf("select row 1"));
  EXPECT_TRUE(settingsListShown(finder));
}

TEST_F(SettingsListTest, ChoosingARowChangesTheSettingAndTheRowInPlace) {
  show();
  choose(6);
  EXPECT_EQ(finder.settings.SortType, 0);
  EXPECT_EQ(sound.beeps.size(), 1u);
  // Run as a command, never announced as a shortcut: its own confirmation only.
  EXPECT_EQ(spokenTexts(), std::vector<std::string>{"Sort Type is File Name"});
  EXPECT_EQ(row(6), "6 Sort Type - Ctrl+U  - File Name");
  EXPECT_EQ(list.selected, 6);
  EXPECT_EQ(finder.results.count(), kSettingsRowCount);
  EXPECT_EQ(row(5), kDefaultRows[4]);
  EXPECT_EQ(window.titleText.rfind("Findaro 4.1     Letters-Letters", 0), 0u) << window.titleText;
  EXPECT_EQ(calls.calls.back(), "redraw list");
}

TEST_F(SettingsListTest, ChoosingMaxResultsTwiceShowsTheLatestValue) {
  show();
  choose(5);
  choose(5);
  EXPECT_EQ(finder.settings.MaxResults, 1000);
  EXPECT_EQ(voice.lastText(), "Max Search Results is  1000");
  EXPECT_EQ(row(5), "5 Max Search Results - Ctrl+T  -  1000");
}

TEST_F(SettingsListTest, ARefreshedRowReadsWithTheLabelItWasFirstShownWith) {
  show();
  choose(2);
  EXPECT_NE(finder.settings.IconSize, 64);
  EXPECT_EQ(row(2), "2 Icon Size - Ctrl+E  - " + std::string(" ") + std::to_string(finder.settings.IconSize));
  choose(18);
  EXPECT_EQ(row(18), "18 Format File Size - Ctrl+Shift+K - OFF");
}

TEST_F(SettingsListTest, RowsThirteenAndFourteenChangeTheSettingsTheyShow) {
  show();
  choose(14);
  EXPECT_EQ(finder.settings.UseIgnoreList, 1);
  EXPECT_EQ(row(14), "14 Use Ignore List - F10  - ON");
  EXPECT_EQ(voice.lastText(), "Ignore List is ON");
  choose(13);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
  EXPECT_EQ(row(13), "13 Disable Speech - F9  - ON");
  EXPECT_EQ(voice.lastText(), "Speech is Disabled");
  EXPECT_EQ(finder.settings.UseIgnoreList, 1);
}

TEST_F(SettingsListTest, TheSpeedCycledToAnUnusualSlowRateShowsNoName) {
  finder.settings.SlowRate = -5;
  finder.settings.vRate = 3;
  show();
  EXPECT_EQ(row(12), "12 Speaking Speed - Ctrl+8  - Fast");
  choose(12);
  EXPECT_EQ(finder.settings.vRate, -5);
  EXPECT_EQ(row(12), "12 Speaking Speed - Ctrl+8  - ");
}

TEST_F(SettingsListTest, BothFontSizeRowsFollowTheSize) {
  show();
  choose(23);
  EXPECT_EQ(finder.settings.FontSize, 52);
  EXPECT_EQ(voice.lastText(), "Font Size is  52");
  EXPECT_EQ(row(23), "23 Increase Font Size - Ctrl+Shift+L -  52");
  EXPECT_EQ(row(24), "24 Decrease Font Size - Ctrl+Shift+M -  52");
}

TEST_F(SettingsListTest, ChoosingColoursCyclesTheScheme) {
  show();
  choose(8);
  EXPECT_EQ(row(8), "8 Change Colors - Ctrl+Y  - Black on White");
  EXPECT_TRUE(calls.called("list colors 0 16777215"));
  EXPECT_EQ(list.columns[1].title, "Settings Shortcuts");
}

TEST_F(SettingsListTest, WithNoRowSelectedNothingChanges) {
  show();
  std::vector<std::string> before = kDefaultRows;
  choose(0);
  EXPECT_EQ(voice.lastText(), "No selection");
  EXPECT_TRUE(sound.beeps.empty());
  for (int r = 1; r <= kSettingsRowCount; ++r) EXPECT_EQ(row(r), before[static_cast<size_t>(r - 1)]);
}

TEST_F(SettingsListTest, SavedResultsUnderTheListsTitlesAreNotRowsOfTheList) {
  // A restart in list mode 5 shows the saved results until Esc.
  std::vector<ResultRecord> saved(29);
  for (size_t i = 0; i < saved.size(); ++i) saved[i].Name = "file" + std::to_string(i) + ".txt";
  finder.results.assign(saved);
  finder.settings.SearchType = kModeSettingsList;
  choose(6);
  EXPECT_EQ(finder.settings.SortType, 1);
  EXPECT_EQ(row(6), "file5.txt");
  EXPECT_TRUE(voice.spoken.empty());
  refreshSettingsRow(finder, 6);
  EXPECT_EQ(row(6), "file5.txt");
}

TEST_F(SettingsListTest, ARefreshOutsideTheListChangesNothing) {
  show();
  finder.settings.SortType = 0;
  finder.settings.SearchType = kModeActionsList;
  refreshSettingsRow(finder, 6);
  EXPECT_EQ(row(6), kDefaultRows[5]);
  finder.settings.SearchType = kModeSettingsList;
  refreshSettingsRow(finder, 6);
  EXPECT_EQ(row(6), "6 Sort Type - Ctrl+U  - File Name");
}
