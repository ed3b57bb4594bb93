#pragma once
// The preview pane: a plain drawing surface beside the list; clicks on it come
// to the main window as a command. Everything drawn goes to a copy of the pane's
// own size first, so that the pane keeps its picture whenever it is repainted.
#include "common/handles_win32.h"
#include "findaro/controls/control_win32.h"
#include "findaro/controls/preview_pane.h"

namespace findaro {

// A memory device context with a bitmap of its own selected into it.
class MemoryCanvas {
 public:
  MemoryCanvas() = default;
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  ~MemoryCanvas() { release(); }

  // A new canvas of the size, its pixels black; false when it cannot be made.
  bool create(Size size);
  void release();
  HDC dc() const { return dc_; }
  Size size() const { return size_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_ = nullptr;
  common::UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  Size size_;
};

class PreviewPaneControl : public SubclassedControl, public PreviewPane {
 public:
  void create(HWND parent, HINSTANCE instance);
  void setFont(HFONT font) { font_ = font; }

  Size clientSize() override;
  void clear(int color) override;
  void drawText(const std::string& text, Point at, int foreground, int background) override;
  std::optional<Size> loadImage(const std::string& path, Size maxSize) override;
  void drawImage(const Rect& target) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  // The pane-sized canvas, made anew when the pane's size has changed.
  bool canvasReady();
  void repaint();
  void paint();

  HFONT font_ = nullptr;
  MemoryCanvas canvas_;
  MemoryCanvas picture_;  // the last picture loaded, at most the pane's size
};

}  // namespace findaro
