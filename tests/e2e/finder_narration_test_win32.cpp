#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

// Starts the finder on an empty search box in the given narration mode, with the
// keyboard at the box.
bool startInMode(FinderSession& finder, ScratchFolder& folder, int mode) {
  writeFile(folder.file(L"findaro.ini"),
            "[All]\r\nEnableSpeakLetters=" + std::to_string(mode) + "\r\nSearchTerm=\r\n");
  return finder.start() && finder.waitToSay("SearchBox has focus") && bringToFront(finder.window());
}

bool waitToHear(const FinderSession& finder, const std::string& line) {
  return waitUntil([&] { return finder.said(line); }, 10s);
}

// The lines after the greeting, in the order said.
std::vector<std::string> heardSinceFocus(const FinderSession& finder) {
  std::vector<std::string> said = finder.audioLog();
  auto focus = std::find_if(said.begin(), said.end(),
                            [](const std::string& l) { return l.find("SearchBox has focus") != std::string::npos; });
  return focus == said.end() ? said : std::vector<std::string>(focus + 1, said.end());
}

}  // namespace

TEST(FinderNarration, LettersModeNamesKeysRefusesPoundAndNarratesTheCaret) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(startInMode(finder, folder, 1));

  pressKey('C');
  pressKey('A');
  pressKey(VK_SPACE);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Space : "));
  EXPECT_EQ(finder.searchText(), L"ca ");

  pressChord({VK_SHIFT}, '3');
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Pound Sign : Invalid Search String Character"));
  EXPECT_EQ(finder.searchText(), L"ca ");

  pressKey(VK_LEFT, true);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Left Arrow : Space"));
  pressKey(VK_LEFT, true);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Left Arrow : a"));
  pressKey(VK_END, true);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 End Key : End of Line : "));
  pressKey(VK_DELETE, true);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Delete "));
  pressKey(VK_BACK);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 Erase Space"));
  ASSERT_TRUE(waitUntil([&] { return finder.searchText() == L"ca"; }, 10s)) << narrow(finder.searchText());

  EXPECT_EQ(heardSinceFocus(finder),
            (std::vector<std::string>{"Speak 3 C", "Speak 3 A", "Speak 3 Space : ",
                                      "Speak 3 Pound Sign : Invalid Search String Character",
                                      "Speak 3 Left Arrow : Space", "Speak 3 Left Arrow : a",
                                      "Speak 3 End Key : End of Line : ", "Speak 3 Delete ", "Speak 3 Erase Space"}));
  ASSERT_TRUE(finder.close());
}

TEST(FinderNarration, WordsModeSaysTheWordWhenSpaceEndsIt) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(startInMode(finder, folder, 2));

  for (WORD key : std::initializer_list<WORD>{'C', 'A', 'T', VK_SPACE}) pressKey(key);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 CAT"));
  EXPECT_EQ(finder.searchText(), L"cat ");
  pressKey('O');
  pressKey(VK_BACK);
  pressKey('X');
  pressKey(VK_SPACE);
  ASSERT_TRUE(waitToHear(finder, "Speak 3 X"));
  EXPECT_EQ(finder.searchText(), L"cat x ");

  EXPECT_EQ(heardSinceFocus(finder), (std::vector<std::string>{"Speak 3 CAT", "Speak 3 Erase o", "Speak 3 X"}));
  ASSERT_TRUE(finder.close());
}
