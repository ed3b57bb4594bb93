#include "findaro/actions/printing.h"

#include <algorithm>
#include <string>

#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

constexpr int kSmallPrintPoints = 12;

std::string withoutOuterLineBreaks(std::string text) {
  size_t begin = 0;
  while (text.compare(begin, 2, "\r\n") == 0) begin += 2;
  size_t end = text.size();
  while (end >= begin + 2 && text.compare(end - 2, 2, "\r\n") == 0) end -= 2;
  return text.substr(begin, end - begin);
}

}  // namespace

void printResults(Finder& finder) {
  const Settings& s = finder.settings;
  if (s.PrintFont == 1) speak(finder, "Printing With Visual Font ...");
  if (s.PrintFont == 0) speak(finder, "Printing With Small Font ...");
  if (!finder.printer.startDocument(s.FontName, s.PrintFont != 0 ? s.FontSize : kSmallPrintPoints)) {
    // The words magnora uses for the same fault.
    speak(finder, "No Printer Attached!");
    return;
  }
  const int linesPerPage = std::max(1, finder.printer.linesPerPage());
  std::string printed;
  int total = 0;   // lines of the whole document: the limit counts all pages
  int onPage = 0;  // lines of the current page
  for (int row = 1; row <= finder.results.count(); ++row) {
    // A page break only once a further line needs the page, so that a full last
    // page is not followed by an empty one.
    if (onPage == linesPerPage) {
      finder.printer.newPage();
      onPage = 0;
    }
    std::string name(finder.results.at(row).Name);
    finder.printer.printLine(name);
    printed += name + "\r\n";
    ++total;
    ++onPage;
    if (total == s.MaxPrintLines) break;
  }
  finder.printer.endDocument();
  finder.clipboard.setText(withoutOuterLineBreaks(printed));
}

}  // namespace findaro
