#pragma once
// The image preview pane beside the results list.
#include <optional>
#include <string>

#include "findaro/core/geometry.h"

namespace findaro {

class PreviewPane {
 public:
  virtual ~PreviewPane() = default;

  virtual Size clientSize() = 0;
  // Fills the whole pane with one colour (COLORREF).
  virtual void clear(int color) = 0;
  // Writes a line of text at a point of the pane, in the pane's large font.
  virtual void drawText(const std::string& text, Point at, int foreground, int background) = 0;
  // Decodes a picture and keeps it for drawing; its size, or nothing when it
  // cannot be decoded. The kept copy is never larger than maxSize.
  virtual std::optional<Size> loadImage(const std::string& path, Size maxSize) = 0;
  // Draws the kept picture stretched onto the target rectangle.
  virtual void drawImage(const Rect& target) = 0;
};

}  // namespace findaro
