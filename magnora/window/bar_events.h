#pragma once
// What the bar's window reports to the program above it: its start, a button or
// key command, the mouse, the registered message, and its end.
#include <optional>

#include "magnora/system/geometry.h"

namespace magnora {

class BarEvents {
 public:
  virtual ~BarEvents() = default;

  // The window exists and is about to be shown.
  virtual void started() = 0;
  virtual void command(int controlId) = 0;
  virtual void doubleClicked() = 0;
  // Where the click was; nothing when the menu key was pressed.
  virtual void contextMenu(std::optional<Point> clickedAt) = 0;
  virtual void cursorSet() = 0;
  // "plmessage" from another program, with its lParam.
  virtual void plMessage(long lParam) = 0;
  // The bar is now on a display of another scale; the system suggests this
  // place and size on the screen.
  virtual void scaleChanged(const Rect& suggested) = 0;
  // The system's colours or its high-contrast setting changed.
  virtual void colorsChanged() = 0;
  virtual void destroyed() = 0;
};

}  // namespace magnora
