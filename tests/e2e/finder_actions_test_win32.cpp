#include <gtest/gtest.h>

#include "common/text.h"
#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

// A tree for the stand-in client: three files whose names hold "texas", one of
// them with a letter outside ASCII.
std::wstring makeTree(const ScratchFolder& folder) {
  std::wstring tree = folder.file(L"tree");
  CreateDirectoryW(tree.c_str(), nullptr);
  writeFile(tree + L"\\Texas Caf\u00e9.txt", "menu");
  writeFile(tree + L"\\texas notes.txt", "notes about texas");
  writeFile(tree + L"\\texas setup.exe", "not really a program");
  return tree;
}

bool sameText(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

std::wstring allTitles() {
  std::wstring titles;
  findAnyWindow([&titles](HWND, const std::wstring& title) {
    titles += L"[" + title + L"] ";
    return false;
  });
  return titles;
}

// A window of another program whose title holds the text.
HWND waitForWindowNamed(const std::wstring& piece, DWORD besides) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        found = findAnyWindow([&](HWND window, const std::wstring& title) {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          return owner != besides && title.find(piece) != std::wstring::npos;
        });
        return found != nullptr;
      },
      30s);
  return found;
}

void writeSettings(const ScratchFolder& folder, const std::string& lines) {
  writeFile(folder.file(L"findaro.ini"), "[All]\r\n" + lines);
}

}  // namespace

TEST(FinderActions, CopyTheResultAndAFileOpenTextFilesAndFoldersAndSayWhenTheEngineIsMissing) {
  ScratchFolder folder;
  std::wstring tree = makeTree(folder);
  writeSettings(folder, "SortType=0\r\n");
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_ROOTS"] = tree;
  ASSERT_TRUE(finder.startReadyForKeys());
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Search is complete"));
  HWND list = finder.control(501);
  ASSERT_EQ(listRowCount(list), 3);
  ASSERT_EQ(listSelectedRow(list), 1);
  DWORD finderProcess = 0;
  GetWindowThreadProcessId(finder.window(), &finderProcess);

  // The whole result as the client wrote it: capitals, quotes and the é intact.
  pressChord({VK_CONTROL, VK_SHIFT}, 'C');
  ASSERT_TRUE(finder.waitToSay("Search Results Copied to Clipboard"));
  std::string copied = clipboardText();
  EXPECT_EQ(copied, readFile(folder.file(L"results.txt")));
  EXPECT_NE(copied.find("\\Texas Caf\xC3\xA9.txt\""), std::string::npos) << copied;
  EXPECT_EQ(copied.rfind("Size,Date Modified,Filename\r\n", 0), 0u) << copied;

  // The selected file itself, as the file manager pastes it.
  pressKey(VK_DOWN, true);
  ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 2; }, 10s));
  pressChord({VK_CONTROL}, 'D');
  ASSERT_TRUE(finder.waitToSay("Copying File "));
  std::vector<std::wstring> dropped = clipboardFiles();
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_TRUE(sameText(dropped[0], tree + L"\\texas notes.txt")) << narrow(dropped[0]);

  // Ctrl+J opens the text file in its program.
  pressChord({VK_CONTROL}, 'J');
  ASSERT_TRUE(finder.waitToSay(" to Open texas notes.txt"));
  EXPECT_TRUE(finder.saidSomething("Speak 3 Using "));
  HWND notepad = waitForWindowNamed(L"notes.txt", finderProcess);
  ASSERT_NE(notepad, nullptr) << narrow(allTitles());
  int listFocus = finder.timesSaid("Results List has focus");
  EXPECT_TRUE(closeAndWaitGone(notepad, 10s));

  // A program is not started, here by Enter in the list: its folder is opened instead.
  // Back in the finder, the list has the focus again, and says so.
  ASSERT_TRUE(bringToFront(finder.window()));
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Results List has focus") > listFocus; }, 10s));
  pressKey(VK_DOWN, true);
  ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 3; }, 10s));
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Cannot Open File. Opening Parent Folder."));
  HWND explorer = waitForWindowNamed(L"tree", finderProcess);
  ASSERT_NE(explorer, nullptr) << narrow(allTitles());
  EXPECT_TRUE(closeAndWaitGone(explorer, 10s));

  // A double click on a row opens it too.
  ASSERT_TRUE(bringToFront(finder.window()));
  mouseDoubleClick(listRowMiddle(list, 2));
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid(" to Open texas notes.txt") == 2; }, 30s));
  notepad = waitForWindowNamed(L"notes.txt", finderProcess);
  ASSERT_NE(notepad, nullptr) << narrow(allTitles());
  EXPECT_TRUE(closeAndWaitGone(notepad, 10s));

  ASSERT_TRUE(bringToFront(finder.window()));
  pressChord({VK_CONTROL}, 'K');
  // The list holds the folder as the client wrote it, lower-cased.
  ASSERT_TRUE(finder.waitToSay("Speak 3 Opening "));
  EXPECT_TRUE(finder.said("Speak 3 Opening " + common::asciiLower(narrow(tree) + "\\")));
  explorer = waitForWindowNamed(L"tree", finderProcess);
  ASSERT_NE(explorer, nullptr) << narrow(allTitles());
  EXPECT_TRUE(closeAndWaitGone(explorer, 10s));

  ASSERT_TRUE(bringToFront(finder.window()));
  pressKey(VK_F3);
  ASSERT_TRUE(finder.waitToSay("Everything Not Found"));
  EXPECT_FALSE(finder.saidSomething("Opening Everything"));
  ASSERT_TRUE(finder.close());
}

TEST(FinderActions, TheSettingsListRefusesToOpenAnything) {
  ScratchFolder folder;
  writeFile(folder.file(L"notes.txt"), "text");
  writeFile(folder.file(L"results.txt"),
            "Size,Date Modified,Filename\r\n4,01/02/2024 03:04,\"" + narrow(folder.file(L"notes.txt")) + "\"\r\n");
  writeSettings(folder, "SearchType=5\r\nLastSearchType=1\r\nLastRow=1\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  ASSERT_EQ(listSelectedRow(finder.control(501)), 1);
  DWORD finderProcess = 0;
  GetWindowThreadProcessId(finder.window(), &finderProcess);
  ASSERT_TRUE(bringToFront(finder.window()));
  pressChord({VK_CONTROL}, 'J');
  ASSERT_TRUE(finder.waitToSay("Not Available in Help Mode"));
  pressChord({VK_CONTROL}, 'K');
  ASSERT_TRUE(waitUntil(
      [&] { return finder.timesSaid("Speak 3 Not Available in Help Mode") == 2; }, 10s));
  EXPECT_FALSE(finder.saidSomething("Opening"));
  EXPECT_FALSE(finder.saidSomething("Using"));
  EXPECT_EQ(findAnyWindow([&](HWND window, const std::wstring&) {
              DWORD owner = 0;
              GetWindowThreadProcessId(window, &owner);
              return owner != finderProcess && owner != GetCurrentProcessId() && GetParent(window) == nullptr &&
                     !windowText(window).empty();
            }),
            nullptr)
      << narrow(allTitles());
  ASSERT_TRUE(finder.close());
}
