// Two browsers' bookmark stores as they may be on disk: the page holds one link
// per "url" line and no markup but its own.
#include <string>

#include "common/number_format.h"
#include "fuzz_support.h"
#include "magnora/actions/bookmarks.h"

namespace {

bool startsAt(const std::string& text, size_t at, const std::string& piece) { return text.compare(at, piece.size(), piece) == 0; }

// Reads `piece` at `at`, moving past it.
bool expect(const std::string& text, size_t& at, const std::string& piece) {
  if (!startsAt(text, at, piece)) return false;
  at += piece.size();
  return true;
}

// A text the page took from a store: nothing in it can open or close markup.
bool plainUpTo(const std::string& text, size_t& at, const std::string& end) {
  size_t stop = text.find(end, at);
  if (stop == std::string::npos) return false;
  bool plain = text.find_first_of("<>\"", at) >= stop;
  at = stop;
  return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  std::string chrome = input.text();
  std::string edge = input.rest();
  std::string page = magnora::bookmarksPage(chrome, edge);

  size_t at = 0;
  FUZZ_CHECK(expect(page, at, "<html><body><h1>Bookmarks ("), "the page's heading");
  size_t close = page.find(")</h1><font size=5>\r\n", at);
  FUZZ_CHECK(close != std::string::npos, "the heading's count");
  std::string count = page.substr(at, close - at);
  at = close + std::string(")</h1><font size=5>\r\n").size();
  int links = 0;
  while (startsAt(page, at, "<a href=\"")) {
    at += 9;
    FUZZ_CHECK(plainUpTo(page, at, "\"><b>"), "a link's address is plain text");
    at += 5;
    FUZZ_CHECK(plainUpTo(page, at, "</b></a><p>\r\n"), "a link's name is plain text");
    at += 13;
    ++links;
  }
  FUZZ_CHECK(count == common::plainNumber(links), "the heading counts the links");
  FUZZ_CHECK(page.substr(at) == "\r\n</font></body></html>\r\n", "nothing after the links but the page's end");
  return 0;
}
