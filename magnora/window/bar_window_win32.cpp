#include "magnora/window/bar_window_win32.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <windowsx.h>

#include "common/screen/display_win32.h"
#include "common/wide_win32.h"

namespace magnora {
namespace {

constexpr UINT kTopmostRequest = WM_USER + 500;

// The dialog manager would scale the bar and move its buttons by itself when
// the scale changes; the bar lays itself out instead. The call is loaded by
// name: only newer systems have it.
void leaveScalingToTheBar(HWND dialog) {
  using Call = BOOL(WINAPI*)(HWND, int, int);
  HMODULE user = GetModuleHandleW(L"user32.dll");
  auto call = user ? reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(user, "SetDialogDpiChangeBehavior")))
                   : nullptr;
  constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
  if (call) call(dialog, kDisableAll, kDisableAll);
}

COLORREF colorRef(int color) { return static_cast<COLORREF>(color); }

// An in-memory dialog template: style, no extended style, no controls, no
// menu, the standard class, the caption. Size and place are set in pixels once
// the window exists.
std::vector<WORD> dialogTemplate(const std::wstring& caption) {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->style = WS_POPUP | WS_BORDER;
  words.push_back(0);  // menu
  words.push_back(0);  // class
  words.insert(words.end(), caption.begin(), caption.end());
  words.push_back(0);
  return words;
}

}  // namespace

BarDialog::~BarDialog() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void BarDialog::run(BarEvents& events, const std::string& caption) {
  events_ = &events;
  std::vector<WORD> dialog = dialogTemplate(common::toWide(caption));
  DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr, dialogProc,
                          reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK BarDialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  BarDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<BarDialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
  } else {
    self = reinterpret_cast<BarDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  if (!self || !self->events_) return FALSE;
  try {
    return self->handleMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure; the message is simply dropped.
    return FALSE;
  }
}

INT_PTR BarDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  BarEvents& events = *events_;
  if (message == plMessage() && message != 0) {
    events.plMessage(static_cast<long>(lParam));
    return FALSE;
  }
  switch (message) {
    case WM_INITDIALOG:
      leaveScalingToTheBar(window_);
      system_.setOwner(window_);
      plMessage();
      events.started();
      return FALSE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(background_.get());
    case kTopmostRequest:
      restoreTopmost();
      return FALSE;
    case WM_CONTEXTMENU:
      if (lParam == -1) events.contextMenu(std::nullopt);
      else events.contextMenu(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return FALSE;
    case WM_SETCURSOR:
      events.cursorSet();
      return FALSE;
    case WM_LBUTTONDOWN:
      if (wParam == MK_LBUTTON) {
        // The system drags the bar as if the grip were its caption.
        SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      }
      return FALSE;
    case WM_LBUTTONDBLCLK:
      events.doubleClicked();
      return FALSE;
    case WM_COMMAND:
      events.command(LOWORD(wParam));
      return FALSE;
    case WM_DPICHANGED: {
      const RECT* r = reinterpret_cast<const RECT*>(lParam);
      events.scaleChanged(Rect{r->left, r->top, r->right, r->bottom});
      return TRUE;
    }
    case WM_SYSCOLORCHANGE:
      events.colorsChanged();
      return FALSE;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST) events.colorsChanged();
      return FALSE;
    case WM_DESTROY:
      tooltip_ = nullptr;  // owned by the bar, so it goes with it
      events.destroyed();
      return FALSE;
    default:
      return FALSE;
  }
}

common::Scale BarDialog::scale() { return common::windowScale(window_); }

void BarDialog::setColors(const BarColors& colors) {
  colors_ = colors;
  background_.reset(CreateSolidBrush(colorRef(colors.background)));
  if (tooltip_) {
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, colorRef(colors.tip.text), 0);
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, colorRef(colors.tip.background), 0);
  }
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void BarDialog::layoutButtons(const std::vector<ButtonPlacement>& buttons, int buttonSize) {
  for (int id = id::kFirstButton; id <= id::kLastButton; ++id)
    if (HWND old = GetDlgItem(window_, id)) DestroyWindow(old);
  icons_.clear();
  for (const ButtonPlacement& b : buttons) {
    // BS_ICON draws the icon alone; the text is the name screen readers speak.
    HWND button = CreateWindowExW(0, L"BUTTON", common::toWide(b.name).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON, b.rect.left,
                                  b.rect.top, b.rect.width(), b.rect.height(), window_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance_, nullptr);
    if (!button) continue;
    HICON icon = common::loadIconAtSize(instance_, common::toWide(b.icon).c_str(), buttonSize);
    if (icon) {
      SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
      icons_.emplace_back(icon);
    }
  }
}

void BarDialog::createTooltipWindow() {
  tooltip_ = CreateWindowExW(0, L"tooltips_class32", L"", TTS_ALWAYSTIP, 0, 0, 0, 0, window_, nullptr, instance_,
                             nullptr);
  if (!tooltip_) return;
  SetWindowTheme(tooltip_, L" ", L" ");
}

void BarDialog::matchTooltipFont() {
  common::Scale now = scale();
  if (tooltipFont_ && tooltipFontScale_ == now) return;
  LOGFONTW font{};
  GetObjectW(GetStockObject(ANSI_FIXED_FONT), sizeof(font), &font);
  font.lfHeight = now.pixels(-72);
  font.lfWidth = now.pixels(-35);
  font.lfWeight = 400;
  font.lfItalic = 0;
  lstrcpynW(font.lfFaceName, L"Arial Black", LF_FACESIZE);
  common::UniqueFont previous(tooltipFont_.release());
  tooltipFont_.reset(CreateFontIndirectW(&font));
  tooltipFontScale_ = now;
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(tooltipFont_.get()), TRUE);
}

void BarDialog::attachTooltips(const std::vector<ButtonPlacement>& buttons) {
  if (!tooltip_) createTooltipWindow();
  if (!tooltip_) return;
  matchTooltipFont();
  for (HWND old : tooledButtons_) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(old);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tooledButtons_.clear();
  for (const ButtonPlacement& b : buttons) {
    HWND button = GetDlgItem(window_, b.id);
    if (!button) continue;
    std::wstring text = common::toWide(b.tooltip);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, colorRef(colors_.tip.text), 0);
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, colorRef(colors_.tip.background), 0);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2000);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tooledButtons_.push_back(button);
  }
}

void BarDialog::moveBar(Point p) {
  SetWindowPos(window_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BarDialog::placeBar(Point p, Size s) {
  SetWindowPos(window_, nullptr, p.x, p.y, s.width, s.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Point BarDialog::barPosition() {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.left, r.top};
}

WindowHandle BarDialog::buttonWindow(int buttonId) {
  return reinterpret_cast<WindowHandle>(GetDlgItem(window_, buttonId));
}

std::optional<Rect> BarDialog::buttonScreenRect(int buttonId) {
  HWND button = GetDlgItem(window_, buttonId);
  RECT r{};
  if (!button || !GetWindowRect(button, &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right, r.bottom};
}

Point BarDialog::cursorPosition() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

// Coming back on top must not take the keyboard from the window the command
// was for.
void BarDialog::restoreTopmost() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void BarDialog::requestTopmost() { PostMessageW(window_, kTopmostRequest, 0, 0); }

void BarDialog::closeBar() { EndDialog(window_, 0); }

}  // namespace magnora
