#include "findaro/controls/tooltip_window_win32.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "common/screen/display_win32.h"
#include "common/wide_win32.h"

namespace findaro {

void TooltipWindowControl::create(HWND owner, HINSTANCE instance, std::function<HWND()> toolbar) {
  owner_ = owner;
  toolbar_ = std::move(toolbar);
  window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP, 0, 0, 0, 0, owner, nullptr, instance, nullptr);
  if (!window_) return;
  // Without the theme the colours below are the ones drawn.
  SetWindowTheme(window_, L" ", L" ");
  matchScale();
  setColors(RGB(0, 0, 0), RGB(255, 255, 255));
  SendMessageW(window_, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
}

void TooltipWindowControl::matchScale() {
  if (!window_) return;
  common::Scale scale = common::windowScale(owner_);
  LOGFONTW description{};
  GetObjectW(GetStockObject(ANSI_FIXED_FONT), sizeof(description), &description);
  description.lfHeight = scale.pixels(-72);
  description.lfWidth = scale.pixels(-35);
  description.lfWeight = FW_NORMAL;
  description.lfItalic = FALSE;
  lstrcpynW(description.lfFaceName, L"Arial Black", LF_FACESIZE);
  common::UniqueFont previous(font_.release());
  font_.reset(CreateFontIndirectW(&description));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void TooltipWindowControl::setColors(int text, int background) {
  if (!window_) return;
  SendMessageW(window_, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(text), 0);
  SendMessageW(window_, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(background), 0);
}

void TooltipWindowControl::setToolbarTip(const std::string& text) {
  if (!window_) return;
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  // One tool at a time: the one of a toolbar since destroyed goes with it.
  if (registeredToolbar_) {
    tool.uId = reinterpret_cast<UINT_PTR>(registeredToolbar_);
    SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    registeredToolbar_ = nullptr;
  }
  HWND toolbar = toolbar_ ? toolbar_() : nullptr;
  if (!toolbar) return;
  text_ = common::toWide(text);
  tool.uId = reinterpret_cast<UINT_PTR>(toolbar);
  tool.lpszText = text_.data();
  if (SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) registeredToolbar_ = toolbar;
}

void TooltipWindowControl::pop() {
  if (window_) SendMessageW(window_, TTM_POP, 0, 0);
}

}  // namespace findaro
