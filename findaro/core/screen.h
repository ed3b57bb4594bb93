#pragma once
// What the finder's behaviour asks of its window and controls. The Win32 shell
// implements it on the real window; tests use a fake that records the calls.
#include <cstdint>
#include <string>
#include <vector>

#include "findaro/core/controls.h"
#include "findaro/core/geometry.h"
#include "findaro/core/toolbar_layout.h"

namespace findaro {

class Screen {
 public:
  virtual ~Screen() = default;

  // The main window.
  virtual void setWindowSize(int width, int height) = 0;
  virtual void moveWindow(int x, int y) = 0;
  virtual Rect normalBounds() = 0;  // the restored rectangle, even when maximized
  virtual bool isMinimized() = 0;
  virtual bool isMaximized() = 0;
  virtual void showMaximized() = 0;
  virtual void showMinimized() = 0;
  virtual Size clientSize() = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual void redrawWindow() = 0;
  virtual void closeWindow() = 0;
  // Posts the private start-up step, so that it runs once the window is on screen.
  virtual void postStartupStep() = 0;
  virtual Focus focus() = 0;

  // Fonts and colours (COLORREF values).
  virtual void setLargeFont(const std::string& face, int points) = 0;
  virtual void setStatusFont(const std::string& face, int points) = 0;
  virtual void setSearchBoxColors(int foreground, int background) = 0;
  virtual void setListColors(int foreground, int background) = 0;

  // Placement of the controls.
  virtual void showControl(ControlId id, bool shown) = 0;
  virtual void placeControl(ControlId id, const Placement& placement) = 0;

  // The search box.
  virtual std::string searchText() = 0;
  virtual void setSearchText(const std::string& text) = 0;
  virtual void postSelectAllSearchText() = 0;
  virtual void focusSearchBox() = 0;
  virtual void redrawSearchBox() = 0;

  // The results list (an owner-data list: it holds a count, never texts).
  virtual void setItemCount(int count) = 0;
  virtual int itemCount() = 0;
  virtual void deleteAllItems() = 0;
  virtual int selectedRow() = 0;         // 1-based, 0 when nothing is selected
  virtual void selectRow(int row) = 0;   // selected, focused state, made fully visible
  virtual int topIndex() = 0;            // 0-based index of the first visible row
  virtual int rowHeight() = 0;
  virtual int verticalScrollPosition() = 0;
  virtual void scrollList(int dy) = 0;
  virtual void setColumn(int column, const std::string& title, int width) = 0;  // column from 1
  virtual void setColumnTitle(int column, const std::string& title) = 0;
  virtual void autoSizeColumns() = 0;
  virtual void setGridStyle() = 0;
  virtual void redrawList() = 0;
  virtual void focusList() = 0;

  // The status bar.
  virtual int statusBarHeight() = 0;
  virtual void setStatusText(const std::string& text) = 0;

  // The toolbar. A rebuild destroys the old one; without items there is none.
  virtual void rebuildToolbarImages(int iconSize, const std::vector<std::string>& iconNames) = 0;
  virtual void destroyToolbar() = 0;
  virtual void buildToolbar(const std::vector<ToolbarItem>& items) = 0;
  virtual void setToolbarFont(const std::string& face, int points) = 0;
  virtual int toolbarHeight() = 0;    // 0 while there is no toolbar
  virtual int lastButtonRight() = 0;  // toolbar client coordinates; 0 without a toolbar
};

}  // namespace findaro
