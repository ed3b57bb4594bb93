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

Size barSize(const BarSettings& settings, int buttonCount) {
  return {settings.buttonSize * buttonCount + kGripMargin, settings.buttonSize};
}

int monitorOffset(int monitorNumber, int workAreaWidth, int monitorCount) {
  int monitor = std::clamp(monitorNumber, 1, std::max(1, monitorCount));
  long long offset = static_cast<long long>(monitor - 1) * workAreaWidth;
  return static_cast<int>(std::clamp<long long>(offset, 0, std::numeric_limits<int>::max() / 2));
}

Point homePosition(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount) {
  int offset = monitorOffset(settings.monitor, workArea.width(), monitorCount);
  return {offset + workArea.width() - barSize(settings, buttonCount).width, 0};
}

Rect homeBounds(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount) {
  Point home = homePosition(settings, buttonCount, workArea, monitorCount);
  Size size = barSize(settings, buttonCount);
  return {home.x, home.y, home.x + size.width, home.y + size.height};
}

int buttonSizeToFit(int buttonSize, int buttonCount, const Rect& workArea) {
  if (workArea.width() <= 0 || workArea.height() <= 0 || buttonCount < 1) return buttonSize;
  int across = (workArea.width() - kGripMargin) / buttonCount;
  int fitting = std::min({buttonSize, across, workArea.height()});
  return std::max(fitting, std::min(buttonSize, kSmallestButtonSize));
}

Point targetPoint(const Rect& workArea, int monitorNumber, int monitorCount) {
  int offset = monitorOffset(monitorNumber, workArea.width(), monitorCount);
  return {static_cast<int>(common::roundHalfEven(workArea.width() / 2.0 + offset)),
          static_cast<int>(common::roundHalfEven(workArea.height() / 2.0))};
}

}  // namespace magnora
