#include "findaro/controls/accessible_controls_win32.h"

#include "common/accessible_win32.h"

namespace findaro {
namespace {

const wchar_t* controlName(ControlId id) {
  switch (id) {
    case kSearchBox: return L"Search term";
    case kResultsList: return L"Results";
    case kPreviewPane: return L"Preview";
    default: return L"";
  }
}

}  // namespace

void nameForScreenReaders(HWND control, ControlId id) { common::nameForScreenReaders(control, controlName(id)); }

void nameToolbarButtonsForScreenReaders(HWND toolbar, const std::vector<std::wstring>* names) {
  common::nameForScreenReaders(toolbar, L"", [names](HWND, long childId) {
    if (childId < 1 || static_cast<size_t>(childId) > names->size()) return std::wstring();
    return (*names)[static_cast<size_t>(childId - 1)];
  });
}

}  // namespace findaro
