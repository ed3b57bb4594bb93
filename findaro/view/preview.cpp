#include "findaro/view/preview.h"

#include <algorithm>
#include <string_view>

#include "common/text.h"
#include "findaro/state/finder.h"
#include "findaro/view/palette.h"

namespace findaro {

const char* const kImageExtensions = ".jpg .bmp .png .ico .gif .jpeg .tiff .tif .svg .webp";

namespace {

constexpr size_t kLongestPreviewPath = 260;
constexpr int kNotAnImageMargin = 50;  // pixels at 100 %, from the pane's top left corner

// The pane's colours as they are to be drawn now.
void takePreviewColors(Finder& finder) {
  common::ColorPair colors = finderColors(finder.settings, finder.window.systemTheme()).preview;
  finder.previewForeground = colors.text;
  finder.previewBackground = colors.background;
}

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

int imageBackgroundColor(int imageBG) {
  switch (imageBG) {
    case 0: return 0xFFFFFF;
    case 2: return 0xFF0000;
    default: return 0x000000;
  }
}

void preparePreviewPane(Finder& finder) { takePreviewColors(finder); }

void showPreview(Finder& finder) {
  if (finder.settings.ShowPreview == 0) return;
  finder.preview.clear(finder.previewBackground);
  if (!finder.files.fileExists(finder.previewFile)) return;
  if (isImageExtension(previewExtension(finder.previewFile)) && loadPreviewImage(finder)) {
    drawPreviewImage(finder);
    return;
  }
  const int margin = finder.window.scale().pixels(kNotAnImageMargin);
  finder.preview.drawText("Not An Image", {margin, margin}, finder.previewForeground, finder.previewBackground);
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
  takePreviewColors(finder);
  finder.preview.clear(finder.previewBackground);
  Rect target = previewTarget(finder.preview.clientSize(), finder.previewImage, finder.settings.PreviewResize);
  if (target.width() > 0 && target.height() > 0) finder.preview.drawImage(target);
}

}  // namespace findaro
