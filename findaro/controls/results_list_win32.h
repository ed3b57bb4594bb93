#pragma once
// The results list: an owner-data report list that announces itself on focus.
#include "findaro/controls/control_win32.h"
#include "findaro/controls/results_list.h"

namespace findaro {

class ResultsListControl : public SubclassedControl, public ResultsList {
 public:
  ~ResultsListControl() override;
  // The four columns are titled and sized from the window's client width.
  void create(HWND parent, HINSTANCE instance, int clientWidth);
  // The row pictures anew at the scale of the display the list is on now.
  void matchScale();

  void setItemCount(int count) override;
  int itemCount() override;
  void deleteAllItems() override;
  int selectedRow() override;
  void selectRow(int row) override;
  int topIndex() override;
  int rowHeight() override;
  int verticalScrollPosition() override;
  void scroll(int dy) override;
  void setColumn(int column, const std::string& title, int width) override;
  void setColumnTitle(int column, const std::string& title) override;
  void autoSizeColumns() override;
  void setGridStyle() override;
  void redraw() override;
  void focus() override;
  void setColors(int foreground, int background) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  HINSTANCE instance_ = nullptr;
  HIMAGELIST images_ = nullptr;
};

}  // namespace findaro
