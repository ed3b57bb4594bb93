#pragma once
// The shortcut table as an accelerator table of the window.
#include <windows.h>

namespace findaro {

HACCEL buildAccelerators();

}  // namespace findaro
