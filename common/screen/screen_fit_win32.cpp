#include "common/screen/screen_fit_win32.h"

#include <windows.h>

namespace common {

Rect nearestWorkArea(const Rect& bounds) {
  RECT r{bounds.left, bounds.top, bounds.right, bounds.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT work{};
  if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) work = info.rcWork;
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

}  // namespace common
