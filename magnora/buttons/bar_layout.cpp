#include "magnora/buttons/bar_layout.h"

#include <algorithm>
#include <limits>

#include "common/number_format.h"
#include "magnora/buttons/buttons.h"

namespace magnora {
namespace {

// Below this an icon is no longer a picture anyone could make out.
constexpr int kSmallestButtonSize = 16;

}  // namespace

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

Rect homeBounds(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount,
                const common::Scale& scale) {
  Point home = homePosition(settings, buttonCount, workArea, monitorCount, scale);
  Size size = barSize(settings, buttonCount, scale);
  return {home.x, home.y, home.x + size.width, home.y + size.height};
}

int buttonSizeToFit(int buttonSize, int buttonCount, const Rect& workArea, const common::Scale& scale) {
  if (workArea.width() <= 0 || workArea.height() <= 0 || buttonCount < 1) return buttonSize;
  // In the display's pixels: what one button may take across, and down.
  int across = std::min((workArea.width() - scale.pixels(kGripMargin)) / buttonCount, workArea.height());
  // Back to a size at 100 %, then down past any rounding up on the way out.
  int fitting = std::min(buttonSize, static_cast<int>(static_cast<long long>(across) * common::Scale::kBaseDpi /
                                                      scale.dpi()));
  while (fitting > 0 && scale.pixels(fitting) > across) --fitting;
  return std::max(fitting, std::min(buttonSize, kSmallestButtonSize));
}

Point targetPoint(const Rect& workArea, int monitorNumber, int monitorCount) {
  int offset = monitorOffset(monitorNumber, workArea.width(), monitorCount);
  return {static_cast<int>(common::roundHalfEven(workArea.width() / 2.0 + offset)),
          static_cast<int>(common::roundHalfEven(workArea.height() / 2.0))};
}

}  // namespace magnora
