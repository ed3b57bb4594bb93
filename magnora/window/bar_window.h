#pragma once
// What the bar's behaviour asks of its own window: its buttons and tooltips, its
// place on the screen, the mouse, and closing.
#include <optional>
#include <vector>

#include "common/screen/display.h"
#include "magnora/buttons/bar_colors.h"
#include "magnora/buttons/buttons.h"
#include "magnora/system/geometry.h"
#include "magnora/system/system.h"

namespace magnora {

class BarWindow {
 public:
  virtual ~BarWindow() = default;

  // The scale of the display the bar is on now.
  virtual common::Scale scale() = 0;
  // The colour behind the buttons and the tips' colours.
  virtual void setColors(const BarColors& colors) = 0;

  // Removes every button (ids 500 to 531) and creates these, each showing its
  // icon at the button size (in pixels).
  virtual void layoutButtons(const std::vector<ButtonPlacement>& buttons, int buttonSize) = 0;
  // Gives each of these buttons its tooltip, making the tooltip window the first time.
  virtual void attachTooltips(const std::vector<ButtonPlacement>& buttons) = 0;

  virtual void moveBar(Point screenPosition) = 0;
  virtual void placeBar(Point screenPosition, Size size) = 0;
  virtual Point barPosition() = 0;

  // The button's window and its rectangle on the screen; 0 and nothing when the
  // button is not on the bar.
  virtual WindowHandle buttonWindow(int buttonId) = 0;
  virtual std::optional<Rect> buttonScreenRect(int buttonId) = 0;
  virtual Point cursorPosition() = 0;

  virtual void restoreTopmost() = 0;
  // Asks for restoreTopmost once the bar is on screen.
  virtual void requestTopmost() = 0;
  virtual void closeBar() = 0;
};

}  // namespace magnora
