#pragma once
// The results list: an owner-data list that holds a count, never texts. Rows are
// counted from 1; the texts come from the records when the list asks.
#include <string>

namespace findaro {

class ResultsList {
 public:
  virtual ~ResultsList() = default;

  virtual void setItemCount(int count) = 0;
  virtual int itemCount() = 0;
  virtual void deleteAllItems() = 0;
  virtual int selectedRow() = 0;        // 0 when nothing is selected
  virtual void selectRow(int row) = 0;  // selected, focused state, made fully visible
  virtual int topIndex() = 0;           // 0-based index of the first visible row
  virtual int rowHeight() = 0;
  virtual int verticalScrollPosition() = 0;
  virtual void scroll(int dy) = 0;
  virtual void setColumn(int column, const std::string& title, int width) = 0;  // column from 1
  virtual void setColumnTitle(int column, const std::string& title) = 0;
  virtual void autoSizeColumns() = 0;
  virtual void setGridStyle() = 0;
  virtual void redraw() = 0;
  virtual void focus() = 0;
  virtual void setColors(int foreground, int background) = 0;  // COLORREF values
};

}  // namespace findaro
