#include "findaro/controls/search_box_win32.h"

#include <richedit.h>

#include <algorithm>

#include "common/wide_win32.h"
#include "findaro/controls/accessible_controls_win32.h"
#include "findaro/controls/controls.h"

namespace findaro {

void SearchBoxControl::create(HWND parent, HINSTANCE instance) {
  LoadLibraryW(L"msftedit.dll");  // never freed: the box lives as long as the program
  handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit50W", L"", 0x54010080, 10, 0, 100, 40, parent,
                            reinterpret_cast<HMENU>(kSearchBox), instance, nullptr);
  // Plain text only: what is pasted or typed is a search term, not a document.
  SendMessageW(handle_, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
  subclass(handle_, kSearchBox);
  nameForScreenReaders(handle_, kSearchBox);
}

LRESULT SearchBoxControl::onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = false;
  switch (message) {
    case WM_GETDLGCODE:
      // A search term holds no tab: Tab moves on to the results list, as in any dialog.
      handled = true;
      return passOn(message, wParam, lParam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    case WM_SETFOCUS:
      events_->focusArrived(kSearchBox);
      break;
    case WM_CHAR:
      handled = events_->searchBoxChar(static_cast<int>(wParam));
      break;
    case WM_KEYDOWN:
      events_->searchBoxKeyDown(static_cast<int>(wParam));
      break;
    case WM_KEYUP:
      events_->searchBoxKeyUp(static_cast<int>(wParam));
      break;
    default:
      break;
  }
  return 0;
}

std::string SearchBoxControl::text() { return common::fromWide(common::windowText(handle_)); }

void SearchBoxControl::setText(const std::string& text) { SetWindowTextW(handle_, common::toWide(text).c_str()); }
void SearchBoxControl::selectAll() { SendMessageW(handle_, EM_SETSEL, 0, -1); }
void SearchBoxControl::postSelectAll() { PostMessageW(handle_, EM_SETSEL, 0, -1); }
void SearchBoxControl::focus() { SetFocus(handle_); }
void SearchBoxControl::redraw() { InvalidateRect(handle_, nullptr, TRUE); }

void SearchBoxControl::setColors(int foreground, int background) {
  SendMessageW(handle_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(handle_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  format.dwMask = CFM_COLOR;
  format.dwEffects &= ~CFE_AUTOCOLOR;
  format.crTextColor = static_cast<COLORREF>(foreground);
  SendMessageW(handle_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  // Text typed later takes the default format, so it gets the colour too.
  SendMessageW(handle_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  InvalidateRect(handle_, nullptr, TRUE);
}

TextSelection SearchBoxControl::selection() {
  CHARRANGE range{};
  SendMessageW(handle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {static_cast<int>(range.cpMin), static_cast<int>(range.cpMax)};
}

std::string SearchBoxControl::textRange(int start, int end) {
  if (start < 0 || end <= start) return "";
  std::wstring buffer(static_cast<size_t>(end - start) + 1, L'\0');
  TEXTRANGEW range{};
  range.chrg.cpMin = start;
  range.chrg.cpMax = end;
  range.lpstrText = buffer.data();
  LRESULT copied = SendMessageW(handle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, end - start)));
  return common::fromWide(buffer);
}

std::string SearchBoxControl::selectedText() {
  TextSelection s = selection();
  if (s.end <= s.start) return "";
  std::wstring buffer(static_cast<size_t>(s.end - s.start) + 1, L'\0');
  LRESULT copied = SendMessageW(handle_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, s.end - s.start)));
  return common::fromWide(buffer);
}

void SearchBoxControl::cut() { SendMessageW(handle_, WM_CUT, 0, 0); }
void SearchBoxControl::paste() { SendMessageW(handle_, WM_PASTE, 0, 0); }

}  // namespace findaro
