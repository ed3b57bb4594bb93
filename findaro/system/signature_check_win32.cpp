#include "findaro/system/signature_check_win32.h"

#include <windows.h>
#include <bcrypt.h>

#include <cstring>
#include <vector>

#include "common/handles_win32.h"

namespace findaro {
namespace {

constexpr ULONG kP256FieldBytes = 32;
constexpr ULONG kSha256Bytes = 32;

struct AlgorithmDeleter { void operator()(BCRYPT_ALG_HANDLE h) const { BCryptCloseAlgorithmProvider(h, 0); } };
struct KeyDeleter { void operator()(BCRYPT_KEY_HANDLE h) const { BCryptDestroyKey(h); } };
struct HashDeleter { void operator()(BCRYPT_HASH_HANDLE h) const { BCryptDestroyHash(h); } };
using UniqueAlgorithm = common::UniqueAny<BCRYPT_ALG_HANDLE, AlgorithmDeleter>;
using UniqueKey = common::UniqueAny<BCRYPT_KEY_HANDLE, KeyDeleter>;
using UniqueHash = common::UniqueAny<BCRYPT_HASH_HANDLE, HashDeleter>;

UniqueAlgorithm openAlgorithm(LPCWSTR name) {
  BCRYPT_ALG_HANDLE handle = nullptr;
  if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle, name, nullptr, 0))) return {};
  return UniqueAlgorithm(handle);
}

bool sha256(std::string_view bytes, UCHAR (&digest)[kSha256Bytes]) {
  UniqueAlgorithm algorithm = openAlgorithm(BCRYPT_SHA256_ALGORITHM);
  BCRYPT_HASH_HANDLE handle = nullptr;
  if (!algorithm || !BCRYPT_SUCCESS(BCryptCreateHash(algorithm.get(), &handle, nullptr, 0, nullptr, 0, 0)))
    return false;
  UniqueHash hash(handle);
  // The length goes over as a ULONG: a file is handed over in pieces.
  constexpr size_t kPiece = 1 << 20;
  for (size_t at = 0; at < bytes.size(); at += kPiece) {
    std::string_view piece = bytes.substr(at, kPiece);
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(piece.data()));
    if (!BCRYPT_SUCCESS(BCryptHashData(hash.get(), data, static_cast<ULONG>(piece.size()), 0))) return false;
  }
  return BCRYPT_SUCCESS(BCryptFinishHash(hash.get(), digest, kSha256Bytes, 0));
}

UniqueKey importPublicKey(BCRYPT_ALG_HANDLE algorithm, const std::string& publicKey) {
  std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + publicKey.size());
  const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, kP256FieldBytes};
  std::memcpy(blob.data(), &header, sizeof(header));
  std::memcpy(blob.data() + sizeof(header), publicKey.data(), publicKey.size());
  BCRYPT_KEY_HANDLE key = nullptr;
  if (!BCRYPT_SUCCESS(BCryptImportKeyPair(algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &key, blob.data(),
                                          static_cast<ULONG>(blob.size()), 0)))
    return {};
  return UniqueKey(key);
}

}  // namespace

bool Win32SignatureCheck::verifies(const std::string& publicKey, std::string_view bytes,
                                   const std::string& signature) {
  if (publicKey.size() != 2 * kP256FieldBytes || signature.size() != 2 * kP256FieldBytes) return false;
  UCHAR digest[kSha256Bytes];
  if (!sha256(bytes, digest)) return false;
  UniqueAlgorithm algorithm = openAlgorithm(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!algorithm) return false;
  UniqueKey key = importPublicKey(algorithm.get(), publicKey);
  if (!key) return false;
  std::string raw = signature;
  // Only success counts: every other status, an invalid signature or an error of
  // the provider, refuses.
  return BCryptVerifySignature(key.get(), nullptr, digest, kSha256Bytes, reinterpret_cast<PUCHAR>(raw.data()),
                               static_cast<ULONG>(raw.size()), 0) == 0;
}

}  // namespace findaro
