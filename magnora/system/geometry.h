#pragma once
#include "common/geometry.h"

namespace magnora {

using common::Point;
using common::Rect;
using common::Size;

}  // namespace magnora
