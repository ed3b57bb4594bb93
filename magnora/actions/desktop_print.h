#pragma once
// The Print Screen button: the whole primary screen in shades of grey, on one
// landscape page of the default printer, fitted into 10 by 8 inches near the
// middle of the page.
#include <cstdint>

#include "magnora/state/bar.h"
#include "magnora/system/printer.h"

namespace magnora {

// Each pixel becomes its luma (ITU-R BT.601) in blue, green and red, and 0 in
// the fourth byte.
void toGrayscale(std::uint8_t* pixels, int width, int height);

struct PrintLayout {
  Size image;    // printed size, in printer pixels
  Point origin;  // its top left corner on the page
};

PrintLayout printLayout(Size desktop, const PageMetrics& page);
// The part of the screen that is printed: a frame-sized strip at its edges is left out.
Rect printSource(Size desktop, Size frame);
Rect printTarget(const PrintLayout& layout);

// A default printer exists, is not a PDF writer and can be attached.
bool hasRealPrinter(Bar& bar);
void printDesktop(Bar& bar);

}  // namespace magnora
