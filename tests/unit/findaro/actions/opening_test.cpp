#include "findaro/actions/opening.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

TEST(OpeningRules, TheExtensionIsTakenFromTheNameAlone) {
  EXPECT_EQ(fileExtension("notes.txt"), ".txt");
  EXPECT_EQ(fileExtension("archive.tar.gz"), ".gz");
  EXPECT_EQ(fileExtension("README"), "");
  EXPECT_EQ(fileExtension("c:\\my.folder\\README"), "");
  EXPECT_EQ(fileExtension("c:.dir"), ".dir");
  EXPECT_EQ(fileExtension("trailing."), ".");
}

TEST(OpeningRules, TheGroupsAreSearchedAsText) {
  for (const char* listed : {".doc", ".bat", ".webp", ".jpeg", ".flac", ".wma", ".mov", ".flv"})
    EXPECT_TRUE(opensDirectly(listed)) << listed;
  // Pieces of listed extensions, and no extension at all, pass too.
  for (const char* piece : {".h", ".do", ".t", "", ".", "ml .r"}) EXPECT_TRUE(opensDirectly(piece)) << piece;
  for (const char* other : {".exe", ".dll", ".zip", ".PDF", ".lnk"}) EXPECT_FALSE(opensDirectly(other)) << other;
}

class OpeningTest : public FinderTest {
 protected:
  void SetUp() override {
    std::vector<ResultRecord> rows;
    auto add = [&rows](const char* name, const char* folder, int isFolder) {
      ResultRecord r;
      r.Name = name;
      r.Folder = folder;
      r.IsFolder = isFolder;
      rows.push_back(r);
    };
    add("notes.txt", "c:\\docs\\", 0);
    add("setup.exe", "c:\\downloads\\", 0);
    add("REPORT.PDF", " c:\\work\\", 0);
    add("photos", "c:\\pictures\\", 1);
    add("Makefile", "c:\\src\\", 0);
    finder.results.assign(rows);
    processes.associations[".txt"] = "Notepad";
    processes.associations[".pdf"] = "Reader";
    finder.settings.SearchType = kModeFiles;
  }
  void select(int row) { list.selected = row; }
};

TEST_F(OpeningTest, AListedFileGoesToItsProgramAfterItsNameIsSaid) {
  select(1);
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "Using Notepad to Open notes.txt");
  EXPECT_EQ(processes.opened, (std::vector<std::string>{"c:\\docs\\notes.txt"}));

  // Capitals are lowered before the test; blanks around the path go.
  select(3);
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "Using Reader to Open REPORT.PDF");
  EXPECT_EQ(processes.opened.back(), "c:\\work\\REPORT.PDF");
}

TEST_F(OpeningTest, AFileWithoutAnAssociationOrExtensionIsStillHandedToTheShell) {
  select(5);
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "Using Error: associated program not found to Open Makefile");
  EXPECT_EQ(processes.opened, (std::vector<std::string>{"c:\\src\\Makefile"}));
}

TEST_F(OpeningTest, AProgramIsNeverStartedItsFolderIsOpenedInstead) {
  select(2);
  openSelectedFile(finder);
  EXPECT_EQ(processes.opened, (std::vector<std::string>{"c:\\downloads\\"}));
  EXPECT_TRUE(processes.started.empty());
  EXPECT_EQ(voice.lastText(), "Cannot Open File. Opening Parent Folder.");
}

TEST_F(OpeningTest, AFolderRowOpensTheFolderThatHoldsIt) {
  select(4);
  openSelectedFile(finder);
  EXPECT_EQ(processes.opened, (std::vector<std::string>{"c:\\pictures\\"}));
  EXPECT_EQ(voice.lastText(), "Opening c:\\pictures\\");
  select(3);
  openSelectedFolder(finder);
  EXPECT_EQ(processes.opened.back(), "c:\\work\\");
  EXPECT_EQ(voice.lastText(), "Opening c:\\work\\");
}

TEST_F(OpeningTest, RefusalsComeBeforeAnythingIsOpened) {
  select(0);
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");
  openSelectedFolder(finder);
  EXPECT_EQ(voice.lastText(), "No Selection");

  select(1);
  finder.settings.SearchType = kModeSettingsList;
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "Not Available in Help Mode");
  voice.spoken.clear();
  openSelectedFolder(finder);
  EXPECT_EQ(voice.lastText(), "Not Available in Help Mode");
  EXPECT_TRUE(processes.opened.empty());

  // The actions list is no reason to refuse.
  finder.settings.SearchType = kModeActionsList;
  openSelectedFile(finder);
  EXPECT_EQ(processes.opened.size(), 1u);

  finder.results.resetToPlaceholder();
  finder.settings.SearchType = kModeFiles;
  openSelectedFile(finder);
  EXPECT_EQ(voice.lastText(), "Empty");
  EXPECT_EQ(processes.opened.size(), 1u);
}

TEST_F(OpeningTest, EnterAndDoubleClickOpenFromTheListOnly) {
  select(1);
  window.focused = Focus::ResultsList;
  runCommand(finder, 1);
  EXPECT_EQ(processes.opened, (std::vector<std::string>{"c:\\docs\\notes.txt"}));
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_EQ(sound.beeps.size(), 1u);

  runCommand(finder, 512);
  EXPECT_EQ(processes.opened.back(), "c:\\docs\\");
  runCommand(finder, 511);
  EXPECT_EQ(processes.opened.back(), "c:\\docs\\notes.txt");
  EXPECT_EQ(sound.beeps.size(), 3u);
}

TEST_F(OpeningTest, TheEngineIsLookedForInBothProgramFoldersAndBesideItsClient) {
  processes.onPath["es.exe"] = "d:\\tools\\everything\\es.exe";
  EXPECT_EQ(engineProgramCandidates(finder),
            (std::vector<std::string>{"c:\\program files (x86)\\everything\\everything.exe",
                                      "c:\\program files\\everything\\everything.exe",
                                      "d:\\tools\\everything\\everything.exe"}));

  files.files["d:\\tools\\everything\\everything.exe"] = "MZ";
  runCommand(finder, 547);
  EXPECT_EQ(processes.started, (std::vector<std::string>{"d:\\tools\\everything\\everything.exe "}));
  EXPECT_EQ(voice.lastText(), "Opening Everything");

  files.files["c:\\program files\\everything\\everything.exe"] = "MZ";
  runCommand(finder, 547);
  EXPECT_EQ(processes.started.back(), "c:\\program files\\everything\\everything.exe ");
}

TEST_F(OpeningTest, WithoutTheEngineOnlyItsAbsenceIsSaid) {
  runCommand(finder, 547);
  EXPECT_EQ(voice.lastText(), "Everything Not Found");
  EXPECT_EQ(voice.spoken.size(), 1u);
  EXPECT_TRUE(processes.started.empty());

  // Found but refusing to start: nothing claims it is opening.
  files.files["c:\\program files (x86)\\everything\\everything.exe"] = "MZ";
  processes.startSucceeds = false;
  voice.spoken.clear();
  runCommand(finder, 547);
  EXPECT_TRUE(voice.spoken.empty());
}
