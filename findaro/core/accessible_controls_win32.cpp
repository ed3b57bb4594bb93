#include "findaro/core/accessible_controls_win32.h"

#include <commctrl.h>

#include "common/accessible_win32.h"
#include "common/wide_win32.h"
#include "findaro/core/accessible_names.h"

namespace findaro {
namespace {

// A toolbar's parts are its buttons and separators in order, from 1.
std::wstring toolbarPartName(HWND toolbar, long childId) {
  TBBUTTON button{};
  if (childId < 1 || !SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(childId - 1),
                                   reinterpret_cast<LPARAM>(&button)))
    return {};
  if (button.fsStyle & BTNS_SEP) return {};
  return common::toWide(toolbarButtonName(button.idCommand));
}

}  // namespace

void nameForScreenReaders(HWND control, ControlId id) {
  if (id == kToolbar) common::nameForScreenReaders(control, L"", toolbarPartName);
  else common::nameForScreenReaders(control, common::toWide(controlName(id)));
}

}  // namespace findaro
