#pragma once
#include "common/screen/geometry.h"

namespace findaro {

using common::Point;
using common::Rect;
using common::Size;

// A control's place (top-left corner) and size, as handed to the window manager.
struct Placement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Placement& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};

}  // namespace findaro
