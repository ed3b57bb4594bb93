#include "magnora/actions/desktop_print.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "magnora/actions/speech.h"

namespace magnora {

void toGrayscale(std::uint8_t* pixels, int width, int height) {
  if (!pixels || width <= 0 || height <= 0) return;
  const float red = 0.299f;
  const float green = 0.587f;
  const float blue = 0.114f;
  size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t i = 0; i < count; ++i) {
    std::uint8_t* p = pixels + 4 * i;
    float luma = red * p[2] + green * p[1] + blue * p[0];
    auto grey = static_cast<std::uint8_t>(std::clamp(std::nearbyint(luma), 0.0f, 255.0f));
    p[0] = p[1] = p[2] = grey;
    p[3] = 0;
  }
}

PrintLayout printLayout(Size desktop, const PageMetrics& page) {
  PrintLayout layout;
  if (desktop.width <= 0 || desktop.height <= 0 || page.pixelsPerInchX <= 0 || page.pixelsPerInchY <= 0)
    return layout;
  double factor = std::max(desktop.width / (page.pixelsPerInchX * 10.0), desktop.height / (page.pixelsPerInchY * 8.0));
  layout.image.width = static_cast<int>(common::roundHalfEven(desktop.width / factor));
  layout.image.height = static_cast<int>(common::roundHalfEven(desktop.height / factor));
  layout.origin.x = static_cast<int>(common::roundHalfEven((page.printableWidth - layout.image.width) / 2.0));
  layout.origin.y = static_cast<int>(common::roundHalfEven((page.printableHeight - layout.image.height) / 2.0));
  layout.origin.x += static_cast<int>(common::roundHalfEven((page.marginLeft + page.marginRight) / 4.0));
  layout.origin.y += static_cast<int>(common::roundHalfEven((page.marginTop + page.marginBottom) / 4.0));
  return layout;
}

// Corners are inclusive, from (frame width - 1, 1) to (width - frame width, height - frame height).
Rect printSource(Size desktop, Size frame) {
  return {frame.width - 1, 1, desktop.width - frame.width + 1, desktop.height - frame.height + 1};
}

Rect printTarget(const PrintLayout& layout) {
  return {layout.origin.x, layout.origin.y, layout.origin.x + layout.image.width,
          layout.origin.y + layout.image.height};
}

bool hasRealPrinter(Bar& bar) {
  std::string name = bar.printer.defaultPrinterName();
  if (name.empty() || name.find("PDF") != std::string::npos) return false;
  return bar.printer.canAttach(name);
}

void printDesktop(Bar& bar) {
  if (!hasRealPrinter(bar)) {
    speakNow(bar, "No Printer Attached!");
    return;
  }
  std::string name = bar.printer.defaultPrinterName();
  if (!bar.printer.beginLandscapeJob(name)) return;
  std::unique_ptr<ScreenPicture> picture = bar.printer.captureScreen();
  PageMetrics page = bar.printer.pageMetrics();
  if (picture) {
    Size desktop{picture->width(), picture->height()};
    PrintLayout layout = printLayout(desktop, page);
    toGrayscale(picture->pixels(), desktop.width, desktop.height);
    if (layout.image.width > 0 && layout.image.height > 0)
      bar.printer.drawStretched(*picture, printSource(desktop, bar.printer.frameSize()), printTarget(layout));
  }
  bar.printer.endJob();
  speakNow(bar, "Printing DeskTop");
}

}  // namespace magnora
