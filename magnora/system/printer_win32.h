#pragma once
// The bar's Printer seam on the Windows platform: the default printer, one
// landscape job, and the screen copied and stretched onto its page.
#include <windows.h>

#include <vector>

#include "magnora/system/printer.h"

namespace magnora {

class Win32Printer : public Printer {
 public:
  Win32Printer() = default;
  Win32Printer(const Win32Printer&) = delete;
  Win32Printer& operator=(const Win32Printer&) = delete;
  ~Win32Printer() override;

  std::string defaultPrinterName() override;
  bool canAttach(const std::string& printerName) override;
  bool beginLandscapeJob(const std::string& printerName) override;
  PageMetrics pageMetrics() override;
  std::unique_ptr<ScreenPicture> captureScreen() override;
  Size frameSize() override;
  void drawStretched(ScreenPicture& picture, const Rect& source, const Rect& target) override;
  void endJob() override;

 private:
  HDC job_ = nullptr;
};

}  // namespace magnora
