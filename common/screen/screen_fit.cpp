#include "common/screen/screen_fit.h"

#include <algorithm>

namespace common {
namespace {

struct Span {
  int start;
  int end;
};

// Wide arithmetic: a hand-edited place near the ends of the integers must not
// wrap round to somewhere else.
Span fitSpan(int start, int end, int areaStart, int areaEnd) {
  long long areaLength = static_cast<long long>(areaEnd) - areaStart;
  long long length = std::clamp(static_cast<long long>(end) - start, 0LL, areaLength);
  long long fitted = std::clamp(static_cast<long long>(start), static_cast<long long>(areaStart),
                                static_cast<long long>(areaEnd) - length);
  return {static_cast<int>(fitted), static_cast<int>(fitted + length)};
}

}  // namespace

Rect fitIntoWorkArea(const Rect& window, const Rect& workArea) {
  if (workArea.width() <= 0 || workArea.height() <= 0) return window;
  Span across = fitSpan(window.left, window.right, workArea.left, workArea.right);
  Span down = fitSpan(window.top, window.bottom, workArea.top, workArea.bottom);
  return {across.start, down.start, across.end, down.end};
}

}  // namespace common
