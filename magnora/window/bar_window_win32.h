#pragma once
// The bar's window: a modal dialog of big icon buttons, always on top, that
// reports its messages to the program.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "magnora/system/system_win32.h"
#include "magnora/window/bar_events.h"
#include "magnora/window/bar_window.h"

namespace magnora {

class BarDialog : public BarWindow {
 public:
  BarDialog(HINSTANCE instance, Win32System& system) : instance_(instance), system_(system) {}
  BarDialog(const BarDialog&) = delete;
  BarDialog& operator=(const BarDialog&) = delete;
  ~BarDialog() override;

  // Runs the bar under this caption until it is closed, reporting to events.
  void run(BarEvents& events, const std::string& caption);

  common::Scale scale() override;
  void setColors(const BarColors& colors) override;
  void layoutButtons(const std::vector<ButtonPlacement>& buttons, int buttonSize) override;
  void attachTooltips(const std::vector<ButtonPlacement>& buttons) override;
  void moveBar(Point screenPosition) override;
  void placeBar(Point screenPosition, Size size) override;
  Point barPosition() override;
  WindowHandle buttonWindow(int buttonId) override;
  std::optional<Rect> buttonScreenRect(int buttonId) override;
  Point cursorPosition() override;
  void restoreTopmost() override;
  void requestTopmost() override;
  void closeBar() override;

 private:
  static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createTooltipWindow();
  // The tips' font at the scale of the display the bar is on now.
  void matchTooltipFont();

  HINSTANCE instance_;
  Win32System& system_;
  BarEvents* events_ = nullptr;
  HWND window_ = nullptr;
  common::UniqueAny<HBRUSH, common::GdiObjectDeleter> background_;
  std::vector<common::UniqueIcon> icons_;
  HWND tooltip_ = nullptr;
  common::UniqueFont tooltipFont_;
  common::Scale tooltipFontScale_;
  BarColors colors_ = barColors(common::SystemTheme());
  std::vector<HWND> tooledButtons_;
};

}  // namespace magnora
