#pragma once
// The system clipboard. Every put replaces what it held.
#include <optional>
#include <string>

namespace findaro {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual void setText(const std::string& text) = 0;
  // The clipboard's text; nothing when it holds none.
  virtual std::optional<std::string> text() = 0;
  // A drop-files block (the bytes as the file manager reads them).
  virtual void setFileDrop(const std::string& block) = 0;
};

}  // namespace findaro
