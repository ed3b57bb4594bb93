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
    "LastSearchType", "SearchTimeLimit", "EngineInstance"};

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
  ASSERT_EQ(lines.size(), 48u);
  EXPECT_EQ(lines[0], "[All]");
  for (size_t i = 0; i < kSavedKeys.size(); ++i) EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kSavedKeys[i]);
  EXPECT_EQ(valueOf(lines, "Width"), " 1600");
  EXPECT_EQ(valueOf(lines, "Height"), " 800");
  EXPECT_EQ(valueOf(lines, "FontSize"), " 48");
  EXPECT_EQ(valueOf(lines, "SlowRate"), "-3");
  EXPECT_EQ(valueOf(lines, "FastRate"), " 3");
  EXPECT_EQ(valueOf(lines, "SearchTerm"), "texas");
  EXPECT_EQ(valueOf(lines, "FG"), " 65535");
  EXPECT_EQ(valueOf(lines, "SearchTimeLimit"), " 60");

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
  ASSERT_EQ(lines.size(), 48u);
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

namespace {

// What a user at another scale sees grow: heights in pixels on the screen.
struct FinderFigures {
  int searchBox = 0;
  int toolbarButton = 0;
  int listRow = 0;
  RECT window{};
  std::string savedWidth;
  // After the system told the window that its scale changed: where it went,
  // and how much of its width the search box leaves on either side.
  RECT movedTo{};
  int searchBoxMargins = 0;
};

const RECT kSuggested{40, 30, 1240, 830};

// Starts the finder on a display of that density (Wine's "LogPixels", which
// each program reads as it starts), measures it and closes it.
FinderFigures finderAtScale(DWORD dpi) {
  RegistryValue logPixels(L"Control Panel\\Desktop", L"LogPixels");
  EXPECT_TRUE(logPixels.setNumber(dpi));
  ScratchFolder folder;
  // The same window on both displays, and one result to measure a row by.
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nLeft=0\r\nTop=0\r\nWidth=1800\r\nHeight=1000\r\nSearchType=1\r\n");
  writeFile(folder.file(L"results.txt"), "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\a\\b.txt\"\r\n");
  FinderSession finder(folder);
  FinderFigures figures;
  if (!finder.start() || !finder.waitToSay("SearchBox has focus")) {
    ADD_FAILURE() << "the finder did not start at " << dpi;
    return figures;
  }
  RECT box = windowRect(finder.control(500));
  RECT button = toolbarButtonRect(finder.control(502), 0);
  RECT row = listRowRect(finder.control(501), 1);
  figures.searchBox = box.bottom - box.top;
  figures.toolbarButton = button.bottom - button.top;
  figures.listRow = row.bottom - row.top;
  figures.window = windowRect(finder.window());

  // Wine has one scale for every display, so the change is the same scale
  // at another place: the window must go there and lay itself out anew.
  EXPECT_TRUE(announceScaleChange(finder.window(), static_cast<int>(dpi), kSuggested));
  figures.movedTo = windowRect(finder.window());
  RECT client{};
  GetClientRect(finder.window(), &client);
  figures.searchBoxMargins = client.right - (windowRect(finder.control(500)).right - windowRect(finder.control(500)).left);
  EXPECT_TRUE(finder.close());
  figures.savedWidth = finder.savedSetting("Width");
  return figures;
}

}  // namespace

TEST(FinderStartup, AtTwiceTheDisplaysScaleTheSearchBoxAToolbarButtonAndAListRowAreTwiceAsTall) {
  FinderFigures normal = finderAtScale(96);
  FinderFigures twice = finderAtScale(192);
  EXPECT_EQ(normal.searchBox, 96);
  EXPECT_EQ(twice.searchBox, 192);
  // The controls keep a few pixels of their own that they never grow: the
  // toolbar 7 round its picture and caption, the list 2 round a row's text.
  // Everything else doubles (with icons of a fixed size the button grew from
  // 107 to 143 only).
  EXPECT_GE(twice.toolbarButton, 2 * normal.toolbarButton - 7);
  EXPECT_LE(twice.toolbarButton, 2 * normal.toolbarButton);
  EXPECT_GE(twice.listRow, 2 * normal.listRow - 2);
  EXPECT_LE(twice.listRow, 2 * normal.listRow);

  // The saved place and size are the window's own pixels at either scale.
  for (const FinderFigures& f : {normal, twice}) {
    EXPECT_EQ(f.window.left, 0);
    EXPECT_EQ(f.window.right - f.window.left, 1800);
    EXPECT_EQ(f.window.bottom - f.window.top, 1000);
    EXPECT_EQ(f.movedTo.left, kSuggested.left);
    EXPECT_EQ(f.movedTo.right, kSuggested.right);
    EXPECT_EQ(f.movedTo.bottom, kSuggested.bottom);
  }
  EXPECT_EQ(normal.savedWidth, " 1200");
  EXPECT_EQ(normal.searchBoxMargins, 2 * 10);
  EXPECT_EQ(twice.searchBoxMargins, 2 * 20);
}
