#include "findaro/controls/control_win32.h"

#include "common/wide_win32.h"

namespace findaro {

HFONT createBoldFont(const std::string& face, int points, const common::Scale& scale, BYTE characterSet) {
  return CreateFontW(scale.fontHeight(points), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, characterSet,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     common::toWide(face).c_str());
}

void SubclassedControl::subclass(HWND control, UINT_PTR id) {
  SetWindowSubclass(control, procedure, id, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT SubclassedControl::passOn(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(handle_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<SubclassedControl*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, procedure, id);
    return DefSubclassProc(control, message, wParam, lParam);
  }
  if (self->events_) {
    try {
      bool handled = false;
      LRESULT result = self->onMessage(message, wParam, lParam, handled);
      if (handled) return result;
    } catch (...) {
      // What the behaviour could not do is lost; the control itself goes on.
    }
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace findaro
