#include "findaro/app/window_events.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/focus_narration.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class WindowEventsTest : public FinderTest {
 protected:
  void SetUp() override {
    std::vector<ResultRecord> rows;
    for (const char* name : {"apple.txt", "banana.txt", "avocado", "berry.doc", "7zip.exe"}) {
      ResultRecord r;
      r.Name = name;
      r.Folder = "c:\\fruit\\";
      r.DateText = " 05/17/2023 10:30 ";
      r.SizeText = "12";
      r.SizeValue = 12;
      rows.push_back(r);
    }
    finder.results.assign(rows);
  }
};

TEST_F(WindowEventsTest, ARowChangeShowsTheRowAndSpeaksItsName) {
  finder.pendingAnnouncement = "Welcome ";
  onRowSelected(finder, 2);
  EXPECT_EQ(window.status, "     2  banana.txt  05/17/2023 10:30  12  c:\\fruit\\");
  EXPECT_EQ(finder.previewFile, "c:\\fruit\\banana.txt");
  EXPECT_EQ(voice.lastText(), "Welcome banana.txt");
  size_t said = voice.spoken.size();
  onRowSelected(finder, 9);  // no such row
  EXPECT_EQ(voice.spoken.size(), said);
}

TEST_F(WindowEventsTest, TheLetterJumpGoesDownwardOnly) {
  list.selected = 1;
  EXPECT_TRUE(letterJump(finder, 'A'));
  EXPECT_EQ(list.selected, 3);
  EXPECT_FALSE(letterJump(finder, 'A'));  // no later row: it stays
  EXPECT_EQ(list.selected, 3);
  EXPECT_TRUE(letterJump(finder, 'B'));
  EXPECT_EQ(list.selected, 4);
  EXPECT_TRUE(letterJump(finder, '7'));
  EXPECT_EQ(list.selected, 5);
  list.selected = 0;
  EXPECT_TRUE(letterJump(finder, 'A'));
  EXPECT_EQ(list.selected, 1);
}

TEST_F(WindowEventsTest, NavigationKeysAreLeftToTheList) {
  finder.results.resetToSingle("(rare).txt");
  list.selected = 0;
  EXPECT_FALSE(letterJump(finder, 0x28));  // the down arrow's code is "("
  EXPECT_EQ(list.selected, 0);
}

TEST_F(WindowEventsTest, AColumnClickSortsAndRedraws) {
  onColumnClick(finder, 1);
  EXPECT_EQ(finder.results.at(1).Name, "berry.doc");
  EXPECT_TRUE(calls.called("redraw list"));
  EXPECT_EQ(list.selected, 1);
}

TEST_F(WindowEventsTest, TheDragStripIsRightOfTheButtonsWithinTheToolbar) {
  EXPECT_TRUE(isDragStrip(901, 10, 900, 90));
  EXPECT_FALSE(isDragStrip(900, 10, 900, 90));
  EXPECT_FALSE(isDragStrip(950, 90, 900, 90));
}

TEST_F(WindowEventsTest, TheWheelStepsTheFontByFourNeverBelowEight) {
  onMouseWheel(finder, 120);
  EXPECT_EQ(finder.settings.FontSize, 52);
  EXPECT_EQ(voice.lastText(), "Font Size is  52");
  finder.settings.FontSize = 10;
  onMouseWheel(finder, -120);
  EXPECT_EQ(finder.settings.FontSize, 8);
  onMouseWheel(finder, -120);
  EXPECT_EQ(voice.lastText(), "Font Size is  8");
  size_t said = voice.spoken.size();
  onMouseWheel(finder, 0);
  EXPECT_EQ(voice.spoken.size(), said);
  EXPECT_TRUE(calls.called("search colors 65535 16711680"));
}

TEST_F(WindowEventsTest, FocusAnnouncements) {
  searchBox.content = "*.txt";
  announceSearchBoxFocus(finder);
  EXPECT_EQ(voice.lastText(), "SearchBox has focus. Search term is  *.txt");
  EXPECT_EQ(finder.settings.SearchTerm, "*.txt");
  searchBox.content = "";
  announceSearchBoxFocus(finder);
  EXPECT_EQ(voice.lastText(), "SearchBox has focus. Search term is Empty");
  list.selected = 2;
  announceListFocus(finder);
  EXPECT_EQ(voice.lastText(), "Results List has focus. banana.txt");
  list.selected = 0;
  announceListFocus(finder);
  EXPECT_EQ(voice.lastText(), "Results List has focus. ");
  announceToolbarFocus(finder);
  EXPECT_EQ(voice.lastText(), "ToolBar has focus");
}

TEST_F(WindowEventsTest, EnterSearchesForFilesFromTheSearchBox) {
  finder.settings.SearchType = 3;
  searchBox.content = "apple";
  handleCommand(finder, 1, 0);
  EXPECT_EQ(finder.settings.SearchType, 1);
  EXPECT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(sound.beeps.front(), std::make_pair(275, 150));
  window.focused = Focus::ResultsList;
  handleCommand(finder, 1, 0);
  EXPECT_EQ(processes.commandLines.size(), 1u);  // Enter in the list opens, it does not search
  handleCommand(finder, 507, 0);
  EXPECT_EQ(finder.settings.SearchType, 3);
  EXPECT_EQ(processes.commandLines.size(), 2u);
}

TEST_F(WindowEventsTest, WhileASearchRunsTheMouseAndTheListKeysLeaveEverythingAlone) {
  processes.keepsRunning = true;
  searchBox.content = "apple";
  handleCommand(finder, 505, 0);
  ASSERT_TRUE(searchInProgress(finder));
  int fontSize = finder.settings.FontSize;
  std::vector<std::string> shown = {std::string(finder.results.at(1).Name)};
  auto heldBack = [&](const char* what) {
    EXPECT_EQ(voice.lastText(), "Search in Progress") << what;
    voice.spoken.clear();
  };
  onMouseWheel(finder, 120);
  heldBack("wheel");
  onColumnClick(finder, 1);
  heldBack("column click");
  EXPECT_FALSE(onListKeyDown(finder, 'A'));
  heldBack("letter in the list");
  onListDoubleClick(finder);
  heldBack("double click");
  onHelpKey(finder);
  heldBack("F1");
  window.focused = Focus::SearchBox;
  onContextMenu(finder);
  heldBack("context menu");
  EXPECT_EQ(finder.settings.FontSize, fontSize);
  EXPECT_EQ(finder.settings.SearchType, 1);
  EXPECT_EQ(std::string(finder.results.at(1).Name), "Loading ...");
  EXPECT_TRUE(processes.opened.empty());
  EXPECT_EQ(processes.commandLines.size(), 1u);
}

TEST_F(WindowEventsTest, WhileASearchRunsOnlyShortcutKeysAltF4AndModifiersGoOn) {
  constexpr int kEscape = 0x1B, kF4 = 0x73, kF9 = 0x78, kShift = 0x10, kTab = 0x09, kReturn = 0x0D, kLeft = 0x25;
  EXPECT_TRUE(keyGoesOn(finder, 'A', true, false));  // no search: every key goes on
  processes.keepsRunning = true;
  runSearch(finder, 1);
  voice.spoken.clear();
  for (int key : {kEscape, kF9, kShift}) EXPECT_TRUE(keyGoesOn(finder, key, true, false)) << key;
  EXPECT_TRUE(keyGoesOn(finder, kF4, true, true));  // Alt+F4 closes the window
  keyboard.control = true;
  EXPECT_TRUE(keyGoesOn(finder, 'F', true, false));  // a shortcut: its command decides
  EXPECT_TRUE(voice.spoken.empty());
  keyboard.shift = true;
  EXPECT_TRUE(keyGoesOn(finder, 'F', true, false));  // Ctrl+Shift+F is one too
  keyboard.shift = false;
  EXPECT_FALSE(keyGoesOn(finder, kF4, true, false));  // F4 alone is one, Ctrl+F4 none
  keyboard.control = keyboard.shift = false;
  for (int key : {int{'A'}, kTab, kReturn, kLeft, 0xE7 /* a typed character */}) {
    voice.spoken.clear();
    EXPECT_FALSE(keyGoesOn(finder, key, true, false)) << key;
    EXPECT_EQ(voice.lastText(), "Search in Progress") << key;
    // Its release is held back too, without a word.
    voice.spoken.clear();
    EXPECT_FALSE(keyGoesOn(finder, key, false, false)) << key;
    EXPECT_TRUE(voice.spoken.empty()) << key;
  }
  EXPECT_FALSE(keyGoesOn(finder, 'F', true, true));  // Alt+F is no shortcut
}
