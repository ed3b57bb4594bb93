#pragma once
// The main window as plain state, with a log of the calls that change it.
#include <map>
#include <string>
#include <vector>

#include "findaro/core/screen.h"

namespace testing_support {

struct Column {
  std::string title;
  int width = 0;
};

class FakeScreen : public findaro::Screen {
 public:
  void setWindowSize(int width, int height) override {
    log("size " + std::to_string(width) + "x" + std::to_string(height));
    bounds.right = bounds.left + width;
    bounds.bottom = bounds.top + height;
  }
  void moveWindow(int x, int y) override {
    log("move " + std::to_string(x) + "," + std::to_string(y));
    bounds = {x, y, x + bounds.width(), y + bounds.height()};
  }
  findaro::Rect normalBounds() override { return bounds; }
  bool isMinimized() override { return minimized; }
  bool isMaximized() override { return maximized; }
  void showMaximized() override { log("maximize"); maximized = true; }
  void showMinimized() override { log("minimize"); minimized = true; }
  findaro::Size clientSize() override { return client; }
  void setTitle(const std::string& text) override { title = text; }
  void redrawWindow() override { log("redraw window"); }
  void closeWindow() override { log("close"); closed = true; }
  void postStartupStep() override { log("post startup step"); }
  findaro::Focus focus() override { return focused; }

  void setLargeFont(const std::string& face, int points) override {
    log("large font " + face + " " + std::to_string(points));
  }
  void setStatusFont(const std::string& face, int points) override {
    log("status font " + face + " " + std::to_string(points));
  }
  void setSearchBoxColors(int fg, int bg) override {
    log("search colors " + std::to_string(fg) + " " + std::to_string(bg));
  }
  void setListColors(int fg, int bg) override { log("list colors " + std::to_string(fg) + " " + std::to_string(bg)); }

  void showControl(findaro::ControlId id, bool shown) override { visible[id] = shown; }
  void placeControl(findaro::ControlId id, const findaro::Placement& p) override { placements[id] = p; }

  std::string searchText() override { return search; }
  void setSearchText(const std::string& text) override {
    log("search text " + text);
    search = text;
  }
  void postSelectAllSearchText() override { log("select all search text"); }
  void focusSearchBox() override {
    log("focus search box");
    focused = findaro::Focus::SearchBox;
  }
  void redrawSearchBox() override {}

  void setItemCount(int count) override {
    log("item count " + std::to_string(count));
    items = count;
  }
  int itemCount() override { return items; }
  void deleteAllItems() override {
    log("delete all items");
    items = 0;
  }
  int selectedRow() override { return selected; }
  void selectRow(int row) override {
    log("select row " + std::to_string(row));
    selected = row;
  }
  int topIndex() override { return top; }
  int rowHeight() override { return rowPixels; }
  int verticalScrollPosition() override { return scrollPosition; }
  void scrollList(int dy) override { log("scroll " + std::to_string(dy)); }
  void setColumn(int column, const std::string& text, int width) override { columns[column] = {text, width}; }
  void setColumnTitle(int column, const std::string& text) override { columns[column].title = text; }
  void autoSizeColumns() override { log("autosize columns"); }
  void setGridStyle() override { log("grid style"); }
  void redrawList() override { log("redraw list"); }
  void focusList() override {
    log("focus list");
    focused = findaro::Focus::ResultsList;
  }

  int statusBarHeight() override { return statusHeight; }
  void setStatusText(const std::string& text) override { status = text; }

  void rebuildToolbarImages(int iconSize, const std::vector<std::string>& names) override {
    log("toolbar images " + std::to_string(iconSize) + " x" + std::to_string(names.size()));
  }
  void destroyToolbar() override {
    if (toolbarExists) log("destroy toolbar");
    toolbarExists = false;
    toolbar.clear();
  }
  void buildToolbar(const std::vector<findaro::ToolbarItem>& items_) override {
    log("build toolbar");
    toolbarExists = true;
    toolbar = items_;
  }
  void setToolbarFont(const std::string& face, int points) override {
    log("toolbar font " + face + " " + std::to_string(points));
  }
  int toolbarHeight() override { return toolbarExists ? toolbarPixels : 0; }
  int lastButtonRight() override { return toolbarExists ? lastRight : 0; }

  bool called(const std::string& entry) const {
    for (const std::string& c : calls)
      if (c == entry) return true;
    return false;
  }

  void log(const std::string& entry) { calls.push_back(entry); }

  std::vector<std::string> calls;
  findaro::Rect bounds{100, 50, 1350, 850};
  bool minimized = false;
  bool maximized = false;
  bool closed = false;
  findaro::Size client{1600, 760};
  std::string title;
  findaro::Focus focused = findaro::Focus::Other;
  std::map<int, bool> visible;
  std::map<int, findaro::Placement> placements;
  std::string search;
  int items = 0;
  int selected = 0;
  int top = 0;
  int rowPixels = 20;
  int scrollPosition = 0;
  std::map<int, Column> columns;
  int statusHeight = 30;
  std::string status;
  bool toolbarExists = false;
  std::vector<findaro::ToolbarItem> toolbar;
  int toolbarPixels = 90;
  int lastRight = 900;
};

}  // namespace testing_support
