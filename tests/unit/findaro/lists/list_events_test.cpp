// How the user reaches and leaves the two menus: F1, F2, the toolbar's Settings
// button, the context-menu key, Space and Esc.
#include <gtest/gtest.h>

#include "findaro/actions/outside_programs.h"
#include "findaro/app/commands.h"
#include "findaro/app/window_events.h"
#include "findaro/lists/actions_list.h"
#include "findaro/lists/settings_list.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::Utterance;

namespace {

const std::string kSavedResults =
    "Size,Date Modified,Filename\r\n10,05/17/2023 10:30,\"C:\\Maps\\Texas.png\"\r\n"
    "2000,05/16/2023 09:00,\"C:\\Maps\\Dallas Texas.pdf\"\r\n";

}  // namespace

class ListEventsTest : public FinderTest {
 protected:
  void SetUp() override {
    files.files["results.txt"] = kSavedResults;
    finder.settings.SearchType = kModeFolders;
    finder.settings.LastSearchType = kModeFolders;
    std::vector<ResultRecord> rows(2);
    rows[0].Name = "texas.png";
    rows[1].Name = "dallas texas.pdf";
    finder.results.assign(rows);
  }
};

TEST_F(ListEventsTest, F1OpensTheSettingsListAndItsFirstRowCarriesTheGreeting) {
  onHelpKey(finder);
  EXPECT_EQ(finder.settings.SearchType, kModeSettingsList);
  EXPECT_EQ(list.columns[1].title, "Settings Shortcuts");
  EXPECT_EQ(list.columns[1].width, 1600);
  EXPECT_EQ(list.columns[2].width, 0);
  EXPECT_EQ(finder.results.count(), kSettingsRowCount);
  EXPECT_EQ(list.selected, 1);
  EXPECT_TRUE(processes.opened.empty());
  // The list reports the selected row, whose name is spoken after the greeting.
  onRowSelected(finder, 1);
  EXPECT_EQ(voice.lastText(), "Opening Settings List1 Hide Toolbar Text - Ctrl+B  - OFF");
}

TEST_F(ListEventsTest, CtrlF1OpensTheHelpPageOnly) {
  keyboard.control = true;
  onHelpKey(finder);
  EXPECT_EQ(processes.opened, std::vector<std::string>{kHelpPageAddress});
  EXPECT_EQ(finder.settings.SearchType, kModeFolders);
  EXPECT_EQ(finder.results.count(), 2);
  EXPECT_EQ(finder.pendingAnnouncement, "");
}

TEST_F(ListEventsTest, TheContextMenuKeyOpensTheSettingsListFromTheSearchBoxOnly) {
  window.focused = Focus::ResultsList;
  onContextMenu(finder);
  EXPECT_EQ(finder.settings.SearchType, kModeFolders);
  EXPECT_EQ(finder.results.count(), 2);
  window.focused = Focus::SearchBox;
  onContextMenu(finder);
  EXPECT_EQ(finder.settings.SearchType, kModeSettingsList);
  EXPECT_EQ(finder.results.count(), kSettingsRowCount);
  EXPECT_EQ(finder.pendingAnnouncement, "");
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(ListEventsTest, TheSettingsButtonBeepsAndOpensTheList) {
  handleCommand(finder, 515, 0);
  EXPECT_EQ(sound.beeps.size(), 1u);
  EXPECT_EQ(finder.settings.SearchType, kModeSettingsList);
  EXPECT_TRUE(settingsListShown(finder));
}

TEST_F(ListEventsTest, F2SaysItThenShowsTheActionsList) {
  runCommand(finder, 546);
  EXPECT_TRUE(sound.beeps.empty());
  EXPECT_EQ(finder.settings.SearchType, kModeActionsList);
  EXPECT_EQ(list.columns[1].title, "Action Shortcuts");
  ASSERT_FALSE(voice.spoken.empty());
  EXPECT_EQ(voice.spoken.front(), (Utterance{"Opening Actions List", 2}));
  EXPECT_EQ(finder.results.count(), kActionsRowCount);
  EXPECT_TRUE(actionsListShown(finder));
}

TEST_F(ListEventsTest, SpaceChoosesTheRowOfTheListShown) {
  onHelpKey(finder);
  list.selected = 6;
  EXPECT_FALSE(onListKeyDown(finder, 0x20));
  EXPECT_EQ(finder.settings.SortType, 0);
  EXPECT_EQ(finder.results.at(6).Name, "6 Sort Type - Ctrl+U  - File Name");

  runCommand(finder, 546);
  searchBox.content = "texas";
  list.selected = 25;
  EXPECT_FALSE(onListKeyDown(finder, 0x20));
  EXPECT_EQ(searchBox.content, "");
  EXPECT_EQ(voice.lastText(), "Search Term Cleared");
}

TEST_F(ListEventsTest, OtherKeysInTheListsMakeTheLetterJump) {
  onHelpKey(finder);
  list.selected = 1;
  EXPECT_TRUE(onListKeyDown(finder, '2'));
  EXPECT_EQ(list.selected, 2);
  EXPECT_EQ(finder.settings.IconSize, 64);  // nothing chosen
  finder.settings.SearchType = kModeFolders;
  finder.results.assign({ResultRecord{"apple", "", "", "", 0, 0}, ResultRecord{"b c", "", "", "", 0, 0}});
  list.selected = 1;
  EXPECT_FALSE(onListKeyDown(finder, 0x20));  // Space in the results chooses nothing
  EXPECT_EQ(list.selected, 1);
  EXPECT_TRUE(onListKeyDown(finder, 'B'));
  EXPECT_EQ(list.selected, 2);
}

TEST_F(ListEventsTest, TheMenusAreNotSortedByAColumnClick) {
  onHelpKey(finder);
  onColumnClick(finder, 1);
  EXPECT_EQ(finder.results.at(2).Name, "2 Icon Size - Ctrl+E  -  64");
  list.selected = 2;
  onListKeyDown(finder, 0x20);
  EXPECT_NE(finder.settings.IconSize, 64);  // row 2 still changes the icon size
}

TEST_F(ListEventsTest, EscLeavesAListForTheSavedResults) {
  runCommand(finder, 546);
  voice.spoken.clear();
  handleCommand(finder, 539, 0);
  EXPECT_EQ(finder.settings.SearchType, kModeFolders);
  EXPECT_EQ(voice.spoken.front(), (Utterance{"Returning to Results", 2}));
  EXPECT_EQ(finder.results.count(), 2);
  EXPECT_EQ(finder.results.at(1).Name, "texas.png");
  EXPECT_FALSE(window.closed);
}
