#pragma once
// The large-print tip over the toolbar: black on white, very large type, shown
// at once. The whole toolbar is its one tool.
#include <functional>

#include "common/handles_win32.h"
#include "findaro/controls/tooltip_window.h"

namespace findaro {

class TooltipWindowControl : public TooltipWindow {
 public:
  // The toolbar is asked for afresh each time: it is rebuilt on every change.
  void create(HWND owner, HINSTANCE instance, std::function<HWND()> toolbar);

  void setToolbarTip(const std::string& text) override;
  void pop() override;
  void setColors(int text, int background) override;
  // The font anew at the scale of the display the owner is on now.
  void matchScale();

 private:
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND registeredToolbar_ = nullptr;
  std::function<HWND()> toolbar_;
  common::UniqueFont font_;
  std::wstring text_;
};

}  // namespace findaro
