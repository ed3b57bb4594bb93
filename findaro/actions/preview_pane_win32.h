#pragma once
// The preview pane: a plain drawing surface beside the list; clicks on it come
// to the main window as a command.
#include "findaro/actions/preview_pane.h"
#include "findaro/core/control_win32.h"

namespace findaro {

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
  HFONT font_ = nullptr;
};

}  // namespace findaro
