#pragma once
// Keeping a window where the user can find it: wholly inside the work area of a
// monitor (the screen less the taskbar). A saved place may lie on a monitor that
// has since been taken away, and a saved or default size may be larger than a
// small screen; either would leave part of the window, or all of it, out of reach.
#include "common/screen/geometry.h"

namespace common {

// The window's outer rectangle brought into the work area: a side longer than the
// work area's is cut to it, and a rectangle not wholly inside moves by the least
// distance that brings it in. One that already fits comes back exactly as it was.
// An empty work area (none could be found) changes nothing.
Rect fitIntoWorkArea(const Rect& window, const Rect& workArea);

}  // namespace common
