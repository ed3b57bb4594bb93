#pragma once
// The default printer through a printer device context.
#include <windows.h>

#include "common/handles_win32.h"
#include "findaro/system/printer.h"

namespace findaro {

class Win32Printer : public Printer {
 public:
  ~Win32Printer() override;

  bool startDocument(const std::string& fontFace, int points) override;
  int linesPerPage() override;
  void printLine(const std::string& text) override;
  void newPage() override;
  void endDocument() override;

 private:
  void selectFont();

  HDC dc_ = nullptr;
  common::UniqueFont font_;
  int lineHeight_ = 1;
  int y_ = 0;
};

}  // namespace findaro
