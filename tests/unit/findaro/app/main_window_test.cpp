#include "findaro/app/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "findaro/search/search_run.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

namespace {

size_t indexOf(const std::vector<std::string>& calls, const std::string& entry) {
  auto it = std::find(calls.begin(), calls.end(), entry);
  return it == calls.end() ? calls.size() : static_cast<size_t>(it - calls.begin());
}

}  // namespace

class MainWindowTest : public FinderTest {};

TEST_F(MainWindowTest, TitleCarriesVersionAndBuildStamp) {
  finder.buildStamp = buildStampText("12/08/2026", "10:15");
  EXPECT_EQ(windowTitle(finder), "Findaro 4.1   Compiled: 12/08/2026 10:15");
  EXPECT_EQ(welcomeText(), "Welcome to Findaro, version 4.1!");
}

TEST_F(MainWindowTest, InitialisationRunsItsStepsInOrder) {
  files.files["C:\\prog\\findaro.ini"] =
      "[All]\r\nSearchTerm=letters\r\nFontName=Verdana\r\nFontSize=36\r\nMaximized=1\r\nMinimized=1\r\nvRate=3\r\n";
  initialiseWindow(finder);
  const auto& c = calls.calls;
  size_t size = indexOf(c, "size 1600x800");
  size_t toolbar = indexOf(c, "build toolbar");
  size_t statusFont = indexOf(c, "status font Verdana 14");
  size_t largeFont = indexOf(c, "large font Verdana 36");
  size_t text = indexOf(c, "search text letters");
  size_t colors = indexOf(c, "search colors 65535 16711680");
  size_t maximize = indexOf(c, "maximize");
  size_t minimize = indexOf(c, "minimize");
  size_t post = indexOf(c, "post startup step");
  EXPECT_LT(size, toolbar);
  EXPECT_LT(toolbar, statusFont);
  EXPECT_LT(statusFont, largeFont);
  EXPECT_LT(largeFont, text);
  EXPECT_LT(text, colors);
  EXPECT_LT(colors, maximize);
  EXPECT_LT(maximize, minimize);
  EXPECT_LT(minimize, post);
  EXPECT_EQ(post, c.size() - 1);
  EXPECT_TRUE(calls.called("list colors 65535 16711680"));
  // The saved rate is heard from the first word.
  EXPECT_EQ(voice.rates, std::vector<int>{3});
}

namespace {

// The saved place and size of the main window, as the next start reads them.
std::string savedPlace(const std::string& ini) {
  size_t from = ini.find("Left=");
  size_t to = ini.find("SearchTerm=");
  return from == std::string::npos || to == std::string::npos ? "<none>" : ini.substr(from, to - from);
}

}  // namespace

// A laptop taken off its dock, or a hand-edited file: a place on a monitor that
// is not there is brought into the nearest work area, the size kept.
TEST_F(MainWindowTest, ASavedPlaceOffTheScreenComesBackWhole) {
  window.workArea = {0, 0, 1366, 728};
  const struct {
    const char* place;
    findaro::Rect saved;
    findaro::Rect seen;
  } cases[] = {
      {"Left=2600\r\nTop=1400", {2600, 1400, 3400, 1900}, {566, 228, 1366, 728}},  // right of and below the screen
      {"Left=-2500\r\nTop=100", {-2500, 100, -1700, 600}, {0, 100, 800, 600}},     // left of it
  };
  for (const auto& c : cases) {
    files.files["C:\\prog\\findaro.ini"] = std::string("[All]\r\nWidth=800\r\nHeight=500\r\n") + c.place + "\r\n";
    initialiseWindow(finder);
    EXPECT_EQ(window.bounds, c.seen) << c.place;
    // The work area is the one of the monitor nearest the place the file gave.
    EXPECT_EQ(window.askedForWorkAreaNear, c.saved) << c.place;
  }
}

TEST_F(MainWindowTest, TheDefaultSizeShrinksToASmallScreenAndWhatWasSeenIsSaved) {
  window.workArea = {0, 0, 1366, 728};
  window.bounds = {58, 0, 1308, 800};  // where the system made the window
  initialiseWindow(finder);
  EXPECT_EQ(window.bounds, (findaro::Rect{0, 0, 1366, 728}));
  onWindowDestroyed(finder);
  const std::string saved = files.files.at("C:\\prog\\findaro.ini");
  EXPECT_EQ(savedPlace(saved), "Left= 0\r\nTop= 0\r\nWidth= 1366\r\nHeight= 728\r\n");

  // The next start reads that place and finds nothing to change.
  calls.calls.clear();
  initialiseWindow(finder);
  EXPECT_EQ(window.bounds, (findaro::Rect{0, 0, 1366, 728}));
  EXPECT_EQ(std::count_if(calls.calls.begin(), calls.calls.end(),
                          [](const std::string& c) { return c.rfind("size ", 0) == 0 || c.rfind("move ", 0) == 0; }),
            2);  // the saved size and place, applied once each
}

// Maximized from the start, the window still returns to a place the user can see.
TEST_F(MainWindowTest, AMaximizedWindowIsFittedBeforeItIsMaximized) {
  window.workArea = {0, 0, 1366, 728};
  files.files["C:\\prog\\findaro.ini"] = "[All]\r\nLeft=2600\r\nTop=10\r\nMaximized=1\r\n";
  initialiseWindow(finder);
  EXPECT_EQ(window.bounds, (findaro::Rect{0, 0, 1366, 728}));
  EXPECT_LT(indexOf(calls.calls, "move 0,0"), indexOf(calls.calls, "maximize"));
}

TEST_F(MainWindowTest, NoToolbarIsBuiltWhenItIsSwitchedOff) {
  files.files["C:\\prog\\findaro.ini"] = "[All]\r\nShowToolbar=0\r\n";
  initialiseWindow(finder);
  EXPECT_FALSE(calls.called("build toolbar"));
}

TEST_F(MainWindowTest, StartupStepRestoresTheRowAndGreetsBeforeTheSearchBoxSpeaks) {
  std::vector<ResultRecord> records(5);
  finder.results.assign(records);
  finder.settings.LastRow = 4;
  finder.settings.TopRow = 2;
  onStartupStep(finder);
  EXPECT_TRUE(calls.called("select row 4"));
  EXPECT_TRUE(calls.called("scroll 40"));
  EXPECT_EQ(finder.pendingAnnouncement, "Welcome to Findaro, version 4.1!");
  EXPECT_EQ(calls.calls.back(), "focus search box");
  EXPECT_LT(indexOf(calls.calls, "select all search text"), indexOf(calls.calls, "focus search box"));
}

TEST_F(MainWindowTest, StartupStepSelectsNoRowThatIsNotThere) {
  finder.settings.LastRow = 0;
  onStartupStep(finder);
  finder.settings.LastRow = 9;  // the saved results had more rows
  onStartupStep(finder);
  for (const std::string& call : calls.calls) EXPECT_EQ(call.rfind("select row", 0), std::string::npos) << call;
}

TEST_F(MainWindowTest, DestroyKeepsTheListPositionSavesAndSaysGoodbyeLast) {
  list.top = 12;
  list.selected = 15;
  onWindowDestroyed(finder);
  const std::string& saved = files.files.at("C:\\prog\\findaro.ini");
  EXPECT_NE(saved.find("LastRow= 15\r\nTopRow= 12\r\n"), std::string::npos);
  ASSERT_FALSE(voice.spoken.empty());
  EXPECT_EQ(voice.spoken.back(), (testing_support::Utterance{"Exiting Findaro", 2}));
}

TEST_F(MainWindowTest, ClosingDuringASearchEndsTheClientFirstAndSavesWhatStoodBefore) {
  files.files["results.txt"] = "Size,Date Modified,Filename\r\n1,d,\"c:\\a\\kept.txt\"\r\n";
  finder.settings.SearchType = 2;
  finder.settings.LastSearchType = 2;
  list.selected = 1;
  processes.keepsRunning = true;
  searchBox.content = "texas";
  findaro::runSearch(finder, 1);
  files.files["results.txt"] = "Size,Da";  // the client was writing
  onWindowDestroyed(finder);
  EXPECT_TRUE(processes.client->endedByFinder);
  EXPECT_FALSE(searchInProgress(finder));
  EXPECT_FALSE(window.ticking);
  EXPECT_EQ(files.files.at("results.txt"), "Size,Date Modified,Filename\r\n1,d,\"c:\\a\\kept.txt\"\r\n");
  const std::string& saved = files.files.at("C:\\prog\\findaro.ini");
  EXPECT_NE(saved.find("\r\nSearchType= 2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nLastSearchType= 2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nLastRow= 1\r\n"), std::string::npos);
  EXPECT_EQ(voice.spoken.back(), (testing_support::Utterance{"Exiting Findaro", 2}));
}

TEST_F(MainWindowTest, StartupStepShowsThePictureOfTheRestoredRowEvenWhenTheListReportsNoChange) {
  std::vector<ResultRecord> records(2);
  records[1].Name = "sun.png";
  records[1].Folder = "c:\\pics\\";
  finder.results.assign(records);
  files.files["c:\\pics\\sun.png"] = "png";
  preview.imageSize = findaro::Size{40, 40};
  finder.settings.ShowPreview = 1;
  finder.settings.LastRow = 2;
  onStartupStep(finder);
  EXPECT_EQ(finder.previewFile, "c:\\pics\\sun.png");
  EXPECT_LT(indexOf(calls.calls, "select row 2"), indexOf(calls.calls, "pane load c:\\pics\\sun.png"));
  EXPECT_TRUE(calls.called("pane draw 0,0 400x400"));
}

TEST_F(MainWindowTest, OnADisplayOfAnotherScaleFontsPicturesToolbarAndPlacesAreMadeAnew) {
  finder.settings.FontName = "Verdana";
  finder.settings.FontSize = 36;
  finder.settings.IconSize = 96;
  window.client = {3000, 1500};
  window.displayScale = common::Scale(192);
  onScaleChanged(finder);
  const auto& c = calls.calls;
  // Fonts are asked for in points: the window makes them at its new scale.
  size_t statusFont = indexOf(c, "status font Verdana 14");
  size_t largeFont = indexOf(c, "large font Verdana 36");
  size_t images = indexOf(c, "toolbar images 192 x20");
  size_t built = indexOf(c, "build toolbar");
  size_t colors = indexOf(c, "search colors 65535 16711680");
  EXPECT_LT(statusFont, largeFont);
  EXPECT_LT(largeFont, images);
  EXPECT_LT(images, built);
  EXPECT_LT(built, colors);
  EXPECT_LT(colors, c.size());
  EXPECT_EQ(toolbar.items[1].width, 118);
  EXPECT_EQ(window.placements[kSearchBox], (Placement{20, 90, 2960, 144}));
}

TEST_F(MainWindowTest, AChangeOfTheSystemsColoursRepaintsInThemAtOnce) {
  finder.settings.ShowPreview = 1;
  finder.previewFile = "c:\\pics\\notes.txt";
  files.files[finder.previewFile] = "text";
  window.theme.highContrast = true;
  window.theme.window = 0x000000;
  window.theme.windowText = 0xFFFFFF;
  onSystemColorsChanged(finder);
  EXPECT_TRUE(calls.called("search colors 16777215 0"));
  EXPECT_TRUE(calls.called("list colors 16777215 0"));
  EXPECT_TRUE(calls.called("tip colors 16777215 0"));
  EXPECT_TRUE(calls.called("pane clear 0"));
  EXPECT_EQ(preview.textForeground, 0xFFFFFF);

  // High contrast off again: the user's scheme comes back, untouched.
  window.theme.highContrast = false;
  calls.clear();
  onSystemColorsChanged(finder);
  EXPECT_TRUE(calls.called("search colors 65535 16711680"));
  EXPECT_TRUE(calls.called("pane clear 16711680"));
}
