#pragma once
#include "common/screen/geometry.h"

namespace magnora {

using common::Point;
using common::Rect;
using common::Size;

}  // namespace magnora
