#include "fuzz_support.h"

#include "common/text.h"

namespace fuzz {

std::string latin1ToUtf8(const std::string& bytes) {
  std::u16string units;
  for (unsigned char c : bytes) units += static_cast<char16_t>(c);
  return common::utf16ToUtf8(units);
}

}  // namespace fuzz
