#pragma once
// The platform's side of keeping a window on the screen: which work area a
// rectangle belongs to.
#include "common/screen/geometry.h"

namespace common {

// The work area of the monitor nearest the rectangle (the one it overlaps most,
// or else the closest): where a window there should be brought back to.
Rect nearestWorkArea(const Rect& bounds);

}  // namespace common
