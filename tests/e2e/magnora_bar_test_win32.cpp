#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "e2e/magnora_session_win32.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const wchar_t* kFinderWords = L"96 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1 0 0";

int countOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

void makeFolders(const std::wstring& path) {
  for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  CreateDirectoryW(path.c_str(), nullptr);
}

}  // namespace

TEST(MagnoraBar, NoArgumentsShowOneCloseButtonAtTheTopRightOfTheWorkAreaAndEscCloses) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L""));
  RECT work = workArea();
  RECT r = windowRect(bar.bar());
  EXPECT_EQ(r.right - r.left, 192);
  EXPECT_EQ(r.bottom - r.top, 128);
  EXPECT_EQ(r.right, work.right - work.left);
  EXPECT_EQ(r.top, 0);
  std::vector<HWND> buttons = bar.buttons();
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(buttons[0]), 500);
  RECT close = windowRect(buttons[0]);
  EXPECT_EQ(close.right - close.left, 128);
  EXPECT_EQ(close.left - r.left, 64 + 1);  // beyond the grip and the border
  EXPECT_TRUE(GetWindowLongPtrW(bar.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Esc closes the bar with its beep.
  ASSERT_TRUE(bringToFront(bar.bar()));
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(bar.waitForExit(10s));
  EXPECT_EQ(bar.audioLog(), (std::vector<std::string>{"Beep 250 300"}));
}

TEST(MagnoraBar, AtTwiceTheDisplaysScaleTheBarAndItsButtonsAreTwiceAsLargeAtTheTopRight) {
  // Wine's density for every program started while it is set.
  RegistryValue logPixels(L"Control Panel\\Desktop", L"LogPixels");
  ASSERT_TRUE(logPixels.setNumber(192));
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L""));
  RECT work = workArea();
  RECT r = windowRect(bar.bar());
  EXPECT_EQ(r.right - r.left, 384);
  EXPECT_EQ(r.bottom - r.top, 256);
  EXPECT_EQ(r.right, work.right - work.left);
  EXPECT_EQ(r.top, 0);
  RECT close = windowRect(bar.button(500));
  EXPECT_EQ(close.right - close.left, 256);
  EXPECT_EQ(close.bottom - close.top, 256);
  EXPECT_EQ(close.left - r.left, 128 + 1);  // beyond the grip and the border
  // The close button shows its red sign at the button's size.
  EXPECT_NE(SendMessageW(bar.button(500), BM_GETIMAGE, IMAGE_ICON, 0), 0);
  POINT red{(close.left + close.right) / 2, close.top + (close.bottom - close.top) / 4};
  EXPECT_TRUE(waitUntil([&] { return similarColor(screenPixel(red), RGB(215, 0, 0)); }, 10s))
      << describeColor(screenPixel(red));
  // Told that its scale changed (Wine's is the same everywhere), the bar goes
  // where the system suggests with its buttons made anew at its own size.
  ASSERT_TRUE(announceScaleChange(bar.bar(), 192, RECT{100, 200, 300, 300}));
  r = windowRect(bar.bar());
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 200);
  EXPECT_EQ(r.right - r.left, 384);
  EXPECT_EQ(r.bottom - r.top, 256);
  EXPECT_EQ(windowRect(bar.button(500)).left - r.left, 128 + 1);
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

TEST(MagnoraBar, TheGripIsGreyAndUnderHighContrastTheSystemsButtonColour) {
  RegistryValue face(L"Control Panel\\Colors", L"ButtonFace");
  ASSERT_TRUE(face.setText(L"128 0 128"));
  ScratchFolder folder;
  auto gripColour = [](MagnoraSession& bar) {
    RECT r = windowRect(bar.bar());
    return screenPixel(POINT{r.left + 20, r.top + 20});
  };
  {
    MagnoraSession bar(folder);
    ASSERT_TRUE(bar.start(L""));
    EXPECT_TRUE(waitUntil([&] { return similarColor(gripColour(bar), RGB(200, 200, 200)); }, 10s))
        << describeColor(gripColour(bar));
    PostMessageW(bar.bar(), plMessage(), 0, 64);
    EXPECT_TRUE(bar.waitForExit(10s));
  }
  // Wine cannot switch high contrast on; the variable stands in for it.
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"", {{L"MAGNORA_HIGH_CONTRAST", L"1"}}));
  EXPECT_TRUE(waitUntil([&] { return similarColor(gripColour(bar), RGB(128, 0, 128)); }, 10s))
      << describeColor(gripColour(bar));
  SendMessageW(bar.bar(), WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(bar.bar(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(waitUntil([&] { return similarColor(gripColour(bar), RGB(128, 0, 128)); }, 10s))
      << describeColor(gripColour(bar));
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

TEST(MagnoraBar, TheFindersWordsShowSevenButtonsOf96) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(kFinderWords));
  RECT r = windowRect(bar.bar());
  EXPECT_EQ(r.right - r.left, 736);
  EXPECT_EQ(r.bottom - r.top, 96);
  std::vector<int> ids;
  for (HWND b : bar.buttons()) ids.push_back(GetDlgCtrlID(b));
  EXPECT_EQ(ids, (std::vector<int>{502, 501, 506, 507, 508, 531, 500}));
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

TEST(MagnoraBar, ASecondStartBeepsTwiceAndOpensNoWindow) {
  ScratchFolder folder;
  MagnoraSession first(folder);
  ASSERT_TRUE(first.start(kFinderWords));
  MagnoraSession second(folder, L"second.log");
  DWORD code = 1;
  ASSERT_TRUE(second.startAndWaitForExit(L"", &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(second.audioLog(), (std::vector<std::string>{"Beep 250 300", "Beep 250 300"}));
  EXPECT_EQ(countOf(first.audioLog(), "Beep 250 300"), 0);
  EXPECT_EQ(windowsOf(second.process().id()).size(), 0u);
  EXPECT_TRUE(first.process().running());
  PostMessageW(first.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(first.waitForExit(10s));
}

TEST(MagnoraBar, PlMessage64ClosesTheBarWhichSaysGoodbyeWithWords15And14) {
  ScratchFolder folder;
  StandInWindow listener(RECT{0, 300, 200, 500});
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"0 0 0 0 0 0 0 0 0 0 0 0 0 7 9"));
  PostMessageW(HWND_BROADCAST, plMessage(), 0, 64);
  EXPECT_TRUE(listener.waitFor([&] { return !bar.process().running(); }, 10s));
  EXPECT_TRUE(bar.waitForExit(5s));
  auto heard = [&] {
    return std::count(listener.plMessages.begin(), listener.plMessages.end(), std::make_pair(WPARAM(9), LPARAM(7)));
  };
  EXPECT_TRUE(listener.waitFor([&] { return heard() == 1; }, 10s));
}

TEST(MagnoraBar, ZoomInAndCloseActOnTheWindowInTheMiddleOfTheScreen) {
  ScratchFolder folder;
  RECT work = workArea();
  int cx = (work.right - work.left) / 2;
  int cy = (work.bottom - work.top) / 2;
  StandInWindow browser(RECT{cx - 300, cy - 200, cx + 300, cy + 200});
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"0 0 1"));
  ASSERT_EQ(bar.buttons().size(), 4u);

  bar.press(503);
  EXPECT_TRUE(browser.waitFor([&] { return browser.keysDown.size() >= 2; }, 20s));
  EXPECT_EQ(browser.keysDown, (std::vector<WPARAM>{VK_CONTROL, VK_ADD}));
  EXPECT_TRUE(browser.waitFor([&] { return bar.logHas("Beep 250 300"); }, 5s));
  // Once the bar is done with the command it is on top again, and the window in
  // front still has the keyboard.
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(bar.bar(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20000, &answer));
  EXPECT_TRUE(GetWindowLongPtrW(bar.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), browser.handle());

  // The close button closes the window in front and the bar together.
  bar.press(500);
  EXPECT_TRUE(browser.waitFor([&] { return browser.closeRequests == 1; }, 20s));
  EXPECT_TRUE(browser.waitFor([&] { return !bar.process().running(); }, 10s));
  EXPECT_TRUE(bar.waitForExit(5s));
}

TEST(MagnoraBar, ShowBookmarksWritesOneEscapedPageBesideTheProgram) {
  ScratchFolder folder;
  std::wstring profile = folder.file(L"AppData\\Local\\Google\\Chrome\\User Data\\Default");
  makeFolders(profile);
  writeFile(profile + L"\\Bookmarks",
            "{\r\n   \"roots\": {\r\n      \"bookmark_bar\": {\r\n         \"children\": [ {\r\n"
            "            \"name\": \"Weather & <b>News</b>\",\r\n"
            "            \"type\": \"url\",\r\n"
            "            \"url\": \"https://weather.example/?a=1&b=2\"\r\n"
            "         }, {\r\n"
            "            \"name\": \"Mail\",\r\n"
            "            \"type\": \"url\",\r\n"
            "            \"url\": \"https://mail.example/\"\r\n"
            "         } ],\r\n"
            "         \"name\": \"Bookmarks bar\",\r\n"
            "         \"type\": \"folder\"\r\n      }\r\n   }\r\n}\r\n");
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"0 0 0 0 0 1", {{L"LocalAppData", folder.file(L"AppData\\Local")}}));
  bar.press(510);
  std::wstring page = folder.file(L"pagelume_bookmarks.htm");
  ASSERT_TRUE(waitUntil([&] { return readFile(page).find("</html>") != std::string::npos; }, 20s));
  EXPECT_EQ(readFile(page),
            "<html><body><h1>Bookmarks (2)</h1><font size=5>\r\n"
            "<a href=\"https://weather.example/?a=1&amp;b=2\"><b>Weather &amp; &lt;b&gt;News&lt;/b&gt;,</b></a><p>\r\n"
            "<a href=\"https://mail.example/\"><b>Mail,</b></a><p>\r\n"
            "\r\n</font></body></html>\r\n");
  // Opening the page must leave the bar working, whatever opens it.
  EXPECT_TRUE(waitUntil([&] { return bar.logHas("Beep 250 300"); }, 5s));
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(bar.bar(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20000, &answer));
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(20s));
}

TEST(MagnoraBar, DictationWithoutANetworkSaysNoInternet) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  // Nothing listens on this machine's web port, so the check fails at once.
  ASSERT_TRUE(bar.start(L"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1", {{L"MAGNORA_INTERNET_HOST", L"127.0.0.1"}}));
  bar.press(527);
  EXPECT_TRUE(waitUntil([&] { return bar.logHas("Speak 3 No Internet!"); }, 30s));
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

namespace {

INPUT mouseInput(int x, int y, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = (y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  return input;
}

void doubleClickAt(POINT p) {
  INPUT inputs[] = {mouseInput(p.x, p.y, 0), mouseInput(p.x, p.y, MOUSEEVENTF_LEFTDOWN),
                    mouseInput(p.x, p.y, MOUSEEVENTF_LEFTUP), mouseInput(p.x, p.y, MOUSEEVENTF_LEFTDOWN),
                    mouseInput(p.x, p.y, MOUSEEVENTF_LEFTUP)};
  SendInput(5, inputs, sizeof(INPUT));
}

// The bar's tooltip window: top-level, owned by the bar, hidden until needed.
HWND tooltipOf(HWND bar) {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); w;
       w = FindWindowExW(nullptr, w, L"tooltips_class32", nullptr))
    if (GetWindow(w, GW_OWNER) == bar) return w;
  return nullptr;
}

LRESULT toolCount(HWND tooltip) {
  DWORD_PTR count = 0;
  SendMessageTimeoutW(tooltip, TTM_GETTOOLCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<LRESULT>(count);
}

POINT gripOf(HWND bar) {
  RECT r = windowRect(bar);
  return {r.left + 20, r.top + 20};
}

}  // namespace

TEST(MagnoraBar, TheGripDragsTheBarAndDoubleClicksBringItHomeExpandAndCollapseWithTooltips) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"64 0 0 0 0 0 0 0 0 0 1"));
  RECT work = workArea();
  const LONG homeRight = work.right - work.left;
  HWND tooltip = tooltipOf(bar.bar());
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(toolCount(tooltip), 1);

  doubleClickAt(gripOf(bar.bar()));
  ASSERT_TRUE(waitUntil([&] { return windowRect(bar.bar()).right - windowRect(bar.bar()).left == 29 * 64 + 64; },
                        10s));
  EXPECT_EQ(bar.buttons().size(), 29u);
  EXPECT_EQ(toolCount(tooltip), 29);  // the new buttons keep their names
  RECT r = windowRect(bar.bar());
  EXPECT_EQ(r.right, homeRight);

  // A hand moves the mouse a step at a time, and so does this.
  POINT from = gripOf(bar.bar());
  std::vector<INPUT> drag{mouseInput(from.x, from.y, 0), mouseInput(from.x, from.y, MOUSEEVENTF_LEFTDOWN)};
  for (int step = 1; step <= 10; ++step) drag.push_back(mouseInput(from.x + 10 * step, from.y + 30 * step, 0));
  drag.push_back(mouseInput(from.x + 100, from.y + 300, MOUSEEVENTF_LEFTUP));
  for (INPUT& input : drag) {
    SendInput(1, &input, sizeof(INPUT));
    std::this_thread::sleep_for(30ms);
  }
  ASSERT_TRUE(waitUntil([&] { return windowRect(bar.bar()).top == 300; }, 10s)) << windowRect(bar.bar()).top;
  EXPECT_EQ(windowRect(bar.bar()).left, r.left + 100);

  // Away from home a double-click only comes home; at home it collapses.
  doubleClickAt(gripOf(bar.bar()));
  ASSERT_TRUE(waitUntil([&] { return windowRect(bar.bar()).top == 0; }, 10s));
  EXPECT_EQ(windowRect(bar.bar()).right, homeRight);
  EXPECT_EQ(bar.buttons().size(), 29u);
  doubleClickAt(gripOf(bar.bar()));
  // The buttons are made first, then the bar takes its new size.
  ASSERT_TRUE(waitUntil([&] { return windowRect(bar.bar()).right - windowRect(bar.bar()).left == 64 + 64; }, 10s));
  EXPECT_EQ(bar.buttons().size(), 1u);
  r = windowRect(bar.bar());
  EXPECT_EQ(r.right, homeRight);
  EXPECT_EQ(countOf(bar.audioLog(), "Beep 250 300"), 3);

  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

namespace {

POINT middleOf(HWND window) {
  RECT r = windowRect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void rightClickAt(POINT p) {
  INPUT inputs[] = {mouseInput(p.x, p.y, 0), mouseInput(p.x, p.y, MOUSEEVENTF_RIGHTDOWN),
                    mouseInput(p.x, p.y, MOUSEEVENTF_RIGHTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

}  // namespace

TEST(MagnoraBar, ButtonsAreNamedOnHoverAndRightClickAndARightClickOnTheGripCloses) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"96 1 0 1 1 0 0 0 0 0 2 0 0 0 0 0 1 0 0"));
  POINT close = middleOf(bar.button(500));
  INPUT onto[] = {mouseInput(close.x - 5, close.y, 0), mouseInput(close.x, close.y, 0)};
  SendInput(2, onto, sizeof(INPUT));
  ASSERT_TRUE(waitUntil([&] { return bar.logHas("Speak 3 Exit Magnora"); }, 10s));

  // The right-click beeps and names the button, and the bar stays. (How often
  // the moves there name it depends on how the display replays the pointer.)
  rightClickAt(middleOf(bar.button(531)));
  auto beepThenName = [&] {
    std::vector<std::string> said = bar.audioLog();
    for (size_t i = 0; i + 1 < said.size(); ++i)
      if (said[i] == "Beep 250 300" && said[i + 1] == "Speak 3 Print Screen") return true;
    return false;
  };
  ASSERT_TRUE(waitUntil(beepThenName, 10s));
  EXPECT_TRUE(bar.process().running());

  rightClickAt(gripOf(bar.bar()));
  EXPECT_TRUE(bar.waitForExit(10s));
}

// Run on a desktop of 1366 x 768, which the end-to-end runner makes for it alone.
// Every group on would make a bar of 29 buttons of 96 pixels, more than twice as
// wide as the screen: the buttons shrink so that each one, the close button last,
// is on the screen.
TEST(MagnoraOnASmallScreen, EveryButtonOfAFullBarIsOnTheScreen) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366) << "run on the 1366 x 768 desktop (scripts/e2e)";
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"128 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1"));
  RECT work = workArea();
  RECT r = windowRect(bar.bar());
  EXPECT_GE(r.left, work.left);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.top, work.top);
  EXPECT_LE(r.bottom, work.bottom);
  std::vector<HWND> buttons = bar.buttons();
  ASSERT_EQ(buttons.size(), 29u);
  EXPECT_EQ(GetDlgCtrlID(buttons.back()), 500);
  // Each can be reached: the point under its middle is the button itself.
  for (HWND button : buttons) {
    RECT b = windowRect(button);
    POINT middle = middleOf(button);
    EXPECT_TRUE(PtInRect(&work, middle)) << GetDlgCtrlID(button);
    EXPECT_EQ(WindowFromPoint(middle), button) << GetDlgCtrlID(button);
    EXPECT_EQ(b.right - b.left, b.bottom - b.top) << GetDlgCtrlID(button);
  }
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}
