#pragma once
// The default printer, one document at a time.
#include <string>

namespace findaro {

class Printer {
 public:
  virtual ~Printer() = default;

  // Opens the default printer and starts a portrait document of one copy in a
  // bold font; false when there is no printer or it cannot be opened.
  virtual bool startDocument(const std::string& fontFace, int points) = 0;
  // How many lines of text fit on one page in that font.
  virtual int linesPerPage() = 0;
  virtual void printLine(const std::string& text) = 0;
  virtual void newPage() = 0;
  virtual void endDocument() = 0;
};

}  // namespace findaro
