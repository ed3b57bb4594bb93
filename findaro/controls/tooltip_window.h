#pragma once
// The large-print tip shown over the toolbar.
#include <string>

namespace findaro {

class TooltipWindow {
 public:
  virtual ~TooltipWindow() = default;

  // Gives the toolbar its tip text; an empty text shows no tip.
  virtual void setToolbarTip(const std::string& text) = 0;
  // Hides the tip now shown, if any.
  virtual void pop() = 0;
  virtual void setColors(int text, int background) = 0;  // COLORREF values
};

}  // namespace findaro
