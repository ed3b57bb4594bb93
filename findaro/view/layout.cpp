#include "findaro/view/layout.h"

#include <algorithm>

#include "common/number_format.h"
#include "findaro/state/finder.h"
#include "findaro/view/preview.h"

namespace findaro {
namespace {

int rounded(double value) { return static_cast<int>(common::roundHalfEven(value)); }

// Very small windows give negative sizes; the controls then simply have none.
int nonNegative(int value) { return std::max(value, 0); }

}  // namespace

ControlPlacements placeControls(const LayoutInput& in, const common::Scale& scale) {
  const int W = in.clientWidth;
  const int H = in.clientHeight;
  const int TBH = in.toolbarHeight;
  const int EH = scale.pixels(2 * in.fontSize);
  // Every margin is the same, so that the controls stay symmetric at any scale.
  const int margin = scale.pixels(10);
  const int gap = scale.pixels(5);
  const int listTop = TBH + EH + gap;
  const int listHeight = nonNegative(H - TBH - EH - in.statusBarHeight - 2 * gap);
  // The factors are single-precision, as the window's proportions always were.
  const float wide = static_cast<float>(W) * 0.6f;
  const float narrow = static_cast<float>(W) * 0.4f;

  ControlPlacements p;
  p.searchBox = {margin, TBH, nonNegative(W - 2 * margin), nonNegative(EH)};
  p.resultsList = {margin, listTop, nonNegative(in.showPreview == 1 ? rounded(wide) : W - 2 * margin), listHeight};
  p.previewPane = {rounded(wide + static_cast<float>(2 * margin)), listTop,
                   nonNegative(rounded(narrow - static_cast<float>(3 * margin))), listHeight};
  return p;
}

std::string resultCountText(const Finder& finder) {
  return finder.results.isPlaceholder() ? "0" : common::plainNumber(finder.results.count());
}

ColumnLayout columnsFor(int listMode, int clientWidth, const std::string& countText, const common::Scale& scale) {
  ColumnLayout c;
  const double W = clientWidth;
  const double narrower = scale.pixels(30);
  const double wider = scale.pixels(60);
  if (listMode < kModeSettingsList) {
    c.changes = true;
    c.titles[0] = " Name  (" + countText + ")";
    c.titles[1] = " Path";
    c.titles[2] = " Date";
    c.titles[3] = " Size";
    c.widths[0] = rounded(W / 3 - narrower);
    c.widths[1] = rounded(W / 3 - narrower);
    c.widths[2] = rounded(W * 2 / 9);
    c.widths[3] = rounded(W / 9 + wider);
  } else if (listMode == kModeSettingsList || listMode == kModeActionsList) {
    c.changes = true;
    c.titles[0] = listMode == kModeSettingsList ? "Settings Shortcuts" : "Action Shortcuts";
    c.widths[0] = clientWidth;
  }
  return c;
}

void layoutWindow(Finder& finder) {
  const Settings& s = finder.settings;
  finder.window.showControl(kPreviewPane, s.ShowPreview == 1);
  finder.window.showControl(kToolbar, s.ShowToolbar == 1);

  LayoutInput in;
  in.statusBarHeight = finder.window.statusBarHeight();
  Size client = finder.window.clientSize();
  in.clientWidth = client.width;
  in.clientHeight = client.height;
  in.toolbarHeight = finder.toolbar.height();
  in.fontSize = s.FontSize;
  in.showPreview = s.ShowPreview;
  const common::Scale scale = finder.window.scale();

  ControlPlacements p = placeControls(in, scale);
  finder.window.placeControl(kSearchBox, p.searchBox);
  finder.window.placeControl(kResultsList, p.resultsList);
  finder.window.placeControl(kPreviewPane, p.previewPane);

  ColumnLayout columns = columnsFor(s.SearchType, client.width, resultCountText(finder), scale);
  if (columns.changes) {
    for (int i = 0; i < 4; ++i) finder.list.setColumn(i + 1, columns.titles[i], columns.widths[i]);
    finder.list.redraw();
  }
  finder.searchBox.redraw();
  showPreview(finder);
}

void scrollListToTop(Finder& finder, int topRow) {
  int rowHeight = finder.list.rowHeight();
  int current = finder.list.verticalScrollPosition();
  finder.list.scroll((topRow - current) * rowHeight);
}

void fitColumnsToContent(Finder& finder) { finder.list.autoSizeColumns(); }

}  // namespace findaro
