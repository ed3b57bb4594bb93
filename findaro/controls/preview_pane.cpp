#include "findaro/controls/preview_pane.h"

#include <algorithm>

#include "common/number_format.h"

namespace findaro {
namespace {

int rounded(double value) { return static_cast<int>(common::roundHalfEven(value)); }

}  // namespace

Rect previewTarget(Size pane, Size image, int previewResize) {
  if (pane.width <= 0 || pane.height <= 0 || image.width <= 0 || image.height <= 0) return {};
  const double W = pane.width;
  const double H = pane.height;
  const double w = image.width;
  const double h = image.height;
  int width = image.width;
  int height = image.height;
  if (previewResize == 1 || W < w || H < h) {
    double scale = std::max(w / W, h / H);
    width = rounded(w / scale);
    height = rounded(h / scale);
  }
  int x = rounded((W - width) / 2);
  int y = rounded((H - height) / 2);
  return {x, y, x + width, y + height};
}

}  // namespace findaro
