#pragma once
// What the finder's Win32 controls share: their fonts, and a window procedure of
// their own in front of the control's, which the behaviour is reported through.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/screen/display.h"
#include "findaro/controls/control_events.h"

namespace findaro {

// A bold font of the face at the size in points, for a display of that scale.
HFONT createBoldFont(const std::string& face, int points, const common::Scale& scale,
                     BYTE characterSet = DEFAULT_CHARSET);

// A control with its own procedure in front of the system's. The procedure only
// reports to the program once it is attached (the window has initialised).
class SubclassedControl {
 public:
  SubclassedControl() = default;
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;
  virtual ~SubclassedControl() = default;

  HWND handle() const { return handle_; }
  void attach(ControlEvents* events) { events_ = events; }

 protected:
  // Puts the procedure in front; call once the control exists.
  void subclass(HWND control, UINT_PTR id);
  // The control's own handling of a message; `handled` false passes it on.
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
  LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  ControlEvents* events_ = nullptr;

 private:
  static LRESULT CALLBACK procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
};

}  // namespace findaro
