#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

const char* kArguments =
    " !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
    "-export-csv results.txt texas";

// A small tree for the stand-in client: two names with "texas", the newer first.
std::wstring makeTree(const ScratchFolder& folder) {
  std::wstring tree = folder.file(L"tree");
  for (const wchar_t* dir : {L"", L"\\maps", L"\\music", L"\\texas"}) CreateDirectoryW((tree + dir).c_str(), nullptr);
  writeFile(tree + L"\\music\\Yellow Rose of Texas.mp3", "la la");
  writeFile(tree + L"\\maps\\Texas.png", "png");
  writeFile(tree + L"\\texas\\notes.txt", "not matched: the name lacks the word");
  FILETIME older{0x10000000, 0x01D9E000};
  HANDLE song = CreateFileW((tree + L"\\music\\Yellow Rose of Texas.mp3").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(song, nullptr, nullptr, &older);
  CloseHandle(song);
  return tree;
}

}  // namespace

TEST(FinderSearch, EnterSearchesSpeaksAndTheNextStartBringsTheRowsBack) {
  ScratchFolder folder;
  std::wstring tree = makeTree(folder);
  {
    FinderSession finder(folder);
    finder.environment[L"ES_STANDIN_ROOTS"] = tree;
    ASSERT_TRUE(finder.startReadyForKeys());
    pressKey(VK_RETURN);
    ASSERT_TRUE(finder.waitToSay("Search is complete"));

    std::vector<std::string> said = finder.audioLog();
    auto at = [&said](const std::string& line) { return std::find(said.begin(), said.end(), line) - said.begin(); };
    auto announced = at("Speak 2 Searching for files matching texas");
    auto complete = at("Speak 3 Search is complete : 2 Matches : texas.png");
    EXPECT_LT(announced, static_cast<long>(said.size()));
    EXPECT_LT(complete, static_cast<long>(said.size()));
    EXPECT_LT(announced, complete);

    EXPECT_EQ(clipboardText(), kArguments);
    std::string title = narrow(finder.title());
    EXPECT_EQ(title.rfind("Findaro 4.1    ", 0), 0u) << title;
    EXPECT_NE(title.find(std::string(" sec  ") + " ... " + kArguments), std::string::npos) << title;
    EXPECT_EQ(narrow(finder.statusText()).rfind("     1  texas.png  ", 0), 0u) << narrow(finder.statusText());

    HWND list = finder.control(501);
    EXPECT_EQ(listRowCount(list), 2);
    EXPECT_EQ(listCellText(list, 1, 1), L"texas.png");
    EXPECT_EQ(listCellText(list, 2, 1), L"yellow rose of texas.mp3");
    EXPECT_EQ(listCellText(list, 1, 4), L"1 KB");
    // The list has the focus after a search: Down selects and speaks the second row.
    pressKey(VK_DOWN, true);
    ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 2; }, 10s));
    EXPECT_TRUE(finder.waitToSay("yellow rose of texas.mp3"));
    ASSERT_TRUE(finder.close());
  }
  DeleteFileW(folder.file(L"audio.log").c_str());
  FinderSession again(folder);
  again.environment[L"ES_STANDIN_ROOTS"] = tree;
  ASSERT_TRUE(again.start());
  HWND list = again.control(501);
  ASSERT_TRUE(again.waitToSay("SearchBox has focus"));
  EXPECT_EQ(listRowCount(list), 2);
  EXPECT_EQ(listCellText(list, 1, 1), L"texas.png");
  EXPECT_EQ(listSelectedRow(list), 2);
  EXPECT_TRUE(again.said("Speak 3 Welcome to Findaro, version 4.1!SearchBox has focus. Search term is texas"));
  ASSERT_TRUE(again.close());
}

TEST(FinderSearch, WithoutTheClientThePreviousResultsStayAndTheUserHearsWhy) {
  ScratchFolder folder;
  const std::string previous = "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\Old\\Kept.txt\"\r\n";
  writeFile(folder.file(L"results.txt"), previous);
  FinderSession finder(folder);
  finder.standinOnPath = false;
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  std::wstring titleBefore = finder.title();
  ASSERT_TRUE(bringToFront(finder.window()));
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Everything Not Found"));
  EXPECT_FALSE(finder.saidSomething("Search is complete"));
  EXPECT_EQ(readFile(folder.file(L"results.txt")), previous);
  EXPECT_EQ(listCellText(finder.control(501), 1, 1), L"kept.txt");
  EXPECT_EQ(finder.title(), titleBefore);
  ASSERT_TRUE(finder.close());
}
