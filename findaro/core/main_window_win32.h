#pragma once
// The finder's one window and its controls, as the Screen the behaviour talks to.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "findaro/core/screen.h"

namespace findaro {

struct Finder;

class MainWindow : public Screen {
 public:
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;

  // Entry steps: the window itself, then each control.
  bool create(const std::wstring& title);
  void setDefaultFont(HFONT font) { defaultFont_ = font; }
  void attach(Finder* finder) { finder_ = finder; }
  void createResultsList();
  void createSearchBox();
  void createPreviewPane();
  void createToolbarImages();
  void createStatusBar();
  // Runs the window as the program's one dialog until it is destroyed.
  void run();

  HWND handle() const { return window_; }

  // Screen
  void setWindowSize(int width, int height) override;
  void moveWindow(int x, int y) override;
  Rect normalBounds() override;
  bool isMinimized() override;
  bool isMaximized() override;
  void showMaximized() override;
  void showMinimized() override;
  Size clientSize() override;
  void setTitle(const std::string& title) override;
  void redrawWindow() override;
  void closeWindow() override;
  void postStartupStep() override;
  Focus focus() override;
  void setLargeFont(const std::string& face, int points) override;
  void setStatusFont(const std::string& face, int points) override;
  void setSearchBoxColors(int foreground, int background) override;
  void setListColors(int foreground, int background) override;
  void showControl(ControlId id, bool shown) override;
  void placeControl(ControlId id, const Placement& placement) override;
  std::string searchText() override;
  void setSearchText(const std::string& text) override;
  void postSelectAllSearchText() override;
  void focusSearchBox() override;
  void redrawSearchBox() override;
  void setItemCount(int count) override;
  int itemCount() override;
  void deleteAllItems() override;
  int selectedRow() override;
  void selectRow(int row) override;
  int topIndex() override;
  int rowHeight() override;
  int verticalScrollPosition() override;
  void scrollList(int dy) override;
  void setColumn(int column, const std::string& title, int width) override;
  void setColumnTitle(int column, const std::string& title) override;
  void autoSizeColumns() override;
  void setGridStyle() override;
  void redrawList() override;
  void focusList() override;
  int statusBarHeight() override;
  void setStatusText(const std::string& text) override;
  void rebuildToolbarImages(int iconSize, const std::vector<std::string>& iconNames) override;
  void destroyToolbar() override;
  void buildToolbar(const std::vector<ToolbarItem>& items) override;
  void setToolbarFont(const std::string& face, int points) override;
  int toolbarHeight() override;
  int lastButtonRight() override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
  void listenToFocus(HWND control, ControlId id);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleNotify(NMHDR* header);
  HWND control(ControlId id) const;
  HFONT makeFont(const std::string& face, int points) const;

  HINSTANCE instance_;
  Finder* finder_ = nullptr;
  bool initialised_ = false;
  HWND window_ = nullptr;
  HWND searchBox_ = nullptr;
  HWND resultsList_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND previewPane_ = nullptr;
  HIMAGELIST toolbarImages_ = nullptr;
  HIMAGELIST listImages_ = nullptr;
  HFONT defaultFont_ = nullptr;
  common::UniqueFont largeFont_;
  common::UniqueFont statusFont_;
  common::UniqueFont toolbarFont_;
  common::UniqueIcon bigIcon_;
  common::UniqueIcon smallIcon_;
  HACCEL accelerators_ = nullptr;
  std::wstring cellBuffer_;
  std::vector<std::wstring> toolbarCaptions_;
};

}  // namespace findaro
