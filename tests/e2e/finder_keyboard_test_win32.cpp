#include <gtest/gtest.h>

#include "common/text.h"
#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

std::string valueOf(const std::string& ini, const std::string& key) {
  for (const std::string& line : common::split(ini, "\r\n"))
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "<missing>";
}

// Presses the keys and returns what was heard from then until the last piece.
Lines heardAfter(FinderSession& finder, const std::function<void()>& keys, const std::string& last) {
  size_t mark = finder.audioLog().size();
  keys();
  waitUntil([&] {
    for (const std::string& line : finder.audioLogFrom(mark))
      if (line.find(last) != std::string::npos) return true;
    return false;
  }, 20s);
  return finder.audioLogFrom(mark);
}

// The control's top-left corner in the client area of the main window.
POINT placeOf(HWND window, HWND control) {
  RECT r = windowRect(control);
  POINT p{r.left, r.top};
  ScreenToClient(window, &p);
  return p;
}

}  // namespace

TEST(FinderKeyboard, ShortcutsAreAnnouncedThenSoundedThenConfirmedAndTheSettingsAreKept) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  ASSERT_TRUE(bringToFront(finder.window()));

  EXPECT_EQ(heardAfter(finder, [] { pressChord({VK_CONTROL}, 'U'); }, "Sort Type is"),
            (Lines{"Speak 3 Shortcut Pressed: Search Sort Type : C-U", "Beep 275 150",
                   "Speak 3 Sort Type is File Name"}));
  EXPECT_EQ(heardAfter(finder, [] { pressChord({VK_CONTROL}, 'T'); }, "Max Search Results is"),
            (Lines{"Speak 3 Shortcut Pressed: Max Results : C-T", "Beep 275 150",
                   "Speak 3 Max Search Results is  250"}));
  EXPECT_EQ(heardAfter(finder, [] { pressChord({VK_CONTROL, VK_SHIFT}, 'H'); }, "Magnora Hover is"),
            (Lines{"Speak 3 Shortcut Pressed: Toolbar Hover : CS-H", "Beep 275 150",
                   "Speak 3 Magnora Hover is  Speak"}));
  EXPECT_EQ(heardAfter(finder, [] { pressKey(VK_F9); }, "Speech is"),
            (Lines{"Speak 3 Shortcut Pressed: Disable Speech : F9", "Speak 3 Speech is Disabled"}));
  // Silent now, so the key is not announced; the confirmation still is.
  EXPECT_EQ(heardAfter(finder, [] { pressKey(VK_F9); }, "Speech is"), (Lines{"Speak 3 Speech is Enabled"}));

  ASSERT_TRUE(finder.close());
  std::string ini = finder.settingsFile();
  EXPECT_EQ(valueOf(ini, "SortType"), " 0");
  EXPECT_EQ(valueOf(ini, "MaxResults"), " 250");
  EXPECT_EQ(valueOf(ini, "UseHover"), " 2");
  EXPECT_EQ(valueOf(ini, "DisableSpeech"), " 0");
}

TEST(FinderKeyboard, CtrlWHidesTheToolbarCtrlAReplacesTheTermAndEscSaysGoodbye) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  ASSERT_TRUE(bringToFront(finder.window()));
  HWND box = finder.control(500);
  EXPECT_GT(placeOf(finder.window(), box).y, 0);

  pressChord({VK_CONTROL}, 'W');
  ASSERT_TRUE(finder.waitToSay("Toolbar is Hidden"));
  EXPECT_TRUE(waitUntil([&] { return placeOf(finder.window(), box).y == 0; }, 10s));
  EXPECT_EQ(finder.control(502), nullptr);

  // The program's own Select All, then typing replaces the whole term.
  pressChord({VK_CONTROL}, 'A');
  ASSERT_TRUE(finder.waitToSay("Select All"));
  for (char c : std::string("DALLAS")) pressKey(static_cast<WORD>(c));
  EXPECT_TRUE(waitUntil([&] { return finder.searchText() == L"dallas"; }, 10s)) << narrow(finder.searchText());

  pressKey(VK_ESCAPE);
  ASSERT_TRUE(finder.waitForExit());
  std::vector<std::string> said = finder.audioLog();
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.back(), "Speak 2 Exiting Findaro");
  EXPECT_EQ(valueOf(finder.settingsFile(), "ShowToolbar"), " 0");
}
