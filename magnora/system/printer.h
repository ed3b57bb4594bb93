#pragma once
// What desktop printing asks of the system: the default printer, one landscape
// print job, a picture of the screen and a stretched copy of it on the page.
#include <cstdint>
#include <memory>
#include <string>

#include "magnora/system/geometry.h"

namespace magnora {

// In printer device pixels, except the resolution, in pixels per inch.
struct PageMetrics {
  int printableWidth = 0;
  int printableHeight = 0;
  int pixelsPerInchX = 0;
  int pixelsPerInchY = 0;
  int marginLeft = 0;
  int marginTop = 0;
  int marginRight = 0;
  int marginBottom = 0;
};

// A picture of the screen: width × height pixels of blue, green, red and a
// fourth byte, in the order the bitmap keeps them.
class ScreenPicture {
 public:
  virtual ~ScreenPicture() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual std::uint8_t* pixels() = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // Empty when there is no default printer.
  virtual std::string defaultPrinterName() = 0;
  // Attaches the printer and lets it go again, drawing nothing.
  virtual bool canAttach(const std::string& printerName) = 0;

  // Opens a landscape print job with one page; false when no printer is attached.
  virtual bool beginLandscapeJob(const std::string& printerName) = 0;
  virtual PageMetrics pageMetrics() = 0;
  virtual std::unique_ptr<ScreenPicture> captureScreen() = 0;
  // The width and height of a sizing window frame.
  virtual Size frameSize() = 0;
  virtual void drawStretched(ScreenPicture& picture, const Rect& source, const Rect& target) = 0;
  // Ends the page and the job, handing it to the spooler.
  virtual void endJob() = 0;
};

}  // namespace magnora
