#include <gtest/gtest.h>

#include "common/text.h"
#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

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
  ASSERT_TRUE(finder.startReadyForKeys());

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
  EXPECT_EQ(heardAfter(finder, [] { pressChord({VK_CONTROL}, 'M'); }, "Spelling"),
            (Lines{"Speak 3 Shortcut Pressed: Spell Search Term : C-M",
                   "Speak 3 Spelling Search Term: t : e : x : a : s :"}));

  ASSERT_TRUE(finder.close());
  EXPECT_EQ(finder.savedSetting("SortType"), " 0");
  EXPECT_EQ(finder.savedSetting("MaxResults"), " 250");
  EXPECT_EQ(finder.savedSetting("UseHover"), " 2");
  EXPECT_EQ(finder.savedSetting("DisableSpeech"), " 0");
}

TEST(FinderKeyboard, CtrlWHidesTheToolbarCtrlAReplacesTheTermAndEscSaysGoodbye) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
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
  EXPECT_EQ(finder.savedSetting("ShowToolbar"), " 0");
}

namespace {

// Moves the mouse to the point and a pixel to and fro, as a resting hand does.
void hover(POINT at, int step) {
  SetCursorPos(at.x + step % 2, at.y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  move.mi.dx = step % 2 ? 1 : -1;
  SendInput(1, &move, sizeof(move));
}

HWND shownTip(DWORD processId) {
  for (HWND window : windowsOf(processId)) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"tooltips_class32" && !windowText(window).empty()) return window;
  }
  return nullptr;
}

}  // namespace

TEST(FinderKeyboard, HoveringOverAToolbarButtonShowsAndSpeaksItsLargeTip) {
  ScratchFolder folder;
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nEnableToolTips= 3\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  RECT bar = windowRect(finder.control(502));
  POINT exitButton{bar.left + 20, bar.top + 20};  // the first button is Exit
  POINT below{bar.left + 20, bar.bottom + 200};
  // The toolbar asks for the tip once the mouse has come onto the button and
  // rested there; the large tip shows at the next move.
  bool spoken = false;
  for (int attempt = 0; attempt < 5 && !spoken; ++attempt) {
    hover(below, 0);
    waitUntil([] { return false; }, 300ms);
    hover(exitButton, 0);
    spoken = finder.waitToSay("Speak 3  Exit ", 4s);
  }
  ASSERT_TRUE(spoken);
  HWND tip = nullptr;
  int step = 1;
  waitUntil([&] {
    hover(exitButton, step++);
    return (tip = shownTip(finder.processId())) != nullptr;
  }, 10s);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(windowText(tip), L" Exit ");
  EXPECT_TRUE(finder.said("Speak 3  Exit "));
  // Resting on the button is told once.
  size_t exits = 0;
  for (const std::string& line : finder.audioLog()) exits += line == "Speak 3  Exit ";
  EXPECT_EQ(exits, 1u);
  hover(below, 0);  // off the toolbar, so that closing is not hovered
  ASSERT_TRUE(finder.close());
}

TEST(FinderKeyboard, TabMovesBetweenTheSearchBoxAndTheList) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  pressKey(VK_TAB);
  ASSERT_TRUE(finder.waitToSay("Results List has focus"));
  size_t boxFocus = finder.timesSaid("SearchBox has focus");
  pressKey(VK_TAB);
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("SearchBox has focus") > static_cast<int>(boxFocus); }, 10s));
  EXPECT_EQ(finder.searchText(), L"texas");  // no tab went into the term
  ASSERT_TRUE(finder.close());
}

TEST(FinderKeyboard, ComingBackFromAnotherWindowTheKeysReachTheFinderAgain) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  pressKey(VK_TAB);
  ASSERT_TRUE(finder.waitToSay("Results List has focus"));

  HWND other = CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                               300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(bringToFront(other));
  int listFocus = finder.timesSaid("Results List has focus");
  ASSERT_TRUE(bringToFront(finder.window()));
  // The control that had the focus has it again, and says so.
  EXPECT_TRUE(waitUntil([&] { return finder.timesSaid("Results List has focus") > listFocus; }, 10s));
  pressKey(VK_TAB);
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  pressKey(VK_END);
  pressKey('X');
  EXPECT_TRUE(waitUntil([&] { return finder.searchText() == L"texasx"; }, 10s)) << narrow(finder.searchText());
  DestroyWindow(other);
  ASSERT_TRUE(finder.close());
}
