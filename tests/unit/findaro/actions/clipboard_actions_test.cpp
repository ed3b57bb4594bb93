#include "findaro/actions/clipboard_actions.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

TEST(DropFilesBlock, IsTheHeaderThenTheWidePathAndTwoTerminators) {
  const std::string block = dropFilesBlock("C:\\a\\Café.txt");
  const std::string expected = std::string("\x14\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\x01\0\0\0", 20) +
                               std::string("C\0:\0\\\0a\0\\\0C\0a\0f\0\xE9\0.\0t\0x\0t\0", 26) +
                               std::string("\0\0\0\0", 4);
  EXPECT_EQ(block, expected);
  EXPECT_EQ(block.size(), 20u + 2u * (13u + 2u));
  // A character outside the first plane takes two units.
  EXPECT_EQ(dropFilesBlock("\xF0\x9F\x93\x81").size(), 20u + 2u * (2u + 2u));
}

class ClipboardActionsTest : public FinderTest {
 protected:
  void SetUp() override {
    std::vector<ResultRecord> rows(2);
    rows[0].Name = "budget.xlsx";
    rows[0].Folder = "c:\\office\\";
    rows[1].Name = "letters";
    rows[1].Folder = "c:\\office\\";
    rows[1].IsFolder = 1;
    finder.results.assign(rows);
    files.files["c:\\office\\budget.xlsx"] = "cells";
  }
};

TEST_F(ClipboardActionsTest, TheSelectedFileGoesOnTheClipboardAsAFile) {
  list.selected = 1;
  runCommand(finder, 510);
  EXPECT_EQ(clipboard.fileDrop, dropFilesBlock("c:\\office\\budget.xlsx"));
  EXPECT_EQ(voice.lastText(), "Copying File c:\\office\\budget.xlsx");
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(ClipboardActionsTest, AFolderRowOrNoRowLeavesTheClipboardAlone) {
  clipboard.setText("kept");
  clipboard.puts = 0;
  list.selected = 2;
  copySelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "letters is not a file");
  list.selected = 0;
  copySelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  EXPECT_EQ(clipboard.puts, 0);
  EXPECT_EQ(clipboard.text(), "kept");
}

TEST_F(ClipboardActionsTest, TheWholeResultArrivesAsTheClientWroteIt) {
  copyResultsFile(finder);
  EXPECT_EQ(voice.lastText(), "Search Results not Found");
  EXPECT_FALSE(clipboard.text());

  const std::string utf8 = "Size,Date Modified,Filename\r\n12,05/17/2023 10:30,\"C:\\Menu\\Caf\xC3\xA9.TXT\"\r\n";
  files.files["results.txt"] = "\xEF\xBB\xBF" + utf8;
  runCommand(finder, 559);
  EXPECT_EQ(clipboard.text(), utf8);
  EXPECT_EQ(voice.lastText(), "Search Results Copied to Clipboard");

  // An older client's file in the system's code page is converted, not garbled.
  files.files["results.txt"] = "Filename\r\n\"C:\\Caf\xE9.txt\"\r\n";
  copyResultsFile(finder);
  EXPECT_EQ(clipboard.text(), "Filename\r\n\"C:\\Caf\xC3\xA9.txt\"\r\n");
}

TEST_F(ClipboardActionsTest, CopyInTheSearchBoxTakesTheSelectionOrElseEverything) {
  window.focused = Focus::SearchBox;
  searchBox.content = "yellow rose";
  searchBox.caret = {7, 11};
  EXPECT_TRUE(copySearchText(finder));
  EXPECT_EQ(clipboard.text(), "rose");
  EXPECT_EQ(voice.lastText(), "Selection from Search String  Was Copied");

  searchBox.caret = {3, 3};
  runCommand(finder, 520);
  EXPECT_EQ(clipboard.text(), "yellow rose");
  ASSERT_GE(voice.spoken.size(), 2u);
  EXPECT_EQ(voice.spoken[voice.spoken.size() - 2].text, "Entire Search String  Was Copied");
  EXPECT_EQ(voice.lastText(), "Selection Copied");
}

TEST_F(ClipboardActionsTest, CopyInTheListTakesTheFolderAndElsewhereNothing) {
  window.focused = Focus::ResultsList;
  list.selected = 1;
  runCommand(finder, 520);
  EXPECT_EQ(clipboard.text(), "c:\\office\\");
  EXPECT_EQ(voice.spoken[voice.spoken.size() - 2].text, "Path Copied");

  clipboard.puts = 0;
  voice.spoken.clear();
  list.selected = 0;
  runCommand(finder, 520);
  window.focused = Focus::Toolbar;
  list.selected = 1;
  runCommand(finder, 520);
  EXPECT_EQ(clipboard.puts, 0);
  EXPECT_TRUE(voice.spoken.empty()) << "nothing copied is never confirmed";
}

TEST_F(ClipboardActionsTest, CutAndPasteWorkOnlyInTheSearchBox) {
  window.focused = Focus::ResultsList;
  runCommand(finder, 521);
  EXPECT_EQ(voice.lastText(), "Cut Option not Available");
  runCommand(finder, 522);
  EXPECT_EQ(voice.lastText(), "Paste Option not Available");
  EXPECT_FALSE(calls.called("cut"));
  EXPECT_FALSE(calls.called("paste"));

  window.focused = Focus::SearchBox;
  searchBox.content = "texas maps";
  searchBox.caret = {5, 5};
  cutSearchText(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  EXPECT_FALSE(calls.called("cut"));
  searchBox.caret = {0, 5};
  cutSearchText(finder);
  EXPECT_EQ(searchBox.cutText, "texas");
  EXPECT_EQ(voice.lastText(), "Selection Cut");

  pasteSearchText(finder);
  EXPECT_EQ(voice.lastText(), "No Text On Clipboard");
  clipboard.setText("");
  pasteSearchText(finder);
  EXPECT_EQ(voice.lastText(), "No Text On Clipboard");
  EXPECT_FALSE(calls.called("paste"));
  clipboard.setText("austin");
  runCommand(finder, 522);
  EXPECT_TRUE(calls.called("paste"));
  EXPECT_EQ(voice.lastText(), "Clipboard Pasted");
  EXPECT_EQ(sound.beeps.size(), 3u);
}
