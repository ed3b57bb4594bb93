#include "magnora/system/printer_win32.h"

#include <winspool.h>

#include "common/handles_win32.h"
#include "common/wide_win32.h"

namespace magnora {
namespace {

// The screen's picture lives in a bitmap whose pixels the program can reach,
// so the grey conversion works on the bitmap itself.
class ScreenBitmap : public ScreenPicture {
 public:
  ScreenBitmap(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetWindowDC(nullptr);
    memory_ = CreateCompatibleDC(screen);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<std::uint8_t*>(bits);
    if (memory_ && bitmap_) {
      previous_ = SelectObject(memory_, bitmap_.get());
      BitBlt(memory_, 0, 0, width, height, screen, 0, 0, SRCCOPY);
      GdiFlush();
    }
    ReleaseDC(nullptr, screen);
  }
  ~ScreenBitmap() override {
    if (memory_) {
      if (previous_) SelectObject(memory_, previous_);
      DeleteDC(memory_);
    }
  }
  ScreenBitmap(const ScreenBitmap&) = delete;
  ScreenBitmap& operator=(const ScreenBitmap&) = delete;

  bool valid() const { return memory_ && bitmap_ && pixels_; }
  HDC dc() const { return memory_; }
  int width() const override { return width_; }
  int height() const override { return height_; }
  std::uint8_t* pixels() override { return pixels_; }

 private:
  int width_;
  int height_;
  HDC memory_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  common::UniqueBitmap bitmap_;
  std::uint8_t* pixels_ = nullptr;
};

std::vector<std::uint8_t> landscapeSettings(const std::wstring& name) {
  HANDLE printer = nullptr;
  std::vector<std::uint8_t> buffer;
  if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) return buffer;
  LONG size = DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name.c_str()), nullptr, nullptr, 0);
  if (size > 0) {
    buffer.resize(static_cast<size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name.c_str()), mode, nullptr, DM_OUT_BUFFER) ==
        IDOK) {
      mode->dmFields |= DM_ORIENTATION;
      mode->dmOrientation = DMORIENT_LANDSCAPE;
      DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name.c_str()), mode, mode,
                          DM_IN_BUFFER | DM_OUT_BUFFER);
    } else {
      buffer.clear();
    }
  }
  ClosePrinter(printer);
  return buffer;
}

}  // namespace

Win32Printer::~Win32Printer() {
  if (job_) {
    AbortDoc(job_);
    DeleteDC(job_);
  }
}

std::string Win32Printer::defaultPrinterName() {
  wchar_t name[260] = L"";
  DWORD size = 260;
  if (!GetDefaultPrinterW(name, &size) || size == 0) return {};
  return common::fromWide(std::wstring_view(name, size - 1));
}

bool Win32Printer::canAttach(const std::string& printerName) {
  HDC dc = CreateDCW(L"WINSPOOL", common::toWide(printerName).c_str(), nullptr, nullptr);
  if (!dc) return false;
  DeleteDC(dc);
  return true;
}

bool Win32Printer::beginLandscapeJob(const std::string& printerName) {
  std::wstring name = common::toWide(printerName);
  if (name.empty()) return false;
  std::vector<std::uint8_t> settings = landscapeSettings(name);
  const auto* mode = settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(settings.data());
  job_ = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode);
  if (!job_) return false;
  DOCINFOW document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = L"Desktop";
  if (StartDocW(job_, &document) <= 0) {
    DeleteDC(job_);
    job_ = nullptr;
    return false;
  }
  StartPage(job_);
  return true;
}

PageMetrics Win32Printer::pageMetrics() {
  PageMetrics page;
  if (!job_) return page;
  page.printableWidth = GetDeviceCaps(job_, HORZRES);
  page.printableHeight = GetDeviceCaps(job_, VERTRES);
  page.pixelsPerInchX = GetDeviceCaps(job_, LOGPIXELSX);
  page.pixelsPerInchY = GetDeviceCaps(job_, LOGPIXELSY);
  page.marginLeft = GetDeviceCaps(job_, PHYSICALOFFSETX);
  page.marginTop = GetDeviceCaps(job_, PHYSICALOFFSETY);
  page.marginRight = GetDeviceCaps(job_, PHYSICALWIDTH) - page.printableWidth - page.marginLeft;
  page.marginBottom = GetDeviceCaps(job_, PHYSICALHEIGHT) - page.printableHeight - page.marginTop;
  return page;
}

std::unique_ptr<ScreenPicture> Win32Printer::captureScreen() {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  auto picture = std::make_unique<ScreenBitmap>(desktop.right - desktop.left, desktop.bottom - desktop.top);
  if (!picture->valid()) return nullptr;
  return picture;
}

Size Win32Printer::frameSize() { return {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)}; }

void Win32Printer::drawStretched(ScreenPicture& picture, const Rect& source, const Rect& target) {
  if (!job_) return;
  auto& bitmap = static_cast<ScreenBitmap&>(picture);
  // Halftone keeps thin lines and text readable when the picture is stretched.
  SetStretchBltMode(job_, HALFTONE);
  SetBrushOrgEx(job_, 0, 0, nullptr);
  StretchBlt(job_, target.left, target.top, target.width(), target.height(), bitmap.dc(), source.left, source.top,
             source.width(), source.height(), SRCCOPY);
}

void Win32Printer::endJob() {
  if (!job_) return;
  EndPage(job_);
  EndDoc(job_);
  DeleteDC(job_);
  job_ = nullptr;
}

}  // namespace magnora
