#pragma once
// The image preview pane beside the results list.
#include <optional>
#include <string>

#include "findaro/controls/geometry.h"

namespace findaro {

// Where the picture goes in the pane: with resizing on it fills the pane in one
// direction keeping its proportions; with it off only a picture too large for
// the pane shrinks. Always centred; empty when either size is empty.
Rect previewTarget(Size pane, Size image, int previewResize);

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
