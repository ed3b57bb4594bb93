#pragma once
// The finder's one window: it creates its controls, runs the message loop and
// turns each message into one call on the behaviour.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "common/handles_win32.h"
#include "findaro/app/finder_control_events.h"
#include "findaro/controls/preview_pane_win32.h"
#include "findaro/controls/results_list_win32.h"
#include "findaro/controls/search_box_win32.h"
#include "findaro/controls/toolbar_win32.h"
#include "findaro/controls/tooltip_window_win32.h"
#include "findaro/controls/window.h"

namespace findaro {

struct Finder;

class MainWindow : public Window {
 public:
  explicit MainWindow(HINSTANCE instance);

  // Entry steps: the window itself, then each control.
  bool create(const std::wstring& title);
  void setDefaultFont(const std::string& face, int points);
  void attach(Finder* finder) {
    finder_ = finder;
    events_.emplace(*finder);
  }
  void createResultsList();
  void createSearchBox();
  void createPreviewPane();
  void createToolbarImages();
  void createTooltipWindow();
  void createStatusBar();
  // Runs the window as the program's one dialog until it is destroyed.
  void run();

  HWND handle() const { return window_; }
  SearchBoxControl& searchBox() { return searchBox_; }
  ResultsListControl& list() { return list_; }
  ToolbarControl& toolbar() { return toolbar_; }
  PreviewPaneControl& preview() { return preview_; }
  TooltipWindowControl& tooltip() { return tooltip_; }

  // Window
  void setWindowSize(int width, int height) override;
  void moveWindow(int x, int y) override;
  Rect normalBounds() override;
  Rect workAreaNear(const Rect& bounds) override;
  bool isMinimized() override;
  bool isMaximized() override;
  void showMaximized() override;
  void showMinimized() override;
  Size clientSize() override;
  void setTitle(const std::string& title) override;
  std::string title() override;
  void redrawWindow() override;
  void closeWindow() override;
  void postStartupStep() override;
  void startSearchTicks() override;
  void stopSearchTicks() override;
  Focus focus() override;
  void setLargeFont(const std::string& face, int points) override;
  void setStatusFont(const std::string& face, int points) override;
  void showControl(ControlId id, bool shown) override;
  void placeControl(ControlId id, const Placement& placement) override;
  common::Scale scale() override;
  common::SystemTheme systemTheme() override;
  int statusBarHeight() override;
  void setStatusText(const std::string& text) override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleNotify(NMHDR* header);
  // A key the behaviour holds back while a search runs never reaches the
  // shortcut table or a control.
  bool keyHeldBack(const MSG& message);
  void attachControls();
  void keepFocusAcrossActivation(bool leaving);
  void followScale(LPARAM suggestedRect);
  void followSystemColors();
  HWND control(ControlId id) const;

  HINSTANCE instance_;
  Finder* finder_ = nullptr;
  std::optional<FinderControlEvents> events_;  // what the controls report goes here
  bool initialised_ = false;
  HWND window_ = nullptr;
  HWND statusBar_ = nullptr;
  SearchBoxControl searchBox_;
  ResultsListControl list_;
  ToolbarControl toolbar_;
  PreviewPaneControl preview_;
  TooltipWindowControl tooltip_;
  common::UniqueFont largeFont_;
  common::UniqueFont statusFont_;
  common::UniqueIcon bigIcon_;
  common::UniqueIcon smallIcon_;
  common::UniqueAccelerators accelerators_;
  HWND focusBeforeLeaving_ = nullptr;
  std::wstring cellBuffer_;
};

}  // namespace findaro
