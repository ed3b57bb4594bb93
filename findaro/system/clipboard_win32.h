#pragma once
// The system clipboard, opened and closed within each operation.
#include <windows.h>

#include "findaro/system/clipboard.h"

namespace findaro {

class Win32Clipboard : public Clipboard {
 public:
  void setOwnerWindow(HWND window) { owner_ = window; }

  void setText(const std::string& text) override;
  std::optional<std::string> text() override;
  void setFileDrop(const std::string& block) override;

 private:
  void put(UINT format, const void* data, size_t bytes);
  HWND owner_ = nullptr;
};

}  // namespace findaro
