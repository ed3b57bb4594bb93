#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

std::string lowerCase(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return narrow(text);
}

// tree\maps\Texas.png, tree\music\Yellow Rose of Texas.mp3 and an empty folder
// tree\texas; the folder names are the search's lower-cased forms.
std::wstring makeTree(const ScratchFolder& folder) {
  std::wstring tree = folder.file(L"tree");
  for (const wchar_t* dir : {L"", L"\\maps", L"\\music", L"\\texas"}) CreateDirectoryW((tree + dir).c_str(), nullptr);
  writeFile(tree + L"\\music\\Yellow Rose of Texas.mp3", "la la");
  writeFile(tree + L"\\maps\\Texas.png", "png");
  // The song is older, so that the newest-first search lists the picture first.
  FILETIME older{0x10000000, 0x01D9E000};
  HANDLE song = CreateFileW((tree + L"\\music\\Yellow Rose of Texas.mp3").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(song, nullptr, nullptr, &older);
  CloseHandle(song);
  return tree;
}

// Waits for the end of the search after the given announcement.
bool searched(const FinderSession& finder, const std::string& announcement) {
  if (!finder.waitToSay("Speak 2 " + announcement)) return false;
  bool complete = waitUntil(
      [&] {
        std::vector<std::string> said = finder.audioLog();
        auto at = std::find(said.begin(), said.end(), "Speak 2 " + announcement);
        return std::find_if(at, said.end(), [](const std::string& line) {
                 return line.find("Search is complete") != std::string::npos;
               }) != said.end();
      },
      30s);
  if (!complete) finder.waitToSay("Search is complete", 0s);  // prints what was heard
  return complete;
}

}  // namespace

TEST(FinderFolders, CtrlSSearchesTheRowsFolderF5ItsParentAndCtrlNineAndZeroFindThePlace) {
  ScratchFolder folder;
  std::wstring tree = makeTree(folder);
  const std::string treeFolder = lowerCase(tree) + "\\";
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_ROOTS"] = tree;
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Search is complete"));
  ASSERT_EQ(listCellText(list, 1, 1), L"texas.png");

  pressChord({VK_CONTROL}, 'S');
  ASSERT_TRUE(searched(finder, "Searching for files and folders matching " + treeFolder + "maps\\"));
  EXPECT_EQ(lowerCase(finder.searchText()), treeFolder + "maps\\");
  EXPECT_EQ(listCellText(list, 1, 1), L"texas.png");

  pressKey(VK_F5);
  ASSERT_TRUE(searched(finder, "Searching for files and folders matching " + treeFolder));
  // Everything under the tree: three folders and two files.
  ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 5; }, 10s)) << listRowCount(list);
  ASSERT_EQ(listSelectedRow(list), 1);

  // With at least two folders below row 1, the jump always finds one.
  pressChord({VK_CONTROL}, '9');
  ASSERT_TRUE(finder.waitToSay("Folder Found"));
  EXPECT_TRUE(finder.said("Speak 2 Folder Found"));
  int row = 0;
  ASSERT_TRUE(waitUntil([&] { return (row = listSelectedRow(list)) > 1; }, 10s));
  std::wstring name = listCellText(list, row, 1);
  ASSERT_EQ(name.rfind(L"(f) ", 0), 0u) << narrow(name);

  pressChord({VK_CONTROL}, '0');
  std::string location = "Speak 3 Line " + std::to_string(row) + " of  5 : Folder : " + narrow(name.substr(4));
  EXPECT_TRUE(finder.waitToSay(location)) << location;

  // Past the last folder there is none to find.
  pressKey(VK_END, true);
  ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 5; }, 10s));
  pressChord({VK_CONTROL}, '9');
  EXPECT_TRUE(finder.waitToSay("Folder Not Found in List"));
  ASSERT_TRUE(finder.close());
}

TEST(FinderFolders, AFolderWithAnAccentedNameCanBeExpanded) {
  ScratchFolder folder;
  std::wstring tree = folder.file(L"tree");
  CreateDirectoryW(tree.c_str(), nullptr);
  CreateDirectoryW((tree + L"\\Caf\u00E9 M\u00FCller").c_str(), nullptr);
  writeFile(tree + L"\\Caf\u00E9 M\u00FCller\\menu.txt", "soup");
  writeFile(tree + L"\\Caf\u00E9 M\u00FCller\\wine list.txt", "red");
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nSearchTerm=menu\r\n");
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_ROOTS"] = tree;
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Search is complete"));
  ASSERT_EQ(listRowCount(list), 1);

  pressChord({VK_CONTROL}, 'S');
  const std::string accented = lowerCase(tree) + "\\caf\xC3\xA9 m\xC3\xBCller\\";
  ASSERT_TRUE(searched(finder, "Searching for files and folders matching " + accented));
  EXPECT_FALSE(finder.saidSomething("Invalid Search Term"));
  ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 2; }, 10s)) << listRowCount(list);
  ASSERT_TRUE(finder.close());
}
