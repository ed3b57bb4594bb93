#include "findaro/actions/preview.h"

#include <algorithm>
#include <string_view>

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/core/finder.h"
#include "findaro/speech/speech.h"

namespace findaro {

const char* const kImageExtensions = ".jpg .bmp .png .ico .gif .jpeg .tiff .tif .svg .webp";

namespace {

constexpr size_t kLongestPreviewPath = 260;
constexpr Point kNotAnImageAt{50, 50};

int rounded(double value) { return static_cast<int>(common::roundHalfEven(value)); }

}  // namespace

std::string previewExtension(const std::string& path) {
  if (common::utf16Length(path) > kLongestPreviewPath) return "";
  size_t nameStart = path.find_last_of("\\:");
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return "";
  return path.substr(dot);
}

bool isImageExtension(const std::string& extension) {
  return std::string_view(kImageExtensions).find(extension) != std::string_view::npos;
}

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

int imageBackgroundColor(int imageBG) {
  switch (imageBG) {
    case 0: return 0xFFFFFF;
    case 2: return 0xFF0000;
    default: return 0x000000;
  }
}

void preparePreviewPane(Finder& finder) {
  finder.previewForeground = finder.settings.FG;
  finder.previewBackground = imageBackgroundColor(finder.settings.ImageBG);
}

void showPreview(Finder& finder) {
  if (finder.settings.ShowPreview == 0) return;
  finder.preview.clear(finder.previewBackground);
  if (!finder.files.fileExists(finder.previewFile)) return;
  if (isImageExtension(previewExtension(finder.previewFile)) && loadPreviewImage(finder)) {
    drawPreviewImage(finder);
    return;
  }
  finder.preview.drawText("Not An Image", kNotAnImageAt, finder.previewForeground, finder.previewBackground);
}

bool loadPreviewImage(Finder& finder) {
  // A file that cannot be decoded leaves no picture behind: nothing of the
  // previous one is drawn for it.
  finder.previewImage = {};
  std::optional<Size> size = finder.preview.loadImage(finder.previewFile, finder.preview.clientSize());
  if (!size || size->width <= 0 || size->height <= 0) return false;
  finder.previewImage = *size;
  return true;
}

void drawPreviewImage(Finder& finder) {
  finder.previewForeground = finder.settings.FG;
  finder.previewBackground = imageBackgroundColor(finder.settings.ImageBG);
  finder.preview.clear(finder.previewBackground);
  Rect target = previewTarget(finder.preview.clientSize(), finder.previewImage, finder.settings.PreviewResize);
  if (target.width() > 0 && target.height() > 0) finder.preview.drawImage(target);
}

void cycleImageBackground(Finder& finder) {
  int& value = finder.settings.ImageBG;
  value = value + 1 > 2 ? 0 : value + 1;
  static const char* const kNames[] = {"White", "Black", "Blue"};
  speak(finder, std::string("Image Background is ") + (value >= 0 && value <= 2 ? kNames[value] : ""));
  showPreview(finder);
}

}  // namespace findaro
