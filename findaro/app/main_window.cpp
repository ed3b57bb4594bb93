#include "findaro/app/main_window.h"

#include "common/screen/screen_fit.h"
#include "findaro/app/window_events.h"
#include "findaro/lists/colors.h"
#include "findaro/search/results_file.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/state/settings_store.h"
#include "findaro/view/layout.h"
#include "findaro/view/preview.h"
#include "findaro/view/toolbar.h"

namespace findaro {

namespace {

constexpr int kStatusFontPoints = 14;

}  // namespace

std::string welcomeText() { return std::string("Welcome to Findaro, version ") + kVersion + "!"; }

std::string buildStampText(const std::string& date, const std::string& time) {
  return "   Compiled: " + date + " " + time;
}

std::string windowTitle(const Finder& finder) { return std::string("Findaro ") + kVersion + finder.buildStamp; }

namespace {

// A place saved on a monitor that is no longer there, or a size larger than this
// screen, would open the window out of reach, greeting the user from nowhere. The
// record follows, so that what is saved at exit is the place the user saw.
void keepWindowOnScreen(Finder& finder) {
  Rect bounds = finder.window.normalBounds();
  Rect fitted = common::fitIntoWorkArea(bounds, finder.window.workAreaNear(bounds));
  if (fitted == bounds) return;
  finder.window.setWindowSize(fitted.width(), fitted.height());
  finder.window.moveWindow(fitted.left, fitted.top);
  Settings& s = finder.settings;
  s.Left = fitted.left;
  s.Top = fitted.top;
  s.Width = fitted.width();
  s.Height = fitted.height();
}

}  // namespace

void initialiseWindow(Finder& finder) {
  Settings& s = finder.settings;
  loadOrSaveSettings(finder, "get");
  keepWindowOnScreen(finder);
  // The saved rate is heard from the first word, not only after the next change.
  applySavedSpeechRate(finder);
  if (s.ShowToolbar == 1) createToolbar(finder);
  finder.window.setStatusFont(s.FontName, kStatusFontPoints);
  finder.window.setLargeFont(s.FontName, s.FontSize);
  finder.searchBox.setText(s.SearchTerm);
  applyColors(finder);
  if (s.Maximized == 1) finder.window.showMaximized();
  if (s.Minimized == 1) finder.window.showMinimized();
  reloadLastResults(finder);
  finder.window.postStartupStep();
}

void onStartupStep(Finder& finder) {
  Settings& s = finder.settings;
  finder.window.redrawWindow();
  scrollListToTop(finder, s.TopRow);
  // A row that no longer exists is not selected (index -1 would mean every row).
  if (s.LastRow >= 1 && s.LastRow <= finder.results.count()) {
    finder.list.selectRow(s.LastRow);
    // The list may already hold that row selected, and then reports no change.
    setPreviewFile(finder, s.LastRow);
  }
  layoutWindow(finder);  // which ends by drawing the preview
  finder.pendingAnnouncement = welcomeText();
  finder.searchBox.postSelectAll();
  finder.searchBox.focus();
}

void onWindowDestroyed(Finder& finder) {
  Settings& s = finder.settings;
  endSearchBeforeClosing(finder);
  s.TopRow = finder.list.topIndex();
  s.LastRow = finder.list.selectedRow();
  loadOrSaveSettings(finder, "save");
  speakAndWait(finder, "Exiting Findaro");
}

void onScaleChanged(Finder& finder) {
  Settings& s = finder.settings;
  finder.window.setStatusFont(s.FontName, kStatusFontPoints);
  finder.window.setLargeFont(s.FontName, s.FontSize);
  createToolbarImages(finder);
  createToolbar(finder);
  // A new font resets the search box's colours.
  applyColors(finder);
  layoutWindow(finder);
}

void onSystemColorsChanged(Finder& finder) {
  applyColors(finder);
  preparePreviewPane(finder);
  showPreview(finder);
}

}  // namespace findaro
