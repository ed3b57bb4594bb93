// The text a browser puts on the clipboard: after cleaning, no empty line, no
// blank at either end of a line, CR LF between lines, and cleaning it again
// changes nothing.
#include "common/text.h"
#include "fuzz_support.h"
#include "magnora/actions/copy_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string clean = magnora::cleanText(std::string(reinterpret_cast<const char*>(data), size));
  if (!clean.empty()) {
    for (const std::string& line : common::split(clean, "\r\n")) {
      FUZZ_CHECK(!line.empty(), "no empty line");
      FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos, "lines end only at CR LF");
      FUZZ_CHECK(line.front() != ' ' && line.back() != ' ', "no blank at either end of a line");
    }
  }
  FUZZ_CHECK(magnora::cleanText(clean) == clean, "cleaning twice changes nothing");
  return 0;
}
