#pragma once
// A release's signature and the key that checks it, taken from the DER forms that
// openssl writes into the raw forms the platform's verifier wants: a P-256 public
// key as its X then Y, an ECDSA signature as its r then s, each 32 bytes, most
// significant byte first.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace findaro {

constexpr std::size_t kP256FieldBytes = 32;

// A SubjectPublicKeyInfo of an uncompressed P-256 key; nothing for any other
// curve or algorithm, or for bytes before or after it.
std::optional<std::string> p256KeyFromDer(std::string_view der);
// An Ecdsa-Sig-Value: a sequence of the two positive integers r and s, in DER's
// one encoding; nothing for anything else, or for numbers too large for P-256.
std::optional<std::string> p256SignatureFromDer(std::string_view der);

}  // namespace findaro
