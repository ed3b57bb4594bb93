// What the finder takes from outside, with the stand-in client: search terms and
// exclusion lines full of the command interpreter's characters and of quotes, a
// settings file as an editor may save it, a results file with another client's
// line ends and folder sizes.
#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

// The command lines the stand-in client was started with, one a run.
std::vector<std::string> clientRuns(const ScratchFolder& folder) { return readLines(folder.file(L"client.txt")); }

void setSearchText(HWND box, const std::wstring& text) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

TEST(FinderOutsideInput, TheClientReceivesTermsAndExclusionsAsTheyStand) {
  ScratchFolder folder;
  std::wstring tree = folder.file(L"tree");
  CreateDirectoryW(tree.c_str(), nullptr);
  writeFile(tree + L"\\texas.txt", "x");
  // Line ends of every kind; an ampersand, angle brackets, a caret before a bar,
  // percents and exclamation marks, which reach the client as they stand now
  // that no interpreter reads them; and a quoted folder whose final backslash
  // stood before its closing quote, which once swallowed every option after it.
  writeFile(folder.file(L"exclusion.txt"),
            "c:\\R&D\\\r\nc:\\x<y>\\\nc:\\p^|q\\\rc:\\100%\\\r\n%nosuchname%\r\nc:\\!path!\\\r\n"
            "\"c:\\program files\\\"");
  // Words the stand-in reads as: "texas", not "path!", not "big", not "(c)", not
  // "50%", "a" or "b"; so texas.txt matches.
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nSearchTerm=texas !path! !\"big\" !(c) !50% a|b\r\n");
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_ROOTS"] = tree;
  finder.environment[L"ES_STANDIN_RECORD"] = folder.file(L"client.txt");
  ASSERT_TRUE(finder.startReadyForKeys());
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Search is complete : 1 Match : texas.txt"));
  std::vector<std::string> runs = clientRuns(folder);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0],
            "es  !c:\\R&D\\ !c:\\x<y>\\ !c:\\p^|q\\ !c:\\100%\\ !%nosuchname% !c:\\!path!\\"
            " !\"c:\\program files\\\\\""
            " -size -size-format 2 -dm /a-d  -sort dm  -n 100 -export-csv results.txt"
            " texas !path! !\"big\" !(c) !50% a|b");
  EXPECT_EQ(listCellText(finder.control(501), 1, 1), L"texas.txt");

  // A custom search, as the toolbar's Custom button gives it, passes any text.
  setSearchText(finder.control(500), L"a&b <c> ^d \"e&f\" %nosuchname% !path! 7%");
  PostMessageW(finder.window(), WM_COMMAND, 508, 0);
  ASSERT_TRUE(waitUntil([&] { return clientRuns(folder).size() >= 2; }, 30s));
  runs = clientRuns(folder);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1], "es  -export-csv results.txt a&b <c> ^d \"e&f\" %nosuchname% !path! 7%");
  ASSERT_TRUE(finder.close());
}

TEST(FinderOutsideInput, SettingsSavedAsUtf16BigEndianWithASecondSectionAndQuotedValues) {
  ScratchFolder folder;
  std::string text = "[All]\r\nSearchTerm=\"\"annual report\"\"\r\nFontSize=36\r\n[All]\r\nFontSize=12\r\n";
  std::string utf16be = "\xFE\xFF";
  for (char c : text) utf16be += std::string(1, '\0') + c;
  writeFile(folder.file(L"findaro.ini"), utf16be);
  {
    FinderSession finder(folder);
    ASSERT_TRUE(finder.start());
    ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
    EXPECT_EQ(finder.searchText(), L"\"annual report\"");
    ASSERT_TRUE(finder.close());
    std::string saved = finder.settingsFile();
    EXPECT_NE(saved.find("\r\nSearchTerm=\"\"annual report\"\"\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nFontSize= 36\r\n"), std::string::npos) << saved;
  }
  FinderSession again(folder);
  ASSERT_TRUE(again.start());
  ASSERT_TRUE(again.waitToSay("SearchBox has focus"));
  EXPECT_EQ(again.searchText(), L"\"annual report\"");
  ASSERT_TRUE(again.close());
}

TEST(FinderOutsideInput, AResultsFileWithLineFeedsAndFolderSizesIsShownRight) {
  ScratchFolder folder;
  writeFile(folder.file(L"results.txt"),
            "Filename,Size,Date Modified\n\"C:\\x\\Texas Photos\\\",10,6/1/2025 12:00:00 PM\n"
            "\"C:\\x\\Texas.txt\",2000,6/1/2025 9:00:00 AM\r\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  HWND list = finder.control(501);
  ASSERT_EQ(listRowCount(list), 2);
  EXPECT_EQ(listCellText(list, 1, 1), L"(f) texas photos");
  EXPECT_EQ(listCellText(list, 1, 4), L"");
  EXPECT_EQ(listCellText(list, 1, 3), L"6/1/2025 12:00:00 PM");
  EXPECT_EQ(listCellText(list, 2, 1), L"texas.txt");
  EXPECT_EQ(listCellText(list, 2, 4), L"2 KB");
  ASSERT_TRUE(finder.close());
}
