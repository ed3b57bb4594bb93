#pragma once
// Gives the finder's controls the names screen readers read (see accessible_names.h).
#include <windows.h>

#include "findaro/core/controls.h"

namespace findaro {

// Called once a control is made; the toolbar's buttons are named as they stand
// when a reader asks, so a rebuilt page needs nothing more.
void nameForScreenReaders(HWND control, ControlId id);

}  // namespace findaro
