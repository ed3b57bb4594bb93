#pragma once
// The platform's own check of a signature: ECDSA with SHA-256 on the P-256 curve.
#include <string>
#include <string_view>

namespace findaro {

class SignatureCheck {
 public:
  virtual ~SignatureCheck() = default;

  // Whether the signature (r then s) was made over the bytes with the private
  // half of the public key (X then Y).
  virtual bool verifies(const std::string& publicKey, std::string_view bytes, const std::string& signature) = 0;
};

}  // namespace findaro
