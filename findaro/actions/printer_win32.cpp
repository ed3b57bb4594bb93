#include "findaro/actions/printer_win32.h"

#include <winspool.h>

#include <vector>

#include "common/wide_win32.h"

namespace findaro {

Win32Printer::~Win32Printer() { endDocument(); }

bool Win32Printer::startDocument(const std::string& fontFace, int points) {
  endDocument();
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return false;
  std::vector<wchar_t> name(size);
  if (!GetDefaultPrinterW(name.data(), &size)) return false;
  dc_ = CreateDCW(L"WINSPOOL", name.data(), nullptr, nullptr);
  if (!dc_) return false;
  DOCINFOW document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = L"Findaro Results";
  if (StartDocW(dc_, &document) <= 0 || StartPage(dc_) <= 0) {
    DeleteDC(dc_);
    dc_ = nullptr;
    return false;
  }
  int height = -MulDiv(points, GetDeviceCaps(dc_, LOGPIXELSY), 72);
  font_.reset(CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, 0, common::toWide(fontFace).c_str()));
  SelectObject(dc_, font_.get());
  SIZE extent{};
  GetTextExtentPoint32W(dc_, L"X", 1, &extent);
  lineHeight_ = extent.cy > 0 ? extent.cy : 1;
  y_ = 0;
  return true;
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
  SelectObject(dc_, font_.get());
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
