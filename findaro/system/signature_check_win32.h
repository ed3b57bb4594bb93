#pragma once
// Signatures checked by Windows' own cryptography (CNG).
#include "findaro/system/signature_check.h"

namespace findaro {

class Win32SignatureCheck : public SignatureCheck {
 public:
  bool verifies(const std::string& publicKey, std::string_view bytes, const std::string& signature) override;
};

}  // namespace findaro
