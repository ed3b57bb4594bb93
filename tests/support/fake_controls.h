#pragma once
// The main window and its controls as plain state, each call that changes them
// written to one shared log.
#include <map>
#include <string>
#include <vector>

#include "findaro/controls/results_list.h"
#include "findaro/controls/search_box.h"
#include "findaro/controls/toolbar_control.h"
#include "findaro/controls/tooltip_window.h"
#include "findaro/controls/window.h"
#include "support/call_log.h"

namespace testing_support {

struct Column {
  std::string title;
  int width = 0;
};

class FakeWindow : public findaro::Window {
 public:
  explicit FakeWindow(CallLog& log) : log_(log) {}

  void setWindowSize(int width, int height) override {
    log_.log("size " + std::to_string(width) + "x" + std::to_string(height));
    bounds.right = bounds.left + width;
    bounds.bottom = bounds.top + height;
  }
  void moveWindow(int x, int y) override {
    log_.log("move " + std::to_string(x) + "," + std::to_string(y));
    bounds = {x, y, x + bounds.width(), y + bounds.height()};
  }
  findaro::Rect normalBounds() override { return bounds; }
  findaro::Rect workAreaNear(const findaro::Rect& near) override {
    askedForWorkAreaNear = near;
    return workArea;
  }
  bool isMinimized() override { return minimized; }
  bool isMaximized() override { return maximized; }
  void showMaximized() override {
    log_.log("maximize");
    maximized = true;
  }
  void showMinimized() override {
    log_.log("minimize");
    minimized = true;
  }
  findaro::Size clientSize() override { return client; }
  void setTitle(const std::string& text) override { titleText = text; }
  std::string title() override { return titleText; }
  void redrawWindow() override { log_.log("redraw window"); }
  void closeWindow() override {
    log_.log("close");
    closed = true;
  }
  void postStartupStep() override { log_.log("post startup step"); }
  findaro::Focus focus() override { return focused; }
  void startSearchTicks() override {
    log_.log("start ticks");
    ticking = true;
  }
  void stopSearchTicks() override {
    log_.log("stop ticks");
    ticking = false;
  }
  void setLargeFont(const std::string& face, int points) override {
    log_.log("large font " + face + " " + std::to_string(points));
  }
  void setStatusFont(const std::string& face, int points) override {
    log_.log("status font " + face + " " + std::to_string(points));
  }
  void showControl(findaro::ControlId id, bool shown) override { visible[id] = shown; }
  void placeControl(findaro::ControlId id, const findaro::Placement& p) override { placements[id] = p; }
  common::Scale scale() override { return displayScale; }
  common::SystemTheme systemTheme() override { return theme; }
  int statusBarHeight() override { return statusHeight; }
  void setStatusText(const std::string& text) override { status = text; }

  findaro::Rect bounds{100, 50, 1350, 850};
  findaro::Rect workArea{0, 0, 1920, 1040};
  findaro::Rect askedForWorkAreaNear;
  bool minimized = false;
  bool maximized = false;
  bool closed = false;
  findaro::Size client{1600, 760};
  std::string titleText;
  findaro::Focus focused = findaro::Focus::Other;
  bool ticking = false;
  std::map<int, bool> visible;
  std::map<int, findaro::Placement> placements;
  int statusHeight = 30;
  std::string status;
  common::Scale displayScale;
  common::SystemTheme theme;

 private:
  CallLog& log_;
};

// A one-line box over a UTF-8 text; positions count characters, which is what
// the control's UTF-16 units are for the texts the tests use.
class FakeSearchBox : public findaro::SearchBox {
 public:
  FakeSearchBox(CallLog& log, FakeWindow& window) : log_(log), window_(window) {}

  std::string text() override { return content; }
  void setText(const std::string& text) override {
    log_.log("search text " + text);
    content = text;
    caret = {static_cast<int>(text.size()), static_cast<int>(text.size())};
  }
  void selectAll() override {
    log_.log("select all now");
    caret = {0, static_cast<int>(content.size())};
  }
  void postSelectAll() override {
    log_.log("select all search text");
    caret = {0, static_cast<int>(content.size())};
  }
  void focus() override {
    log_.log("focus search box");
    window_.focused = findaro::Focus::SearchBox;
  }
  void redraw() override {}
  void setColors(int fg, int bg) override { log_.log("search colors " + std::to_string(fg) + " " + std::to_string(bg)); }
  findaro::TextSelection selection() override { return caret; }
  std::string textRange(int start, int end) override {
    if (start < 0 || end > static_cast<int>(content.size()) || start >= end) return "";
    return content.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
  }
  std::string selectedText() override { return textRange(caret.start, caret.end); }
  void cut() override {
    log_.log("cut");
    cutText = selectedText();
    content.erase(static_cast<size_t>(caret.start), static_cast<size_t>(caret.end - caret.start));
    caret.end = caret.start;
  }
  void paste() override { log_.log("paste"); }

  std::string content;
  findaro::TextSelection caret;
  std::string cutText;

 private:
  CallLog& log_;
  FakeWindow& window_;
};

class FakeResultsList : public findaro::ResultsList {
 public:
  FakeResultsList(CallLog& log, FakeWindow& window) : log_(log), window_(window) {}

  void setItemCount(int count) override {
    log_.log("item count " + std::to_string(count));
    items = count;
  }
  int itemCount() override { return items; }
  void deleteAllItems() override {
    log_.log("delete all items");
    items = 0;
  }
  int selectedRow() override { return selected; }
  void selectRow(int row) override {
    log_.log("select row " + std::to_string(row));
    selected = row;
  }
  int topIndex() override { return top; }
  int rowHeight() override { return rowPixels; }
  int verticalScrollPosition() override { return scrollPosition; }
  void scroll(int dy) override { log_.log("scroll " + std::to_string(dy)); }
  void setColumn(int column, const std::string& text, int width) override { columns[column] = {text, width}; }
  void setColumnTitle(int column, const std::string& text) override { columns[column].title = text; }
  void autoSizeColumns() override { log_.log("autosize columns"); }
  void setGridStyle() override { log_.log("grid style"); }
  void redraw() override { log_.log("redraw list"); }
  void focus() override {
    log_.log("focus list");
    window_.focused = findaro::Focus::ResultsList;
  }
  void setColors(int fg, int bg) override { log_.log("list colors " + std::to_string(fg) + " " + std::to_string(bg)); }

  int items = 0;
  int selected = 0;
  int top = 0;
  int rowPixels = 20;
  int scrollPosition = 0;
  std::map<int, Column> columns;

 private:
  CallLog& log_;
  FakeWindow& window_;
};

class FakeToolbar : public findaro::Toolbar {
 public:
  explicit FakeToolbar(CallLog& log) : log_(log) {}

  void rebuildImages(int iconSize, const std::vector<std::string>& names) override {
    log_.log("toolbar images " + std::to_string(iconSize) + " x" + std::to_string(names.size()));
  }
  void destroy() override {
    if (exists) log_.log("destroy toolbar");
    exists = false;
    items.clear();
  }
  void build(const std::vector<findaro::ToolbarItem>& newItems) override {
    log_.log("build toolbar");
    exists = true;
    items = newItems;
  }
  void setFont(const std::string& face, int points) override {
    log_.log("toolbar font " + face + " " + std::to_string(points));
  }
  int height() override { return exists ? pixels : 0; }
  int lastButtonRight() override { return exists ? lastRight : 0; }

  bool exists = false;
  std::vector<findaro::ToolbarItem> items;
  int pixels = 90;
  int lastRight = 900;

 private:
  CallLog& log_;
};

class FakeTooltip : public findaro::TooltipWindow {
 public:
  explicit FakeTooltip(CallLog& log) : log_(log) {}

  void setToolbarTip(const std::string& text) override {
    log_.log("tip [" + text + "]");
    tip = text;
  }
  void pop() override { log_.log("tip pop"); }
  void setColors(int text, int background) override {
    log_.log("tip colors " + std::to_string(text) + " " + std::to_string(background));
  }

  std::string tip;

 private:
  CallLog& log_;
};

}  // namespace testing_support
