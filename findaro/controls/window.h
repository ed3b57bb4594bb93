#pragma once
// The finder's main window as the behaviour sees it: its size and place, its
// title, the focus among its controls, their places, fonts and the status bar,
// and the scale and colours of the display it is on.
#include <string>

#include "common/screen/display.h"
#include "findaro/controls/controls.h"
#include "findaro/controls/geometry.h"

namespace findaro {

class Window {
 public:
  virtual ~Window() = default;

  virtual void setWindowSize(int width, int height) = 0;
  virtual void moveWindow(int x, int y) = 0;
  virtual Rect normalBounds() = 0;  // the restored rectangle, even when maximized
  // The work area (the screen less the taskbar) of the monitor nearest the bounds.
  virtual Rect workAreaNear(const Rect& bounds) = 0;
  virtual bool isMinimized() = 0;
  virtual bool isMaximized() = 0;
  virtual void showMaximized() = 0;
  virtual void showMinimized() = 0;
  virtual Size clientSize() = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual std::string title() = 0;
  virtual void redrawWindow() = 0;
  virtual void closeWindow() = 0;
  // Posts the private start-up step, so that it runs once the window is on screen.
  virtual void postStartupStep() = 0;
  virtual Focus focus() = 0;
  // While a search runs the window ticks about ten times a second, so that the
  // search can watch its client and keep the user informed.
  virtual void startSearchTicks() = 0;
  virtual void stopSearchTicks() = 0;

  // The large font of the search box, the results list and the preview pane.
  virtual void setLargeFont(const std::string& face, int points) = 0;
  virtual void setStatusFont(const std::string& face, int points) = 0;

  virtual void showControl(ControlId id, bool shown) = 0;
  virtual void placeControl(ControlId id, const Placement& placement) = 0;

  // The scale of the display the window is on now; it changes when the window
  // moves to another display or the user changes the scale.
  virtual common::Scale scale() = 0;
  virtual common::SystemTheme systemTheme() = 0;

  virtual int statusBarHeight() = 0;
  virtual void setStatusText(const std::string& text) = 0;
};

}  // namespace findaro
