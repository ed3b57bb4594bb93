#include "magnora/buttons/bar_layout.h"

#include <algorithm>
#include <limits>

#include "common/number_format.h"
#include "magnora/buttons/buttons.h"

namespace magnora {

Size barSize(const BarSettings& settings, int buttonCount, const common::Scale& scale) {
  int side = buttonPixels(settings, scale);
  return {side * buttonCount + scale.pixels(kGripMargin), side};
}

int monitorOffset(int monitorNumber, int workAreaWidth, int monitorCount) {
  int monitor = std::clamp(monitorNumber, 1, std::max(1, monitorCount));
  long long offset = static_cast<long long>(monitor - 1) * workAreaWidth;
  return static_cast<int>(std::clamp<long long>(offset, 0, std::numeric_limits<int>::max() / 2));
}

Point homePosition(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount,
                   const common::Scale& scale) {
  int offset = monitorOffset(settings.monitor, workArea.width(), monitorCount);
  return {offset + workArea.width() - barSize(settings, buttonCount, scale).width, 0};
}

Point targetPoint(const Rect& workArea, int monitorNumber, int monitorCount) {
  int offset = monitorOffset(monitorNumber, workArea.width(), monitorCount);
  return {static_cast<int>(common::roundHalfEven(workArea.width() / 2.0 + offset)),
          static_cast<int>(common::roundHalfEven(workArea.height() / 2.0))};
}

}  // namespace magnora
