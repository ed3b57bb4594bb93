#include "findaro/lists/actions_list.h"

#include <gtest/gtest.h>

#include "findaro/actions/outside_programs.h"
#include "findaro/app/window_events.h"
#include "findaro/lists/settings_list.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

namespace {

constexpr const char* kNotAvailable = "Not available when Shortcuts are displayed";

}  // namespace

class ActionsListTest : public FinderTest {
 protected:
  void SetUp() override {
    finder.settings.SearchType = kModeActionsList;
    showActionsList(finder);
    calls.clear();
  }
  void choose(int r) {
    list.selected = r;
    onListKeyDown(finder, 0x20);
  }
};

TEST(ActionsListRows, TextsAndWhatEachRowDoes) {
  std::vector<std::string> rows = actionsRowTexts();
  ASSERT_EQ(rows.size(), 34u);
  EXPECT_EQ(rows[0], "1 Display Settings Shortcuts - F1");  // named after the list it shows
  EXPECT_EQ(rows[3], "4 Open Everything - F3");  // spelled right
  EXPECT_EQ(rows[23], "24 Speak List Location - Ctrl+0 (Zero)");
  EXPECT_EQ(rows[30], "31 Open Everything - F3");  // the key that opens it
  EXPECT_EQ(rows[33], "34 Next Menu - Ctrl+Shift+N");
  for (int r = 1; r <= 34; ++r) EXPECT_EQ(rows[static_cast<size_t>(r - 1)].rfind(std::to_string(r) + " ", 0), 0u);
  EXPECT_EQ(actionsRowText(35), "");
  using K = ActionsChoice;
  EXPECT_EQ(actionsRowChoice(1).kind, K::SettingsList);
  EXPECT_EQ(actionsRowChoice(2).kind, K::OnlineHelp);
  EXPECT_EQ(actionsRowChoice(3).kind, K::ActionsList);
  // Rows that run a command, with the command each runs.
  const std::pair<int, int> commands[] = {{4, 547},  {6, 505},  {7, 506},  {8, 507},  {9, 508},  {12, 529},
                                          {13, 530}, {14, 553}, {15, 535}, {16, 540}, {24, 556}, {25, 523},
                                          {27, 569}, {28, 570}, {29, 568}, {30, 571}, {31, 547}, {32, 559},
                                          {33, 560}, {34, 518}};
  for (auto [r, command] : commands) {
    EXPECT_EQ(actionsRowChoice(r).kind, K::Command) << r;
    EXPECT_EQ(actionsRowChoice(r).command, command) << r;
  }
  // Rows that need a search result, which the list has replaced.
  for (int r : {5, 10, 11, 17, 18, 19, 20, 21, 22, 23, 26}) EXPECT_EQ(actionsRowChoice(r).kind, K::NotAvailable) << r;
  EXPECT_EQ(actionsRowChoice(0).kind, K::NotAvailable);
}

TEST_F(ActionsListTest, ShowingTheListFillsItsThirtyFourRows) {
  EXPECT_EQ(finder.results.count(), kActionsRowCount);
  EXPECT_EQ(list.items, kActionsRowCount);
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(window.focused, Focus::ResultsList);
  EXPECT_TRUE(actionsListShown(finder));
}

TEST_F(ActionsListTest, ARowRunsItsCommandWithoutAShortcutAnnouncement) {
  searchBox.content = "texas";
  choose(25);
  EXPECT_EQ(searchBox.content, "");
  EXPECT_EQ(spokenTexts(), std::vector<std::string>{"Search Term Cleared"});
  EXPECT_EQ(sound.beeps.size(), 1u);
  EXPECT_EQ(list.selected, 25);
  EXPECT_EQ(finder.results.count(), kActionsRowCount);

  choose(34);
  EXPECT_EQ(finder.toolbarPage, 1);
  choose(30);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
  EXPECT_EQ(voice.lastText(), "Speech is Disabled");
  choose(33);
  EXPECT_EQ(window.titleText.rfind("Findaro 4.1     Letters-", 0), 0u) << window.titleText;
  EXPECT_NE(window.titleText.find("DisableSpeech-On"), std::string::npos);
}

TEST_F(ActionsListTest, ASearchRowSearches) {
  searchBox.content = "texas";
  choose(8);
  EXPECT_EQ(finder.settings.SearchType, kModeBoth);
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_NE(processes.commandLines[0].find("texas"), std::string::npos);
}

TEST_F(ActionsListTest, RowsThatNeedAResultSaySoAndDoNothing) {
  searchBox.content = "texas";
  for (int r : {5, 10, 11, 17, 23, 26}) {
    voice.spoken.clear();
    choose(r);
    EXPECT_EQ(spokenTexts(), std::vector<std::string>{kNotAvailable}) << r;
  }
  EXPECT_EQ(searchBox.content, "texas");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_TRUE(clipboard.puts == 0);
  EXPECT_EQ(finder.settings.SearchType, kModeActionsList);
}

TEST_F(ActionsListTest, TheFirstRowsOpenTheOtherListHelpAndThisList) {
  files.files["magnora.exe"] = "";
  choose(2);
  EXPECT_EQ(processes.opened, std::vector<std::string>{kHelpPageAddress});
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0].rfind("C:\\prog\\magnora.exe ", 0), 0u);

  list.selected = 7;
  choose(3);
  EXPECT_EQ(finder.settings.SearchType, kModeActionsList);
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(list.columns[1].title, "Action Shortcuts");

  choose(1);
  EXPECT_EQ(finder.settings.SearchType, kModeSettingsList);
  EXPECT_EQ(list.columns[1].title, "Settings Shortcuts");
  EXPECT_EQ(finder.results.count(), kSettingsRowCount);
  EXPECT_TRUE(settingsListShown(finder));
}

TEST_F(ActionsListTest, ASpeakLocationRowNamesTheRow) {
  choose(24);
  EXPECT_EQ(voice.lastText(), "Line 24 of  34 : 24 Speak List Location - Ctrl+0 (Zero)");
}

TEST_F(ActionsListTest, WithNoRowSelectedNothingRuns) {
  choose(0);
  EXPECT_EQ(spokenTexts(), std::vector<std::string>{"No selection"});
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(ActionsListTest, SavedResultsUnderTheListsTitlesAreNotRowsOfTheList) {
  std::vector<ResultRecord> saved(34);
  for (size_t i = 0; i < saved.size(); ++i) saved[i].Name = "file" + std::to_string(i) + ".txt";
  finder.results.assign(saved);
  searchBox.content = "texas";
  choose(25);
  EXPECT_EQ(searchBox.content, "texas");
  EXPECT_TRUE(voice.spoken.empty());
}
