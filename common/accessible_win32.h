#pragma once
// Names that screen readers and magnifiers read for a control whose class gives
// none of its own (a rich edit, a list view, a picture, a toolbar's buttons).
//
// The control answers WM_GETOBJECT for its client area with its usual
// accessible object wrapped so that the name is ours; everything else (role,
// state, value, place, children) stays the control's. The hook is a subclass
// of its own, so it works beside any other subclass of the control, and it
// goes with the control when the control is destroyed.
#include <windows.h>

#include <functional>
#include <string>

namespace common {

// The name of a part of the control by its child id (from 1); an empty name
// leaves the part the name the control gives it.
using AccessiblePartNames = std::function<std::wstring(HWND control, long childId)>;

// False when the control could not be hooked (it has no window, say).
bool nameForScreenReaders(HWND control, const std::wstring& name, AccessiblePartNames partNames = nullptr);

}  // namespace common
