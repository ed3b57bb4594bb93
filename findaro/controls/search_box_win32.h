#pragma once
// The search box: a one-line rich edit whose own procedure reports what the
// user types in it, so that the program can narrate it.
#include "findaro/controls/control_win32.h"
#include "findaro/controls/search_box.h"

namespace findaro {

class SearchBoxControl : public SubclassedControl, public SearchBox {
 public:
  void create(HWND parent, HINSTANCE instance);

  std::string text() override;
  void setText(const std::string& text) override;
  void selectAll() override;
  void postSelectAll() override;
  void focus() override;
  void redraw() override;
  void setColors(int foreground, int background) override;
  TextSelection selection() override;
  std::string textRange(int start, int end) override;
  std::string selectedText() override;
  void cut() override;
  void paste() override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
};

}  // namespace findaro
