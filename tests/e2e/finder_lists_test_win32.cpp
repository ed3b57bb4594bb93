#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"

#include <commctrl.h>

using namespace e2e;

namespace {

// Results saved by an earlier run, shown at start and again after a list.
const std::string kSavedResults =
    "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\Old\\Kept.txt\"\r\n"
    ",01/02/2024 03:05,\"C:\\Old\\Archive\"\r\n";

void pressTimes(WORD key, int times, bool extended = false) {
  for (int i = 0; i < times; ++i) pressKey(key, extended);
}

bool saidInOrder(const std::vector<std::string>& said, const std::string& first, const std::string& second) {
  auto a = std::find(said.begin(), said.end(), first);
  return a != said.end() && std::find(a, said.end(), second) != said.end();
}

}  // namespace

TEST(FinderLists, F2ListsTheActionsSpaceRunsARowAndTheNextStartKeepsTheListsTitles) {
  ScratchFolder folder;
  writeFile(folder.file(L"results.txt"), kSavedResults);
  {
    FinderSession finder(folder);
    ASSERT_TRUE(finder.startReadyForKeys());
    HWND list = finder.control(501);
    pressKey(VK_F2);
    ASSERT_TRUE(finder.waitToSay("Opening Actions List"));
    ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 34; }, 10s));
    EXPECT_TRUE(finder.said("Speak 2 Opening Actions List"));
    EXPECT_EQ(listCellText(list, 1, 1), L"1 Display Settings Shortcuts - F1");
    EXPECT_EQ(listCellText(list, 4, 1), L"4 Open Everything - F3");
    EXPECT_EQ(listCellText(list, 34, 1), L"34 Next Menu - Ctrl+Shift+N");
    EXPECT_EQ(listColumnTitle(list, 1), L"Action Shortcuts");
    EXPECT_EQ(listSelectedRow(list), 1);

    // Row 25 clears the search term, with the command's own tone and words.
    pressTimes(VK_DOWN, 24, true);
    ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 25; }, 10s));
    ASSERT_TRUE(finder.waitToSay("25 Clear Search Term - F4"));
    pressKey(VK_SPACE);
    ASSERT_TRUE(finder.waitToSay("Search Term Cleared"));
    EXPECT_TRUE(saidInOrder(finder.audioLog(), "Beep 275 150", "Speak 3 Search Term Cleared"));
    EXPECT_EQ(finder.searchText(), L"");
    EXPECT_EQ(listSelectedRow(list), 25);
    EXPECT_EQ(listRowCount(list), 34);
    ASSERT_TRUE(finder.close());
    EXPECT_EQ(finder.savedSetting("SearchType"), " 6");
  }
  // The saved results come back under the list's titles until Esc.
  FinderSession again(folder);
  ASSERT_TRUE(again.start());
  ASSERT_TRUE(again.waitToSay("SearchBox has focus"));
  HWND list = again.control(501);
  EXPECT_EQ(listRowCount(list), 2);
  EXPECT_EQ(listCellText(list, 1, 1), L"kept.txt");
  EXPECT_EQ(listColumnTitle(list, 1), L"Action Shortcuts");
  ASSERT_TRUE(bringToFront(again.window()));
  pressKey(VK_ESCAPE);
  ASSERT_TRUE(again.waitToSay("Returning to Results"));
  ASSERT_TRUE(waitUntil([&] { return listColumnTitle(list, 1).find(L"Name  (2)") != std::wstring::npos; }, 10s))
      << narrow(listColumnTitle(list, 1));
  ASSERT_TRUE(again.close());
  EXPECT_EQ(again.savedSetting("SearchType"), " 1");
}

TEST(FinderLists, F1ListsTheSettingsSpaceChangesOneInPlaceAndEscReturns) {
  ScratchFolder folder;
  writeFile(folder.file(L"results.txt"), kSavedResults);
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  pressKey(VK_F1);
  ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 29; }, 10s));
  ASSERT_TRUE(finder.waitToSay("Opening Settings List"));
  EXPECT_TRUE(finder.said("Speak 3 Opening Settings List1 Hide Toolbar Text - Ctrl+B  - OFF"));
  EXPECT_EQ(listColumnTitle(list, 1), L"Settings Shortcuts");
  EXPECT_EQ(listCellText(list, 2, 1), L"2 Icon Size - Ctrl+E  -  64");
  EXPECT_EQ(listCellText(list, 6, 1), L"6 Sort Type - Ctrl+U  - Date");

  pressTimes(VK_DOWN, 5, true);
  ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 6; }, 10s));
  pressKey(VK_SPACE);
  ASSERT_TRUE(finder.waitToSay("Sort Type is File Name"));
  EXPECT_TRUE(waitUntil([&] { return listCellText(list, 6, 1) == L"6 Sort Type - Ctrl+U  - File Name"; }, 10s))
      << narrow(listCellText(list, 6, 1));
  EXPECT_EQ(listSelectedRow(list), 6);
  EXPECT_EQ(narrow(finder.title()).rfind("Findaro 4.1     Letters-Letters  ExcludeSystem-On", 0), 0u)
      << narrow(finder.title());

  pressKey(VK_ESCAPE);
  ASSERT_TRUE(finder.waitToSay("Returning to Results"));
  EXPECT_TRUE(finder.said("Speak 2 Returning to Results"));
  ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 2; }, 10s));
  EXPECT_EQ(listCellText(list, 1, 1), L"kept.txt");
  ASSERT_TRUE(finder.close());
  EXPECT_EQ(finder.savedSetting("SortType"), " 0");
  EXPECT_EQ(finder.savedSetting("SearchType"), " 1");
}

TEST(FinderLists, CtrlYCyclesTheColoursAndTheLastStepIsSaved) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  auto colours = [list] {
    return std::make_pair(static_cast<long>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
                          static_cast<long>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)));
  };
  ASSERT_EQ(colours(), std::make_pair(65535L, 16711680L));
  const std::pair<long, long> steps[] = {{0, 16777215}, {16777215, 0}, {65535, 16711680}, {0, 16777215}};
  for (const auto& step : steps) {
    pressChord({VK_CONTROL}, 'Y');
    EXPECT_TRUE(waitUntil([&] { return colours() == step; }, 10s)) << step.first << " on " << step.second;
  }
  ASSERT_TRUE(finder.close());
  EXPECT_EQ(finder.savedSetting("FG"), " 0");
  EXPECT_EQ(finder.savedSetting("BG"), " 16777215");
}

TEST(FinderLists, UnderHighContrastTheSystemsColoursAreDrawnAndCtrlYCyclesTheSchemeForLater) {
  // Wine cannot switch high contrast on; the variable stands in for it. The
  // system's colours are the user's, read by each program as it starts.
  RegistryValue window(L"Control Panel\\Colors", L"Window");
  RegistryValue text(L"Control Panel\\Colors", L"WindowText");
  ASSERT_TRUE(window.setText(L"0 128 0"));
  ASSERT_TRUE(text.setText(L"255 255 255"));
  ScratchFolder folder;
  FinderSession finder(folder);
  finder.environment[L"FINDARO_HIGH_CONTRAST"] = L"1";
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  auto colours = [list] {
    return std::make_pair(static_cast<long>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
                          static_cast<long>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)));
  };
  const std::pair<long, long> system{RGB(255, 255, 255), RGB(0, 128, 0)};
  EXPECT_EQ(colours(), system);
  // Right of the term, the search box shows its background.
  RECT box = windowRect(finder.control(500));
  POINT inBox{box.right - 30, (box.top + box.bottom) / 2};
  EXPECT_TRUE(waitUntil([&] { return similarColor(screenPixel(inBox), RGB(0, 128, 0)); }, 10s))
      << describeColor(screenPixel(inBox));

  pressChord({VK_CONTROL}, 'Y');
  ASSERT_TRUE(waitUntil([&] { return finder.said("Beep 275 150"); }, 10s));
  EXPECT_EQ(colours(), system);
  EXPECT_TRUE(similarColor(screenPixel(inBox), RGB(0, 128, 0))) << describeColor(screenPixel(inBox));
  // What the system says when the theme changes is followed by a repaint in
  // the theme's colours, not in the scheme's.
  SendMessageW(finder.window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  SendMessageW(finder.window(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(colours(), system);
  ASSERT_TRUE(finder.close());
  EXPECT_EQ(finder.savedSetting("FG"), " 0");
  EXPECT_EQ(finder.savedSetting("BG"), " 16777215");
}

TEST(FinderLists, TheContextMenuKeyInTheSearchBoxShowsTheSettingsListUnannounced) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  HWND list = finder.control(501);
  pressKey(VK_APPS, true);
  ASSERT_TRUE(waitUntil([&] { return listRowCount(list) == 29; }, 10s));
  EXPECT_EQ(listColumnTitle(list, 1), L"Settings Shortcuts");
  ASSERT_TRUE(finder.waitToSay("1 Hide Toolbar Text - Ctrl+B  - OFF"));
  EXPECT_FALSE(finder.saidSomething("Opening Settings List"));
  ASSERT_TRUE(finder.close());
  EXPECT_EQ(finder.savedSetting("SearchType"), " 5");
}
