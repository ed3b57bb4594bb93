#include "findaro/controls/results_list_win32.h"

#include "common/screen/display_win32.h"
#include "common/wide_win32.h"
#include "findaro/controls/accessible_controls_win32.h"
#include "findaro/controls/controls.h"

namespace findaro {
namespace {

constexpr int kRowPicturePixels = 24;  // at 100 %

}  // namespace

ResultsListControl::~ResultsListControl() {
  if (images_) ImageList_Destroy(images_);
}

void ResultsListControl::create(HWND parent, HINSTANCE instance, int w) {
  instance_ = instance;
  handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", 0x40011005 | WS_VISIBLE, 10, 10, 100, 100, parent,
                            reinterpret_cast<HMENU>(kResultsList), instance, nullptr);
  struct Column {
    const wchar_t* title;
    int width;
  } columns[] = {{L" Files", (w - 20) / 2}, {L" Folders", (w - 40) / 2}, {L" Date", 600}, {L" Size", 600}};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(columns[i].title);
    column.cx = columns[i].width;
    SendMessageW(handle_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  subclass(handle_, kResultsList);
  nameForScreenReaders(handle_, kResultsList);
  matchScale();
}

void ResultsListControl::matchScale() {
  const int size = common::windowScale(handle_).pixels(kRowPicturePixels);
  HIMAGELIST previous = images_;
  images_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 5, 0);
  if (HICON folder = common::loadIconAtSize(instance_, L"xfolder", size)) {
    ImageList_AddIcon(images_, folder);
    DestroyIcon(folder);
  }
  SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
  // Only once the list holds the new pictures may the old ones go.
  if (previous) ImageList_Destroy(previous);
}

LRESULT ResultsListControl::onMessage(UINT message, WPARAM, LPARAM, bool& handled) {
  handled = false;
  if (message == WM_SETFOCUS) events_->focusArrived(kResultsList);
  return 0;
}

void ResultsListControl::setItemCount(int count) {
  SendMessageW(handle_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL);
}

int ResultsListControl::itemCount() { return static_cast<int>(SendMessageW(handle_, LVM_GETITEMCOUNT, 0, 0)); }
void ResultsListControl::deleteAllItems() { SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0); }

int ResultsListControl::selectedRow() {
  return 1 + static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ResultsListControl::selectRow(int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageW(handle_, LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&item));
  item.stateMask = LVIS_FOCUSED;
  item.state = LVIS_FOCUSED;
  SendMessageW(handle_, LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&item));
  SendMessageW(handle_, LVM_ENSUREVISIBLE, row - 1, FALSE);
}

int ResultsListControl::topIndex() { return static_cast<int>(SendMessageW(handle_, LVM_GETTOPINDEX, 0, 0)); }

int ResultsListControl::rowHeight() {
  RECT r{};
  r.left = LVIR_BOUNDS;
  SendMessageW(handle_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r.bottom - r.top;
}

int ResultsListControl::verticalScrollPosition() { return GetScrollPos(handle_, SB_VERT); }
void ResultsListControl::scroll(int dy) { SendMessageW(handle_, LVM_SCROLL, 0, dy); }

void ResultsListControl::setColumn(int column, const std::string& title, int width) {
  std::wstring text = common::toWide(title);
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH;
  c.pszText = text.data();
  c.cx = width;
  SendMessageW(handle_, LVM_SETCOLUMNW, column - 1, reinterpret_cast<LPARAM>(&c));
}

void ResultsListControl::setColumnTitle(int column, const std::string& title) {
  std::wstring text = common::toWide(title);
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT;
  c.pszText = text.data();
  SendMessageW(handle_, LVM_SETCOLUMNW, column - 1, reinterpret_cast<LPARAM>(&c));
}

void ResultsListControl::autoSizeColumns() {
  for (int i = 0; i < 4; ++i) SendMessageW(handle_, LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE_USEHEADER);
}

void ResultsListControl::setGridStyle() {
  SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void ResultsListControl::redraw() { InvalidateRect(handle_, nullptr, TRUE); }
void ResultsListControl::focus() { SetFocus(handle_); }

void ResultsListControl::setColors(int foreground, int background) {
  SendMessageW(handle_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(foreground));
  SendMessageW(handle_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageW(handle_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  InvalidateRect(handle_, nullptr, TRUE);
}

}  // namespace findaro
