#include "findaro/controls/preview_pane_win32.h"

#include <gdiplus.h>

#include <algorithm>
#include <climits>

#include "common/wide_win32.h"
#include "findaro/controls/accessible_controls_win32.h"
#include "findaro/controls/controls.h"

namespace findaro {
namespace {

namespace gdip = Gdiplus::DllExports;

// The kept copy: a picture larger than the pane shrunk to fit it, a smaller one
// at its own size, never less than a pixel either way.
Size copySize(Size image, Size limit) {
  Rect fit = previewTarget(limit, image, 0);
  return {std::max(1, fit.width()), std::max(1, fit.height())};
}

// GDI+ images are freed with their own call.
struct GdipImage {
  Gdiplus::GpImage* image = nullptr;
  ~GdipImage() {
    if (image) gdip::GdipDisposeImage(image);
  }
};

struct GdipGraphics {
  Gdiplus::GpGraphics* graphics = nullptr;
  ~GdipGraphics() {
    if (graphics) gdip::GdipDeleteGraphics(graphics);
  }
};

}  // namespace

bool MemoryCanvas::create(Size size) {
  release();
  if (size.width <= 0 || size.height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_ = bitmap_ ? CreateCompatibleDC(screen) : nullptr;
  ReleaseDC(nullptr, screen);
  if (!dc_) {
    bitmap_.reset();
    return false;
  }
  previous_ = SelectObject(dc_, bitmap_.get());
  size_ = size;
  return true;
}

void MemoryCanvas::release() {
  if (dc_) {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  dc_ = nullptr;
  previous_ = nullptr;
  bitmap_.reset();
  size_ = {};
}

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

bool PreviewPaneControl::canvasReady() {
  Size size = clientSize();
  if (canvas_ && canvas_.size() == size) return true;
  return canvas_.create(size);
}

void PreviewPaneControl::repaint() {
  InvalidateRect(handle_, nullptr, FALSE);
  UpdateWindow(handle_);
}

void PreviewPaneControl::clear(int color) {
  if (!canvasReady()) return;
  RECT r{0, 0, canvas_.size().width, canvas_.size().height};
  common::UniqueAny<HBRUSH, common::GdiObjectDeleter> brush(CreateSolidBrush(static_cast<COLORREF>(color)));
  FillRect(canvas_.dc(), &r, brush.get());
  repaint();
}

void PreviewPaneControl::drawText(const std::string& text, Point at, int foreground, int background) {
  if (!canvasReady()) return;
  HGDIOBJ old = font_ ? SelectObject(canvas_.dc(), font_) : nullptr;
  SetTextColor(canvas_.dc(), static_cast<COLORREF>(foreground));
  SetBkColor(canvas_.dc(), static_cast<COLORREF>(background));
  SetBkMode(canvas_.dc(), OPAQUE);
  std::wstring wide = common::toWide(text);
  TextOutW(canvas_.dc(), at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
  if (old) SelectObject(canvas_.dc(), old);
  repaint();
}

std::optional<Size> PreviewPaneControl::loadImage(const std::string& path, Size maxSize) {
  picture_.release();
  GdipImage image;
  if (gdip::GdipLoadImageFromFile(common::toWide(path).c_str(), &image.image) != Gdiplus::Ok || !image.image)
    return std::nullopt;
  UINT width = 0;
  UINT height = 0;
  if (gdip::GdipGetImageWidth(image.image, &width) != Gdiplus::Ok ||
      gdip::GdipGetImageHeight(image.image, &height) != Gdiplus::Ok || width == 0 || height == 0 ||
      width > INT_MAX || height > INT_MAX)
    return std::nullopt;
  Size own{static_cast<int>(width), static_cast<int>(height)};
  Size copy = copySize(own, maxSize);
  if (!picture_.create(copy)) return std::nullopt;
  GdipGraphics graphics;
  if (gdip::GdipCreateFromHDC(picture_.dc(), &graphics.graphics) != Gdiplus::Ok) {
    picture_.release();
    return std::nullopt;
  }
  if (!(copy == own)) gdip::GdipSetInterpolationMode(graphics.graphics, Gdiplus::InterpolationModeHighQualityBicubic);
  if (gdip::GdipDrawImageRectI(graphics.graphics, image.image, 0, 0, copy.width, copy.height) != Gdiplus::Ok) {
    picture_.release();
    return std::nullopt;
  }
  return own;
}

void PreviewPaneControl::drawImage(const Rect& target) {
  if (!picture_ || !canvasReady()) return;
  // Halftone keeps thin lines and text in the picture readable at any scale.
  SetStretchBltMode(canvas_.dc(), HALFTONE);
  SetBrushOrgEx(canvas_.dc(), 0, 0, nullptr);
  StretchBlt(canvas_.dc(), target.left, target.top, target.width(), target.height(), picture_.dc(), 0, 0,
             picture_.size().width, picture_.size().height, SRCCOPY);
  repaint();
}

void PreviewPaneControl::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  BitBlt(dc, 0, 0, canvas_.size().width, canvas_.size().height, canvas_.dc(), 0, 0, SRCCOPY);
  EndPaint(handle_, &ps);
}

LRESULT PreviewPaneControl::onMessage(UINT message, WPARAM, LPARAM, bool& handled) {
  handled = false;
  switch (message) {
    case WM_ERASEBKGND:
      if (!canvas_) return 0;
      handled = true;
      return 1;
    case WM_PAINT:
      if (!canvas_) return 0;
      paint();
      handled = true;
      return 0;
    case WM_LBUTTONDBLCLK:
      // Two quick clicks are two clicks, each a command of its own, never the
      // control's double-click notification (which would read as a shortcut).
      SendMessageW(GetParent(handle_), WM_COMMAND, MAKEWPARAM(kPreviewPane, STN_CLICKED),
                   reinterpret_cast<LPARAM>(handle_));
      handled = true;
      return 0;
    default:
      return 0;
  }
}

}  // namespace findaro
