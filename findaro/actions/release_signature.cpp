#include "findaro/actions/release_signature.h"

namespace findaro {
namespace {

constexpr unsigned char kSequence = 0x30;
constexpr unsigned char kInteger = 0x02;
constexpr unsigned char kBitString = 0x03;

// id-ecPublicKey with the named curve prime256v1: the algorithm part of every
// P-256 key's SubjectPublicKeyInfo, byte for byte.
constexpr std::string_view kP256Algorithm{
    "\x30\x13\x06\x07\x2A\x86\x48\xCE\x3D\x02\x01\x06\x08\x2A\x86\x48\xCE\x3D\x03\x01\x07", 21};
constexpr unsigned char kUncompressedPoint = 0x04;

// Reads DER's tag-length-value items one after the other, refusing the forms DER
// does not allow (indefinite or padded lengths), so that one signature has one
// encoding.
class DerReader {
 public:
  explicit DerReader(std::string_view bytes) : bytes_(bytes) {}
  bool atEnd() const { return at_ == bytes_.size(); }

  // The content of the next item when it has the tag.
  std::optional<std::string_view> next(unsigned char tag) {
    if (bytes_.size() - at_ < 2 || static_cast<unsigned char>(bytes_[at_]) != tag) return std::nullopt;
    std::size_t length = static_cast<unsigned char>(bytes_[at_ + 1]);
    std::size_t start = at_ + 2;
    if (length & 0x80) {
      const std::size_t lengthBytes = length & 0x7F;
      // Nothing this program reads is 64 KiB long.
      if (lengthBytes == 0 || lengthBytes > 2 || bytes_.size() - start < lengthBytes) return std::nullopt;
      length = 0;
      for (std::size_t i = 0; i < lengthBytes; ++i)
        length = (length << 8) | static_cast<unsigned char>(bytes_[start + i]);
      const bool shortestForm = length >= 0x80 && (lengthBytes == 1 || length > 0xFF);
      if (!shortestForm) return std::nullopt;
      start += lengthBytes;
    }
    if (bytes_.size() - start < length) return std::nullopt;
    at_ = start + length;
    return bytes_.substr(start, length);
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// A DER INTEGER's content as a field element: positive, in its shortest form,
// not zero, and no longer than the field; padded with zeros in front.
std::optional<std::string> fieldNumber(std::string_view content) {
  if (content.empty() || (static_cast<unsigned char>(content[0]) & 0x80)) return std::nullopt;
  if (content.size() > 1 && content[0] == '\0') {
    if (!(static_cast<unsigned char>(content[1]) & 0x80)) return std::nullopt;  // a needless leading zero
    content.remove_prefix(1);
  }
  if (content.size() > kP256FieldBytes) return std::nullopt;
  if (content.find_first_not_of('\0') == std::string_view::npos) return std::nullopt;
  return std::string(kP256FieldBytes - content.size(), '\0') + std::string(content);
}

}  // namespace

std::optional<std::string> p256KeyFromDer(std::string_view der) {
  DerReader outer(der);
  auto info = outer.next(kSequence);
  if (!info || !outer.atEnd()) return std::nullopt;
  DerReader fields(*info);
  auto algorithm = fields.next(kSequence);
  auto key = fields.next(kBitString);
  if (!algorithm || !key || !fields.atEnd()) return std::nullopt;
  // The algorithm item, header included, is the sequence's first bytes.
  if (info->substr(0, kP256Algorithm.size()) != kP256Algorithm || algorithm->size() != kP256Algorithm.size() - 2)
    return std::nullopt;
  // No unused bits, the uncompressed form, then X and Y.
  if (key->size() != 2 + 2 * kP256FieldBytes || (*key)[0] != '\0' ||
      static_cast<unsigned char>((*key)[1]) != kUncompressedPoint)
    return std::nullopt;
  return std::string(key->substr(2));
}

std::optional<std::string> p256SignatureFromDer(std::string_view der) {
  DerReader outer(der);
  auto value = outer.next(kSequence);
  if (!value || !outer.atEnd()) return std::nullopt;
  DerReader numbers(*value);
  auto r = numbers.next(kInteger);
  auto s = numbers.next(kInteger);
  if (!r || !s || !numbers.atEnd()) return std::nullopt;
  auto rField = fieldNumber(*r);
  auto sField = fieldNumber(*s);
  if (!rField || !sField) return std::nullopt;
  return *rField + *sField;
}

}  // namespace findaro
