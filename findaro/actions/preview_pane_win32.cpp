#include "findaro/actions/preview_pane_win32.h"

#include "common/wide_win32.h"
#include "findaro/core/accessible_controls_win32.h"
#include "findaro/core/controls.h"

namespace findaro {

void PreviewPaneControl::create(HWND parent, HINSTANCE instance) {
  handle_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | 0x00800100, 0, 0, 10, 10, parent,
                            reinterpret_cast<HMENU>(kPreviewPane), instance, nullptr);
  subclass(handle_, kPreviewPane);
  nameForScreenReaders(handle_, kPreviewPane);
}

Size PreviewPaneControl::clientSize() {
  RECT r{};
  GetClientRect(handle_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void PreviewPaneControl::clear(int color) {
  HDC dc = GetDC(handle_);
  RECT r{};
  GetClientRect(handle_, &r);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(handle_, dc);
}

void PreviewPaneControl::drawText(const std::string& text, Point at, int foreground, int background) {
  HDC dc = GetDC(handle_);
  HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
  SetTextColor(dc, static_cast<COLORREF>(foreground));
  SetBkColor(dc, static_cast<COLORREF>(background));
  std::wstring wide = common::toWide(text);
  TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
  if (old) SelectObject(dc, old);
  ReleaseDC(handle_, dc);
}

// Pictures are not decoded yet: every file reads as one that is not a picture.
std::optional<Size> PreviewPaneControl::loadImage(const std::string&, Size) { return std::nullopt; }

void PreviewPaneControl::drawImage(const Rect&) {}

LRESULT PreviewPaneControl::onMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

}  // namespace findaro
