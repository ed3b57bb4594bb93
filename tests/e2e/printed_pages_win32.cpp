#include "e2e/printed_pages_win32.h"

#include <windows.h>

#include <cstdlib>

#include "common/text.h"
#include "e2e/driver_win32.h"

namespace e2e {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::set<std::string> pdfsIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((hostPath(folder) + L"\\*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(narrow(found.cFileName));
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool hostOutput(const std::string& command, std::string& output) {
  return runHostCommand(command, &output, std::chrono::seconds(60)) == 0;
}

int numberAfter(const std::string& text, const std::string& label) {
  size_t at = text.find(label);
  return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + label.size());
}

}  // namespace

std::string printerState() { return environment("E2E_PRINTER"); }

PrintOutput::PrintOutput() : folder_(environment("PRINT_OUT")), seen_(pdfsIn(folder_)) {}

bool PrintOutput::waitForDocument(PrintedDocument& document, std::chrono::milliseconds limit) {
  if (folder_.empty()) return false;
  std::string name;
  bool done = waitUntil(
      [&] {
        std::string queue;
        if (!hostOutput("lpstat -o", queue) || !queue.empty()) return false;
        for (const std::string& n : pdfsIn(folder_))
          if (!seen_.count(n)) name = n;
        return !name.empty();
      },
      limit);
  if (!done) return false;
  seen_.insert(name);
  document = {};
  document.pdf = folder_ + "/" + name;
  std::string text;
  hostOutput("pdftotext -layout '" + document.pdf + "' -", text);
  // The printer may still be finishing the file when its job has left the
  // queue: a file without text yet is read again a little later.
  for (int attempt = 0; attempt < 10 && common::trimSpace(text).empty(); ++attempt) {
    Sleep(500);
    hostOutput("pdftotext -layout '" + document.pdf + "' -", text);
  }
  document.pages = common::split(text, "\f");
  if (!document.pages.empty() && common::trimSpace(document.pages.back()).empty()) document.pages.pop_back();
  std::string info;
  hostOutput("pdfinfo '" + document.pdf + "'", info);
  // "Page size: 842 x 595 pts", turned by "Page rot: 90" when the page is set sideways.
  size_t size = info.find("Page size:");
  if (size != std::string::npos) {
    document.pageWidth = std::atoi(info.c_str() + size + 10);
    document.pageHeight = numberAfter(info.substr(size), " x ");
  }
  int rotation = numberAfter(info, "Page rot:");
  if (rotation % 180 == 90) std::swap(document.pageWidth, document.pageHeight);
  std::string images;
  hostOutput("pdfimages -list '" + document.pdf + "'", images);
  // Two heading lines, then one line per image.
  std::vector<std::string> lines = common::split(common::trimSpace(images), "\n");
  document.images = lines.size() > 2 ? static_cast<int>(lines.size()) - 2 : 0;
  return true;
}

double wordHeight(const std::string& pdf, const std::string& word) {
  std::string boxes;
  hostOutput("pdftotext -bbox '" + pdf + "' -", boxes);
  size_t at = boxes.find(">" + word + "</word>");
  if (at == std::string::npos) return 0;
  size_t start = boxes.rfind("<word", at);
  std::string tag = boxes.substr(start, at - start);
  auto value = [&tag](const std::string& name) {
    size_t p = tag.find(name + "=\"");
    return p == std::string::npos ? 0.0 : std::atof(tag.c_str() + p + name.size() + 2);
  };
  return value("yMax") - value("yMin");
}

}  // namespace e2e
