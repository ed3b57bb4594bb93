#include "findaro/search/folder_navigation.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "findaro/lists/actions_list.h"
#include "findaro/lists/settings_list.h"
#include "findaro/search/search_arguments.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::Utterance;

TEST(ParentFolder, OneLevelUpOrNothingAtTheTop) {
  EXPECT_EQ(parentFolder("c:\\users\\ann\\"), "c:\\users\\");
  EXPECT_EQ(parentFolder("c:\\users\\"), "c:\\");
  EXPECT_EQ(parentFolder("c:\\"), "");
  EXPECT_EQ(parentFolder("\\\\server\\share\\dir\\"), "server\\share\\");
  EXPECT_EQ(parentFolder("c:\\users"), "c:\\");
  EXPECT_EQ(parentFolder(""), "");
  EXPECT_EQ(parentFolder("\\\\\\"), "");
}

class FolderNavigationTest : public FinderTest {
 protected:
  void SetUp() override {
    buildCategoryLists(finder);
    finder.settings.SearchType = kModeFiles;
    rows({{"notes.txt", "c:\\users\\ann\\", 0},
          {"ann", "c:\\users\\", 1},
          {"song.mp3", "c:\\users\\ann\\", 0},
          {"photos", "c:\\users\\ann\\", 1},
          {"last.txt", "c:\\", 0}});
  }
  struct Row {
    const char* name;
    const char* folder;
    int isFolder;
  };
  void rows(std::initializer_list<Row> list) {
    std::vector<ResultRecord> records;
    for (const Row& r : list) {
      ResultRecord record;
      record.Name = r.name;
      record.Folder = r.folder;
      record.IsFolder = r.isFolder;
      records.push_back(record);
    }
    finder.results.assign(records);
    this->list.items = finder.results.count();
  }
};

TEST_F(FolderNavigationTest, CtrlSSearchesTheRowsFolderForFilesAndFolders) {
  list.selected = 2;  // a folder row: the folder that holds it is searched
  handleCommand(finder, 513, 0);
  EXPECT_EQ(sound.beeps.size(), 1u);
  EXPECT_EQ(finder.settings.SearchType, kModeBoth);
  EXPECT_EQ(finder.settings.LastSearchType, kModeBoth);
  EXPECT_EQ(voice.spoken.front(), (Utterance{"Searching for files and folders matching c:\\users\\", 2}));
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_NE(processes.commandLines[0].find("-export-csv results.txt c:\\users\\"), std::string::npos);
}

TEST_F(FolderNavigationTest, F5SearchesTheParentAndATopLevelRowAnEmptyTerm) {
  list.selected = 1;
  handleCommand(finder, 514, 0);
  EXPECT_EQ(finder.settings.SearchTerm, "c:\\users\\");
  rows({{"last.txt", "c:\\", 0}});
  list.selected = 1;
  expandParentFolder(finder);
  EXPECT_EQ(finder.settings.SearchTerm, "");
  EXPECT_EQ(processes.commandLines.size(), 2u);
}

TEST_F(FolderNavigationTest, NamesInAnyLanguageCanBeExpanded) {
  rows({{"menu.txt", "c:\\caf\xC3\xA9 m\xC3\xBCller\\", 0}});
  list.selected = 1;
  expandFolder(finder);
  EXPECT_EQ(processes.commandLines.size(), 1u);
  EXPECT_NE(voice.lastText(), "Invalid Search Term");
}

TEST_F(FolderNavigationTest, AFolderOutsideTheAlphabetIsRefusedAndSelected) {
  rows({{"x.txt", "c:\\o'brien\\", 0}});
  list.selected = 1;
  expandFolder(finder);
  EXPECT_EQ(voice.lastText(), "Invalid Search Term");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_EQ(searchBox.content, "c:\\o'brien\\");
  EXPECT_EQ(searchBox.selectedText(), "c:\\o'brien\\");
}

TEST_F(FolderNavigationTest, WithoutASelectionNothingIsSearched) {
  searchBox.content = "texas";
  list.selected = 0;
  expandFolder(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  expandParentFolder(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_EQ(searchBox.content, "texas");
  EXPECT_EQ(finder.settings.SearchType, kModeFiles);
}

TEST_F(FolderNavigationTest, TheMenusHaveNoFoldersToExpand) {
  searchBox.content = "texas";
  finder.settings.SearchType = kModeActionsList;
  showActionsList(finder);
  list.selected = 17;
  handleCommand(finder, 513, 0);
  EXPECT_EQ(voice.lastText(), "Not available when Shortcuts are displayed");
  finder.settings.SearchType = kModeSettingsList;
  showSettingsList(finder);
  handleCommand(finder, 514, 0);
  EXPECT_EQ(voice.lastText(), "Not available when Shortcuts are displayed");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_EQ(searchBox.content, "texas");
}

TEST_F(FolderNavigationTest, CtrlNineSelectsTheNextFolderDownward) {
  list.selected = 2;
  runCommand(finder, 555);
  EXPECT_EQ(list.selected, 4);
  EXPECT_EQ(voice.spoken.back(), (Utterance{"Folder Found", 2}));
  EXPECT_TRUE(sound.beeps.empty());
  runCommand(finder, 555);
  EXPECT_EQ(list.selected, 4);
  EXPECT_EQ(voice.lastText(), "Folder Not Found in List");
  list.selected = 5;
  jumpToNextFolder(finder);
  EXPECT_EQ(voice.lastText(), "Folder Not Found in List");
  EXPECT_EQ(list.selected, 5);
  list.selected = 0;
  jumpToNextFolder(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  EXPECT_EQ(list.selected, 0);
}

TEST_F(FolderNavigationTest, CtrlNineInAMenuFindsNoFolder) {
  finder.settings.SearchType = kModeSettingsList;
  showSettingsList(finder);
  jumpToNextFolder(finder);
  EXPECT_EQ(voice.lastText(), "Folder Not Found in List");
  EXPECT_EQ(list.selected, 1);
}

TEST_F(FolderNavigationTest, CtrlZeroSaysWhereTheSelectionIs) {
  list.selected = 3;
  runCommand(finder, 556);
  EXPECT_EQ(voice.lastText(), "Line 3 of  5 : File : song.mp3");
  list.selected = 4;
  speakLocation(finder);
  EXPECT_EQ(voice.lastText(), "Line 4 of  5 : Folder : photos");
  list.selected = 0;
  speakLocation(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(FolderNavigationTest, CtrlZeroInTheMenusNamesNeitherFileNorFolder) {
  finder.settings.SearchType = kModeSettingsList;
  showSettingsList(finder);
  list.selected = 3;
  speakLocation(finder);
  EXPECT_EQ(voice.lastText(), "Line 3 of  29 : 3 Enable Speak Letters - Ctrl+N  - Letters");
  finder.settings.SearchType = kModeActionsList;
  showActionsList(finder);
  list.selected = 12;
  speakLocation(finder);
  EXPECT_EQ(voice.lastText(), "Line 12 of  34 : 12 Speak Search Term - Ctrl+L");
}

TEST_F(FolderNavigationTest, CtrlZeroIsSilentWhileSpeechIsOff) {
  finder.settings.DisableSpeech = 1;
  list.selected = 0;
  speakLocation(finder);
  list.selected = 2;
  speakLocation(finder);
  EXPECT_TRUE(voice.spoken.empty());
}

TEST(LocationText, NumbersCarryTheirLeadingBlank) {
  EXPECT_EQ(locationText(3, 10, "a.txt", false, kModeFiles), "Line 3 of  10 : File : a.txt");
  EXPECT_EQ(locationText(1, 1, "d", true, kModeBoth), "Line 1 of  1 : Folder : d");
}
