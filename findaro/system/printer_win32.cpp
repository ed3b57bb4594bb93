#include "findaro/system/printer_win32.h"

#include <winspool.h>

#include <cstdint>
#include <vector>

#include "common/wide_win32.h"

namespace findaro {
namespace {

std::wstring defaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::vector<wchar_t> name(size);
  if (!GetDefaultPrinterW(name.data(), &size)) return {};
  return name.data();
}

// The printer's own settings with one copy in portrait, merged by its driver;
// empty when the driver cannot give them. They must be in place before the
// device context exists: a document takes them from there.
std::vector<std::uint8_t> portraitOneCopy(const std::wstring& name) {
  std::vector<std::uint8_t> buffer;
  HANDLE printer = nullptr;
  auto* printerName = const_cast<wchar_t*>(name.c_str());
  if (!OpenPrinterW(printerName, &printer, nullptr)) return buffer;
  LONG size = DocumentPropertiesW(nullptr, printer, printerName, nullptr, nullptr, 0);
  if (size > 0) {
    buffer.resize(static_cast<size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (DocumentPropertiesW(nullptr, printer, printerName, mode, nullptr, DM_OUT_BUFFER) == IDOK) {
      mode->dmFields |= DM_ORIENTATION | DM_COPIES;
      mode->dmOrientation = DMORIENT_PORTRAIT;
      mode->dmCopies = 1;
      if (DocumentPropertiesW(nullptr, printer, printerName, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER) != IDOK)
        buffer.clear();
    } else {
      buffer.clear();
    }
  }
  ClosePrinter(printer);
  return buffer;
}

}  // namespace

Win32Printer::~Win32Printer() { endDocument(); }

bool Win32Printer::startDocument(const std::string& fontFace, int points) {
  endDocument();
  std::wstring name = defaultPrinterName();
  if (name.empty()) return false;
  std::vector<std::uint8_t> settings = portraitOneCopy(name);
  const auto* mode = settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(settings.data());
  dc_ = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode);
  if (!dc_) return false;
  DOCINFOW document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = L"Findaro Results";
  if (StartDocW(dc_, &document) <= 0) {
    DeleteDC(dc_);
    dc_ = nullptr;
    return false;
  }
  if (StartPage(dc_) <= 0) {
    AbortDoc(dc_);
    DeleteDC(dc_);
    dc_ = nullptr;
    return false;
  }
  int height = -MulDiv(points, GetDeviceCaps(dc_, LOGPIXELSY), 72);
  font_.reset(CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, 0, common::toWide(fontFace).c_str()));
  selectFont();
  SIZE extent{};
  GetTextExtentPoint32W(dc_, L"X", 1, &extent);
  lineHeight_ = extent.cy > 0 ? extent.cy : 1;
  y_ = 0;
  return true;
}

void Win32Printer::selectFont() {
  if (font_) SelectObject(dc_, font_.get());
  SetBkMode(dc_, TRANSPARENT);
}

int Win32Printer::linesPerPage() {
  if (!dc_) return 1;
  int lines = GetDeviceCaps(dc_, VERTRES) / lineHeight_;
  return lines > 0 ? lines : 1;
}

void Win32Printer::printLine(const std::string& text) {
  if (!dc_) return;
  std::wstring wide = common::toWide(text);
  TextOutW(dc_, 0, y_, wide.c_str(), static_cast<int>(wide.size()));
  y_ += lineHeight_;
}

void Win32Printer::newPage() {
  if (!dc_) return;
  EndPage(dc_);
  StartPage(dc_);
  // A new page starts with the device context's defaults again.
  selectFont();
  y_ = 0;
}

void Win32Printer::endDocument() {
  if (!dc_) return;
  EndPage(dc_);
  EndDoc(dc_);
  DeleteDC(dc_);
  dc_ = nullptr;
  font_.reset();
}

}  // namespace findaro
