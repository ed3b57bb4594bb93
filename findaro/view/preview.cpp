#include "findaro/view/preview.h"

#include <algorithm>
#include <string_view>

#include "common/text.h"
#include "findaro/state/finder.h"

namespace findaro {

const char* const kImageExtensions = ".jpg .bmp .png .ico .gif .jpeg .tiff .tif .svg .webp";

namespace {

constexpr size_t kLongestPreviewPath = 260;
constexpr Point kNotAnImageAt{50, 50};

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

}  // namespace findaro
