#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

const std::vector<std::string> kSavedKeys = {
    "Left", "Top", "Width", "Height", "SearchTerm", "FontName", "IgnoreList", "Minimized", "Maximized",
    "FontSize", "FG", "BG", "ShowToolbar", "IconSize", "SortType", "HideToolbarText", "MaxResults",
    "ExcludeSystemFolders", "EnableSpeakLetters", "SpeakNonLetters", "ShortPath", "EnableToolTips", "EnableTime",
    "vRate", "SlowRate", "FastRate", "UseIgnoreList", "UseMagnora", "FocusOnRE", "UseHover", "UseKB",
    "PrintFont", "MaxPrintLines", "SearchType", "ShowPreview", "LastRow", "TopRow", "SpeakShortcuts",
    "IncludeShortcutKey", "SpeakMinimalKey", "PreviewResize", "ImageBG", "WideToolbar", "DisableSpeech",
    "LastSearchType"};

std::vector<std::string> iniLines(const std::string& text) {
  std::vector<std::string> lines = common::split(text, "\r\n");
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string valueOf(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines)
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "<missing>";
}

RECT workAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

std::string placeText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

// The whole window, its close box and its right-hand columns too, lies in the work area.
::testing::AssertionResult isWhollyInside(const RECT& window, const RECT& work) {
  if (window.left >= work.left && window.top >= work.top && window.right <= work.right &&
      window.bottom <= work.bottom)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "window " << placeText(window) << " outside the work area " << placeText(work);
}

// A number as the settings file holds it: a blank before one of 0 or more.
std::string saved(LONG number) { return (number >= 0 ? " " : "") + std::to_string(number); }

// The window as the user first sees it: the place is settled before it is shown,
// and the search box takes the focus once it is on screen.
RECT windowOnceShown(const FinderSession& finder) {
  EXPECT_TRUE(finder.waitToSay("SearchBox has focus"));
  return windowRect(finder.window());
}

}  // namespace

TEST(FinderStartup, FirstStartShowsTheDefaultsAndExitWritesEverySetting) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  EXPECT_EQ(finder.title().rfind(L"Findaro 4.1   Compiled: ", 0), 0u) << narrow(finder.title());
  EXPECT_EQ(finder.statusText(), L"Welcome to Findaro!");
  EXPECT_EQ(finder.searchText(), L"texas");
  RECT r = windowOnceShown(finder);
  EXPECT_EQ(r.right - r.left, 1600);
  EXPECT_EQ(r.bottom - r.top, 800);
  // Made centred at 1250 pixels wide, its right edge would lie past the screen at 1600.
  EXPECT_TRUE(isWhollyInside(r, workAreaOf(finder.window())));
  ASSERT_TRUE(finder.close());

  std::vector<std::string> lines = iniLines(finder.settingsFile());
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_EQ(lines[0], "[All]");
  for (size_t i = 0; i < kSavedKeys.size(); ++i) EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kSavedKeys[i]);
  EXPECT_EQ(valueOf(lines, "Width"), " 1600");
  EXPECT_EQ(valueOf(lines, "Height"), " 800");
  EXPECT_EQ(valueOf(lines, "FontSize"), " 48");
  EXPECT_EQ(valueOf(lines, "SlowRate"), "-3");
  EXPECT_EQ(valueOf(lines, "FastRate"), " 3");
  EXPECT_EQ(valueOf(lines, "SearchTerm"), "texas");
  EXPECT_EQ(valueOf(lines, "FG"), " 65535");

  std::vector<std::string> said = finder.audioLog();
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.back(), "Speak 2 Exiting Findaro");
}

TEST(FinderStartup, AHandEditedFileIsHonouredAndRewrittenAtExit) {
  ScratchFolder folder;
  writeFile(folder.file(L"findaro.ini"),
            "[Extra]\r\nColour=red\r\n[All]\r\nFastRate=+3\r\nFontSize=abc\r\nWidth=1200\r\nHeight=700\r\n"
            "Left=50\r\nTop=60\r\nSearchTerm=dallas\r\nMystery=1\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  RECT r = windowOnceShown(finder);  // a place that fits is kept exactly
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 1200);
  EXPECT_EQ(r.bottom - r.top, 700);
  EXPECT_EQ(finder.searchText(), L"dallas");
  ASSERT_TRUE(finder.close());

  std::string text = finder.settingsFile();
  std::vector<std::string> lines = iniLines(text);
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_EQ(text.find("Extra"), std::string::npos);
  EXPECT_EQ(text.find("Mystery"), std::string::npos);
  EXPECT_EQ(valueOf(lines, "FastRate"), " 3");
  EXPECT_EQ(valueOf(lines, "FontSize"), " 0");
  EXPECT_EQ(valueOf(lines, "Left"), " 50");
  EXPECT_EQ(valueOf(lines, "Top"), " 60");
  EXPECT_EQ(valueOf(lines, "Width"), " 1200");
  EXPECT_EQ(valueOf(lines, "SearchTerm"), "dallas");
}

// These run on a desktop of 1366 x 768, a common laptop screen, which the
// end-to-end runner makes for them alone.
class FinderOnASmallScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366) << "run on the 1366 x 768 desktop (scripts/e2e)";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  }
};

TEST_F(FinderOnASmallScreen, TheFirstStartFitsTheWorkAreaAndTheNextStartIsTheSame) {
  ScratchFolder folder;
  FinderSession first(folder);
  ASSERT_TRUE(first.start());
  RECT seen = windowOnceShown(first);
  RECT work = workAreaOf(first.window());
  EXPECT_TRUE(isWhollyInside(seen, work));
  EXPECT_EQ(seen.right - seen.left, std::min(1600L, work.right - work.left));
  EXPECT_EQ(seen.bottom - seen.top, std::min(800L, work.bottom - work.top));
  ASSERT_TRUE(first.close());
  // What is saved is the place the user saw.
  EXPECT_EQ(first.savedSetting("Left"), saved(seen.left));
  EXPECT_EQ(first.savedSetting("Top"), saved(seen.top));
  EXPECT_EQ(first.savedSetting("Width"), saved(seen.right - seen.left));
  EXPECT_EQ(first.savedSetting("Height"), saved(seen.bottom - seen.top));

  FinderSession second(folder);
  ASSERT_TRUE(second.start());
  EXPECT_EQ(placeText(windowOnceShown(second)), placeText(seen));
  ASSERT_TRUE(second.close());
}

// A laptop taken off its dock: the place saved on the big monitor lies right of,
// below or left of this screen. The window comes back whole, at its own size.
TEST_F(FinderOnASmallScreen, SavedPlacesOffTheScreenComeBackWholeAtTheirSize) {
  const struct {
    const char* place;
    LONG RECT::*edge;  // the edge of the work area the window comes back against
  } cases[] = {
      {"Left=2600\r\nTop=100", &RECT::right},
      {"Left=100\r\nTop=1400", &RECT::bottom},
      {"Left=-2500\r\nTop=100", &RECT::left},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    ScratchFolder folder;
    writeFile(folder.file(L"findaro.ini"), std::string("[All]\r\nWidth=800\r\nHeight=500\r\n") + c.place + "\r\n");
    FinderSession finder(folder);
    ASSERT_TRUE(finder.start());
    RECT r = windowOnceShown(finder);
    RECT work = workAreaOf(finder.window());
    EXPECT_TRUE(isWhollyInside(r, work));
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 500);
    EXPECT_EQ(r.*c.edge, work.*c.edge);
    ASSERT_TRUE(finder.close());
    EXPECT_EQ(finder.savedSetting("Left"), saved(r.left));
    EXPECT_EQ(finder.savedSetting("Top"), saved(r.top));
  }
}
