#pragma once
// The one-line search box. Positions count UTF-16 units from 0, as the control does.
#include <string>

namespace findaro {

struct TextSelection {
  int start = 0;
  int end = 0;  // equal to start when nothing is selected: the caret
};

class SearchBox {
 public:
  virtual ~SearchBox() = default;

  virtual std::string text() = 0;
  virtual void setText(const std::string& text) = 0;
  virtual void selectAll() = 0;
  // Selects all once the messages in the queue have been handled.
  virtual void postSelectAll() = 0;
  virtual void focus() = 0;
  virtual void redraw() = 0;
  virtual void setColors(int foreground, int background) = 0;  // COLORREF values

  virtual TextSelection selection() = 0;
  // The text from start up to end; empty when the range lies outside the text.
  virtual std::string textRange(int start, int end) = 0;
  virtual std::string selectedText() = 0;
  virtual void cut() = 0;    // the selection to the clipboard
  virtual void paste() = 0;  // the clipboard's text over the selection
};

}  // namespace findaro
