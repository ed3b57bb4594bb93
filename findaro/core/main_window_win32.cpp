#include "findaro/core/main_window_win32.h"

#include <richedit.h>
#include <gdiplus.h>

#include <algorithm>

#include "common/wide_win32.h"
#include "findaro/core/accessible_controls_win32.h"
#include "findaro/core/commands.h"
#include "findaro/core/finder.h"
#include "findaro/core/layout.h"
#include "findaro/core/main_window.h"
#include "findaro/core/toolbar.h"
#include "findaro/core/window_events.h"
#include "findaro/search/result_cells.h"
#include "findaro/speech/focus_narration.h"

namespace findaro {
namespace {

constexpr wchar_t kWindowClass[] = L"FindaroMainWindow";
constexpr UINT kStartupStep = WM_USER + 500;

HFONT fontAt(const std::string& face, int points, int weight) {
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, common::toWide(face).c_str());
}

HICON loadIcon(HINSTANCE instance, const wchar_t* name, int size) {
  return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
  if (toolbarImages_) ImageList_Destroy(toolbarImages_);
  if (listImages_) ImageList_Destroy(listImages_);
}

bool MainWindow::create(const std::wstring& title) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = windowProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);

  const int width = 1250;
  const int height = 800;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int x = std::max(0L, work.left + (work.right - work.left - width) / 2);
  int y = std::max(0L, work.top + (work.bottom - work.top - height) / 2);
  window_ = CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr,
                            nullptr, instance_, this);
  if (!window_) return false;
  bigIcon_.reset(loadIcon(instance_, L"logo", GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(loadIcon(instance_, L"logo", GetSystemMetrics(SM_CXSMICON)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  return true;
}

void MainWindow::createResultsList() {
  resultsList_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", 0x40011005 | WS_VISIBLE, 10, 10, 100, 100,
                                 window_, reinterpret_cast<HMENU>(kResultsList), instance_, nullptr);
  nameForScreenReaders(resultsList_, kResultsList);
  RECT client{};
  GetClientRect(window_, &client);
  const int w = client.right;
  struct Column {
    const wchar_t* title;
    int width;
  } columns[] = {{L" Files", (w - 20) / 2}, {L" Folders", (w - 40) / 2}, {L" Date", 600}, {L" Size", 600}};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(columns[i].title);
    column.cx = columns[i].width;
    SendMessageW(resultsList_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  if (finder_) {
    finder_->results.resetToPlaceholder();
    setItemCount(1);
    selectRow(1);
  }
  listenToFocus(resultsList_, kResultsList);
  listImages_ = ImageList_Create(24, 24, ILC_COLOR32 | ILC_MASK, 5, 0);
  HICON folder = loadIcon(instance_, L"xfolder", 24);
  if (folder) {
    ImageList_AddIcon(listImages_, folder);
    DestroyIcon(folder);
  }
  SendMessageW(resultsList_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(listImages_));
}

void MainWindow::createSearchBox() {
  LoadLibraryW(L"msftedit.dll");
  searchBox_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit50W", L"", 0x54010080, 10, 0, 100, 40, window_,
                               reinterpret_cast<HMENU>(kSearchBox), instance_, nullptr);
  nameForScreenReaders(searchBox_, kSearchBox);
  // Plain text only: what is pasted or typed is a search term, not a document.
  SendMessageW(searchBox_, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
  listenToFocus(searchBox_, kSearchBox);
}

void MainWindow::listenToFocus(HWND control, ControlId id) {
  SetWindowSubclass(control, controlProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data) {
  auto* self = reinterpret_cast<MainWindow*>(data);
  if (message == WM_SETFOCUS && self->finder_ && self->initialised_) {
    try {
      if (id == kSearchBox) announceSearchBoxFocus(*self->finder_);
      else if (id == kResultsList) announceListFocus(*self->finder_);
      else if (id == kToolbar) announceToolbarFocus(*self->finder_);
    } catch (...) {
      // The focus still moves; only the announcement is lost.
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, controlProc, id);
  return DefSubclassProc(control, message, wParam, lParam);
}

void MainWindow::createPreviewPane() {
  previewPane_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | 0x00800100, 0, 0, 10, 10, window_,
                                 reinterpret_cast<HMENU>(kPreviewPane), instance_, nullptr);
  nameForScreenReaders(previewPane_, kPreviewPane);
}

void MainWindow::createToolbarImages() {
  rebuildToolbarImages(finder_->settings.IconSize, toolbarIconNames());
}

void MainWindow::createStatusBar() {
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"Welcome to Findaro!", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                               window_, reinterpret_cast<HMENU>(kStatusBar), instance_, nullptr);
}

void MainWindow::run() {
  // The window behaves as a modal dialog, but runs its own loop so that the
  // shortcut table sees every key before any control does.
  SendMessageW(window_, WM_INITDIALOG, 0, 0);
  ShowWindow(window_, IsZoomed(window_) ? SW_SHOWMAXIMIZED : (IsIconic(window_) ? SW_SHOWMINIMIZED : SW_SHOW));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (accelerators_ && TranslateAcceleratorW(window_, accelerators_, &message)) continue;
    if (IsWindow(window_) && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->handleMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure; the message is simply dropped.
    return 0;
  }
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!finder_) return DefWindowProcW(window_, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG: {
      Gdiplus::GdiplusStartupInput input;
      ULONG_PTR token = 0;
      Gdiplus::GdiplusStartup(&token, &input, nullptr);  // held for the whole run
      LARGE_INTEGER frequency{};
      QueryPerformanceFrequency(&frequency);
      finder_->counterFrequency = frequency.QuadPart;
      initialiseWindow(*finder_);
      initialised_ = true;
      return 0;
    }
    case kStartupStep:
      onStartupStep(*finder_);
      return 0;
    case WM_SIZE:
      if (initialised_) layoutWindow(*finder_);
      return 0;
    case WM_SETCURSOR: {
      // The empty strip right of the toolbar's buttons drags the window, but
      // only once the button is pressed: a drag started without it would follow
      // the mouse until the next click.
      if (toolbar_ && HIWORD(lParam) == WM_LBUTTONDOWN) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(toolbar_, &p);
        if (isDragStrip(p.x, p.y, lastButtonRight(), toolbarHeight())) {
          SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
          return TRUE;
        }
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    }
    case WM_MOUSEWHEEL:
      if (initialised_) onMouseWheel(*finder_, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_COMMAND:
      if (initialised_) handleCommand(*finder_, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return handleNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
      closeWindow();
      return 0;
    case WM_DESTROY:
      onWindowDestroyed(*finder_);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT MainWindow::handleNotify(NMHDR* header) {
  if (!initialised_) return 0;
  if (header->idFrom == kToolbar && header->code == NM_RCLICK) {
    if (reinterpret_cast<NMMOUSE*>(header)->dwItemSpec == 518) previousToolbarPage(*finder_);
    return 0;
  }
  if (header->idFrom != kResultsList) return 0;
  switch (header->code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      if (item.mask & LVIF_TEXT) {
        cellBuffer_ = common::toWide(cellText(*finder_, item.iItem + 1, item.iSubItem + 1));
        item.pszText = cellBuffer_.data();
      }
      // Only folder rows carry the folder picture; a file row shows none.
      if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) {
        int image = rowImage(*finder_, item.iItem + 1);
        item.iImage = image < 0 ? I_IMAGENONE : image;
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && change->iItem >= 0)
        onRowSelected(*finder_, change->iItem + 1);
      return 0;
    }
    case LVN_COLUMNCLICK:
      onColumnClick(*finder_, reinterpret_cast<NMLISTVIEW*>(header)->iSubItem + 1);
      return 0;
    case LVN_KEYDOWN:
      return letterJump(*finder_, reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) ? 1 : 0;
    case LVN_ODFINDITEMW:
      // The list's own type-to-find would pick a row of its choosing; the letter
      // jump has already moved the selection.
      return -1;
    default:
      return 0;
  }
}

HWND MainWindow::control(ControlId id) const {
  switch (id) {
    case kSearchBox: return searchBox_;
    case kResultsList: return resultsList_;
    case kToolbar: return toolbar_;
    case kStatusBar: return statusBar_;
    case kPreviewPane: return previewPane_;
  }
  return nullptr;
}

HFONT MainWindow::makeFont(const std::string& face, int points) const { return fontAt(face, points, FW_BOLD); }

void MainWindow::setWindowSize(int width, int height) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::moveWindow(int x, int y) {
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect MainWindow::normalBounds() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(window_, &placement);
  const RECT& r = placement.rcNormalPosition;
  return {r.left, r.top, r.right, r.bottom};
}

bool MainWindow::isMinimized() { return IsIconic(window_) != 0; }
bool MainWindow::isMaximized() { return IsZoomed(window_) != 0; }
void MainWindow::showMaximized() { ShowWindow(window_, SW_SHOWMAXIMIZED); }
void MainWindow::showMinimized() { ShowWindow(window_, SW_SHOWMINIMIZED); }

Size MainWindow::clientSize() {
  RECT r{};
  GetClientRect(window_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void MainWindow::setTitle(const std::string& title) { SetWindowTextW(window_, common::toWide(title).c_str()); }
void MainWindow::redrawWindow() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW); }
void MainWindow::closeWindow() { DestroyWindow(window_); }
void MainWindow::postStartupStep() { PostMessageW(window_, kStartupStep, 0, 0); }

Focus MainWindow::focus() {
  HWND focused = GetFocus();
  if (!focused) return Focus::Other;
  if (focused == searchBox_) return Focus::SearchBox;
  if (focused == resultsList_) return Focus::ResultsList;
  if (toolbar_ && focused == toolbar_) return Focus::Toolbar;
  return Focus::Other;
}

void MainWindow::setLargeFont(const std::string& face, int points) {
  largeFont_.reset(makeFont(face, points));
  for (HWND h : {searchBox_, resultsList_, previewPane_})
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(largeFont_.get()), TRUE);
}

void MainWindow::setStatusFont(const std::string& face, int points) {
  statusFont_.reset(makeFont(face, points));
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_.get()), TRUE);
}

void MainWindow::setSearchBoxColors(int foreground, int background) {
  SendMessageW(searchBox_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(searchBox_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  format.dwMask = CFM_COLOR;
  format.dwEffects &= ~CFE_AUTOCOLOR;
  format.crTextColor = static_cast<COLORREF>(foreground);
  SendMessageW(searchBox_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  // Text typed later takes the default format, so it gets the colour too.
  SendMessageW(searchBox_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  InvalidateRect(searchBox_, nullptr, TRUE);
}

void MainWindow::setListColors(int foreground, int background) {
  SendMessageW(resultsList_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(foreground));
  SendMessageW(resultsList_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageW(resultsList_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  InvalidateRect(resultsList_, nullptr, TRUE);
}

void MainWindow::showControl(ControlId id, bool shown) {
  if (HWND h = control(id)) ShowWindow(h, shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::placeControl(ControlId id, const Placement& p) {
  if (HWND h = control(id)) SetWindowPos(h, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string MainWindow::searchText() {
  int length = GetWindowTextLengthW(searchBox_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(searchBox_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return common::fromWide(text);
}

void MainWindow::setSearchText(const std::string& text) { SetWindowTextW(searchBox_, common::toWide(text).c_str()); }
void MainWindow::postSelectAllSearchText() { PostMessageW(searchBox_, EM_SETSEL, 0, -1); }
void MainWindow::focusSearchBox() { SetFocus(searchBox_); }
void MainWindow::redrawSearchBox() { InvalidateRect(searchBox_, nullptr, TRUE); }

void MainWindow::setItemCount(int count) {
  SendMessageW(resultsList_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL);
}

int MainWindow::itemCount() { return static_cast<int>(SendMessageW(resultsList_, LVM_GETITEMCOUNT, 0, 0)); }
void MainWindow::deleteAllItems() { SendMessageW(resultsList_, LVM_DELETEALLITEMS, 0, 0); }

int MainWindow::selectedRow() {
  return 1 + static_cast<int>(SendMessageW(resultsList_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void MainWindow::selectRow(int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageW(resultsList_, LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&item));
  item.stateMask = LVIS_FOCUSED;
  item.state = LVIS_FOCUSED;
  SendMessageW(resultsList_, LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&item));
  SendMessageW(resultsList_, LVM_ENSUREVISIBLE, row - 1, FALSE);
}

int MainWindow::topIndex() { return static_cast<int>(SendMessageW(resultsList_, LVM_GETTOPINDEX, 0, 0)); }

int MainWindow::rowHeight() {
  RECT r{};
  r.left = LVIR_BOUNDS;
  SendMessageW(resultsList_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r.bottom - r.top;
}

int MainWindow::verticalScrollPosition() { return GetScrollPos(resultsList_, SB_VERT); }
void MainWindow::scrollList(int dy) { SendMessageW(resultsList_, LVM_SCROLL, 0, dy); }

void MainWindow::setColumn(int column, const std::string& title, int width) {
  std::wstring text = common::toWide(title);
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH;
  c.pszText = text.data();
  c.cx = width;
  SendMessageW(resultsList_, LVM_SETCOLUMNW, column - 1, reinterpret_cast<LPARAM>(&c));
}

void MainWindow::setColumnTitle(int column, const std::string& title) {
  std::wstring text = common::toWide(title);
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT;
  c.pszText = text.data();
  SendMessageW(resultsList_, LVM_SETCOLUMNW, column - 1, reinterpret_cast<LPARAM>(&c));
}

void MainWindow::autoSizeColumns() {
  for (int i = 0; i < 4; ++i) SendMessageW(resultsList_, LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE_USEHEADER);
}

void MainWindow::setGridStyle() {
  SendMessageW(resultsList_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void MainWindow::redrawList() { InvalidateRect(resultsList_, nullptr, TRUE); }
void MainWindow::focusList() { SetFocus(resultsList_); }

int MainWindow::statusBarHeight() {
  RECT r{};
  GetWindowRect(statusBar_, &r);
  return r.bottom - r.top;
}

void MainWindow::setStatusText(const std::string& text) {
  std::wstring wide = common::toWide(text);
  SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  RedrawWindow(statusBar_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void MainWindow::rebuildToolbarImages(int iconSize, const std::vector<std::string>& iconNames) {
  if (toolbarImages_) ImageList_Destroy(toolbarImages_);
  toolbarImages_ = ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 20, 0);
  for (const std::string& name : iconNames) {
    HICON icon = loadIcon(instance_, common::toWide(name).c_str(), iconSize);
    ImageList_AddIcon(toolbarImages_, icon);
    if (icon) DestroyIcon(icon);
  }
}

void MainWindow::destroyToolbar() {
  if (toolbar_) DestroyWindow(toolbar_);
  toolbar_ = nullptr;
  toolbarFont_.reset();
}

void MainWindow::buildToolbar(const std::vector<ToolbarItem>& items) {
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | 0x900, 0, 0, 0, 0, window_,
                             reinterpret_cast<HMENU>(kToolbar), instance_, nullptr);
  nameForScreenReaders(toolbar_, kToolbar);
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarImages_));
  toolbarCaptions_.clear();
  toolbarCaptions_.reserve(items.size());
  for (const ToolbarItem& item : items) {
    TBBUTTON button{};
    if (item.separator) {
      button.iBitmap = item.width;
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = item.image - 1;
      button.idCommand = item.command;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
      toolbarCaptions_.push_back(common::toWide(item.caption));
      button.iString = item.caption.empty() ? -1 : reinterpret_cast<INT_PTR>(toolbarCaptions_.back().c_str());
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
  }
  RedrawWindow(toolbar_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  listenToFocus(toolbar_, kToolbar);
}

void MainWindow::setToolbarFont(const std::string& face, int points) {
  if (!toolbar_) return;
  toolbarFont_.reset(makeFont(face, points));
  SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(toolbarFont_.get()), TRUE);
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

int MainWindow::toolbarHeight() {
  if (!toolbar_) return 0;
  RECT r{};
  GetWindowRect(toolbar_, &r);
  return r.bottom - r.top;
}

int MainWindow::lastButtonRight() {
  if (!toolbar_) return 0;
  int count = static_cast<int>(SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0));
  if (count == 0) return 0;
  RECT r{};
  SendMessageW(toolbar_, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r));
  return r.right;
}

}  // namespace findaro
