#pragma once
// What the test printer printed: the print server's PDF writer puts each job in
// a folder (PRINT_OUT, set by scripts/e2e), and the machine's PDF tools read it.
#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace e2e {

// "none" while the print server is down, "cups-pdf" while its PDF queue is the
// default printer; empty when the tests were not started by scripts/e2e.
std::string printerState();

struct PrintedDocument {
  std::string pdf;                 // the file, as a path of the host
  std::vector<std::string> pages;  // the text of each page
  int pageWidth = 0;               // in points, as the page is shown
  int pageHeight = 0;
  int images = 0;
};

class PrintOutput {
 public:
  PrintOutput();
  // The one new job since this object was made (or since the last one taken),
  // once the print queue is empty; nothing when none came in time.
  bool waitForDocument(PrintedDocument& document, std::chrono::milliseconds limit);

 private:
  std::string folder_;
  std::set<std::string> seen_;
};

// The height, in points, of the first word on the page with this text.
double wordHeight(const std::string& pdf, const std::string& word);

}  // namespace e2e
