#pragma once
// The preview pane, the printer and the downloader as recorders.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "findaro/controls/preview_pane.h"
#include "findaro/system/downloader.h"
#include "findaro/system/printer.h"
#include "support/call_log.h"

namespace testing_support {

class FakePreviewPane : public findaro::PreviewPane {
 public:
  explicit FakePreviewPane(CallLog& log) : log_(log) {}

  findaro::Size clientSize() override { return size; }
  void clear(int color) override { log_.log("pane clear " + std::to_string(color)); }
  void drawText(const std::string& text, findaro::Point at, int foreground, int background) override {
    log_.log("pane text " + text + " at " + std::to_string(at.x) + "," + std::to_string(at.y));
    textForeground = foreground;
    textBackground = background;
  }
  std::optional<findaro::Size> loadImage(const std::string& path, findaro::Size) override {
    log_.log("pane load " + path);
    return imageSize;
  }
  void drawImage(const findaro::Rect& r) override {
    log_.log("pane draw " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
             std::to_string(r.width()) + "x" + std::to_string(r.height()));
  }

  findaro::Size size{400, 400};
  std::optional<findaro::Size> imageSize;
  int textForeground = -1;
  int textBackground = -1;

 private:
  CallLog& log_;
};

class FakePrinter : public findaro::Printer {
 public:
  bool startDocument(const std::string& face, int points) override {
    font = face + " " + std::to_string(points);
    if (!available) return false;
    pages = {{}};
    return true;
  }
  int linesPerPage() override { return pageLines; }
  void printLine(const std::string& text) override { pages.back().push_back(text); }
  void newPage() override { pages.emplace_back(); }
  void endDocument() override { ended = true; }

  bool available = true;
  int pageLines = 60;
  std::string font;
  std::vector<std::vector<std::string>> pages;
  bool ended = false;
};

class FakeDownloader : public findaro::Downloader {
 public:
  bool download(const std::string& address, const std::string& path) override {
    requests.push_back(address + " -> " + path);
    if (onDownload) return onDownload(path);
    return false;
  }
  std::vector<std::string> requests;
  std::function<bool(const std::string&)> onDownload;
};

}  // namespace testing_support
