#include "findaro/app/main_window_win32.h"

#include <gdiplus.h>

#include <algorithm>

#include "common/screen/display_win32.h"
#include "common/screen/screen_fit_win32.h"
#include "common/wide_win32.h"
#include "findaro/app/accelerators_win32.h"
#include "findaro/app/commands.h"
#include "findaro/app/main_window.h"
#include "findaro/app/window_events.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/tooltips.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/preview.h"
#include "findaro/view/result_cells.h"
#include "findaro/view/toolbar.h"

namespace findaro {
namespace {

constexpr wchar_t kWindowClass[] = L"FindaroMainWindow";
constexpr UINT kStartupStep = WM_USER + 500;
constexpr UINT_PTR kSearchTick = 1;
// How often a running search's client is looked at: often enough that its end
// is noticed at once (a look costs next to nothing), while the window's other
// messages are handled in between.
constexpr UINT kSearchTickMilliseconds = 15;

HICON loadIcon(HINSTANCE instance, const wchar_t* name, int size) {
  return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

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
  toolbar_.setParent(window_, instance_);
  bigIcon_.reset(loadIcon(instance_, L"logo", GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(loadIcon(instance_, L"logo", GetSystemMetrics(SM_CXSMICON)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  return true;
}

void MainWindow::setDefaultFont(const std::string& face, int points) { toolbar_.setDefaultFont(face, points); }

void MainWindow::createResultsList() {
  list_.create(window_, instance_, clientSize().width);
  if (finder_) {
    finder_->results.resetToPlaceholder();
    list_.setItemCount(1);
    list_.selectRow(1);
  }
}

void MainWindow::createSearchBox() { searchBox_.create(window_, instance_); }
void MainWindow::createPreviewPane() {
  preview_.create(window_, instance_);
  if (finder_) preparePreviewPane(*finder_);
}
void MainWindow::createToolbarImages() { findaro::createToolbarImages(*finder_); }

void MainWindow::createTooltipWindow() {
  tooltip_.create(window_, instance_, [this] { return toolbar_.handle(); });
}

void MainWindow::createStatusBar() {
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"Welcome to Findaro!", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                               window_, reinterpret_cast<HMENU>(kStatusBar), instance_, nullptr);
}

void MainWindow::attachControls() {
  searchBox_.attach(&*events_);
  list_.attach(&*events_);
  toolbar_.attach(&*events_);
  preview_.attach(&*events_);
}

void MainWindow::run() {
  // The window behaves as a modal dialog, but runs its own loop so that the
  // shortcut table sees every key before any control does.
  SendMessageW(window_, WM_INITDIALOG, 0, 0);
  ShowWindow(window_, IsZoomed(window_) ? SW_SHOWMAXIMIZED : (IsIconic(window_) ? SW_SHOWMINIMIZED : SW_SHOW));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (keyHeldBack(message)) continue;
    if (accelerators_ && TranslateAcceleratorW(window_, accelerators_.get(), &message)) continue;
    if (IsWindow(window_) && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool MainWindow::keyHeldBack(const MSG& message) {
  bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (!initialised_ || (!down && !up)) return false;
  bool alt = (message.lParam >> 29) & 1;  // the key message's context code
  return !keyGoesOn(*finder_, static_cast<int>(message.wParam), down, alt);
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
      accelerators_.reset(buildAccelerators());
      initialised_ = true;
      attachControls();
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
      HWND toolbar = toolbar_.handle();
      if (toolbar && HIWORD(lParam) == WM_LBUTTONDOWN) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(toolbar, &p);
        if (isDragStrip(p.x, p.y, toolbar_.lastButtonRight(), toolbar_.height())) {
          SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
          return TRUE;
        }
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    }
    case WM_ACTIVATE:
      keepFocusAcrossActivation(LOWORD(wParam) == WA_INACTIVE);
      return 0;
    case WM_TIMER:
      if (initialised_ && wParam == kSearchTick) onSearchTick(*finder_);
      return 0;
    case WM_MOUSEWHEEL:
      if (initialised_) onMouseWheel(*finder_, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_COMMAND:
      if (initialised_) handleCommand(*finder_, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return handleNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DPICHANGED:
      followScale(lParam);
      return 0;
    case WM_SYSCOLORCHANGE:
      followSystemColors();
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST) followSystemColors();
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_HELP:
      if (initialised_) onHelpKey(*finder_);
      return TRUE;
    case WM_CONTEXTMENU:
      if (initialised_) onContextMenu(*finder_);
      return 0;
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
  if (header->code == TTN_GETDISPINFOW) {
    toolbarTooltipNeeded(*finder_, static_cast<int>(header->idFrom));
    return 0;
  }
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
    case NM_DBLCLK:
      onListDoubleClick(*finder_);
      return 0;
    case LVN_COLUMNCLICK:
      onColumnClick(*finder_, reinterpret_cast<NMLISTVIEW*>(header)->iSubItem + 1);
      return 0;
    case LVN_KEYDOWN:
      return onListKeyDown(*finder_, reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) ? 1 : 0;
    case LVN_ODFINDITEMW:
      // The list's own type-to-find would pick a row of its choosing; the letter
      // jump has already moved the selection.
      return -1;
    default:
      return 0;
  }
}

// The window is no system dialog, so nothing else gives the focus back when the
// user returns from another program: without this no control would hear a key.
void MainWindow::keepFocusAcrossActivation(bool leaving) {
  if (leaving) {
    HWND focused = GetFocus();
    focusBeforeLeaving_ = focused && IsChild(window_, focused) ? focused : searchBox_.handle();
    return;
  }
  if (!focusBeforeLeaving_) return;  // the first activation: the start-up step gives the focus
  HWND target = IsWindow(focusBeforeLeaving_) && IsChild(window_, focusBeforeLeaving_) ? focusBeforeLeaving_
                                                                                          : searchBox_.handle();
  focusBeforeLeaving_ = nullptr;
  SetFocus(target);
}

// The window takes the place and size the system suggests for the new scale;
// then everything in it is made anew at that scale. While the saved place is
// being restored the window keeps the saved size, which is what the user saw
// there; the controls made after that are made at the new scale anyway.
void MainWindow::followScale(LPARAM suggestedRect) {
  if (!initialised_) return;
  common::takeSuggestedRect(window_, suggestedRect);
  list_.matchScale();
  tooltip_.matchScale();
  onScaleChanged(*finder_);
}

void MainWindow::followSystemColors() {
  // The common controls draw with the system's colours, but learn of a change
  // only from their parent.
  for (HWND h : {toolbar_.handle(), list_.handle(), statusBar_})
    if (h) SendMessageW(h, WM_SYSCOLORCHANGE, 0, 0);
  if (initialised_) onSystemColorsChanged(*finder_);
}

HWND MainWindow::control(ControlId id) const {
  switch (id) {
    case kSearchBox: return searchBox_.handle();
    case kResultsList: return list_.handle();
    case kToolbar: return toolbar_.handle();
    case kStatusBar: return statusBar_;
    case kPreviewPane: return preview_.handle();
  }
  return nullptr;
}

void MainWindow::setWindowSize(int width, int height) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::moveWindow(int x, int y) {
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The saved place is set back with screen coordinates, so it is taken in them: a
// window shown normally is where the user sees it. The placement's rectangle is in
// workspace coordinates, which a taskbar at the top or left shifts; it is needed
// only for a window maximized or minimized, and is shifted back.
Rect MainWindow::normalBounds() {
  RECT r{};
  if (!IsIconic(window_) && !IsZoomed(window_) && GetWindowRect(window_, &r))
    return {r.left, r.top, r.right, r.bottom};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(window_, &placement);
  r = placement.rcNormalPosition;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY), &monitor))
    OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
  return {r.left, r.top, r.right, r.bottom};
}

Rect MainWindow::workAreaNear(const Rect& bounds) { return common::nearestWorkArea(bounds); }

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

std::string MainWindow::title() { return common::fromWide(common::windowText(window_)); }

void MainWindow::redrawWindow() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::closeWindow() { DestroyWindow(window_); }
void MainWindow::postStartupStep() { PostMessageW(window_, kStartupStep, 0, 0); }
void MainWindow::startSearchTicks() { SetTimer(window_, kSearchTick, kSearchTickMilliseconds, nullptr); }
void MainWindow::stopSearchTicks() { KillTimer(window_, kSearchTick); }

Focus MainWindow::focus() {
  HWND focused = GetFocus();
  if (!focused) return Focus::Other;
  if (focused == searchBox_.handle()) return Focus::SearchBox;
  if (focused == list_.handle()) return Focus::ResultsList;
  if (toolbar_.handle() && focused == toolbar_.handle()) return Focus::Toolbar;
  return Focus::Other;
}

void MainWindow::setLargeFont(const std::string& face, int points) {
  largeFont_.reset(createBoldFont(face, points, scale()));
  for (HWND h : {searchBox_.handle(), list_.handle(), preview_.handle()})
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(largeFont_.get()), TRUE);
  preview_.setFont(largeFont_.get());
}

void MainWindow::setStatusFont(const std::string& face, int points) {
  statusFont_.reset(createBoldFont(face, points, scale()));
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_.get()), TRUE);
}

void MainWindow::showControl(ControlId id, bool shown) {
  if (HWND h = control(id)) ShowWindow(h, shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::placeControl(ControlId id, const Placement& p) {
  if (HWND h = control(id)) SetWindowPos(h, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

common::Scale MainWindow::scale() { return common::windowScale(window_); }

common::SystemTheme MainWindow::systemTheme() { return common::systemTheme(L"FINDARO_HIGH_CONTRAST"); }

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

}  // namespace findaro
