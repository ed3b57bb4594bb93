#include "findaro/actions/program_resources.h"

#include <algorithm>
#include <functional>
#include <string>

#include "findaro/actions/program_headers.h"

namespace findaro {
namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BDu;
constexpr std::uint64_t kVersionInfoHeader = 6;
// "VS_VERSION_INFO" with its terminating zero, in UTF-16.
constexpr std::uint64_t kVersionInfoKeyBytes = 16 * 2;

// One entry of a resource directory: an id, or a name kept in UTF-16 elsewhere
// in the section.
struct DirectoryEntry {
  bool named = false;
  std::uint32_t id = 0;
  std::uint64_t nameAt = 0;
  std::uint32_t target = 0;
};

class ResourceSection {
 public:
  ResourceSection(std::string_view bytes, std::uint64_t start, std::uint64_t size)
      : r_(bytes), start_(start), size_(size) {}

  // The first entry of the directory at the offset (from the section's start)
  // that the test accepts.
  std::optional<DirectoryEntry> find(std::uint32_t directory,
                                     const std::function<bool(const DirectoryEntry&)>& accept) const {
    auto named = u16(directory + 12ull);
    auto ids = u16(directory + 14ull);
    if (!named || !ids) return std::nullopt;
    for (std::uint32_t i = 0; i < std::uint32_t{*named} + *ids; ++i) {
      const std::uint64_t at = directory + 16ull + 8ull * i;
      auto name = u32(at);
      auto target = u32(at + 4);
      if (!name || !target) return std::nullopt;
      DirectoryEntry e;
      e.named = (*name & kHighBit) != 0;
      e.id = *name;
      e.nameAt = *name & ~kHighBit;
      e.target = *target;
      if (accept(e)) return e;
    }
    return std::nullopt;
  }

  // A name of the section as ASCII text, upper case as Windows keeps it;
  // nothing for a name with other characters.
  std::optional<std::string> name(std::uint64_t at) const {
    auto length = u16(at);
    if (!length) return std::nullopt;
    std::string text;
    for (std::uint32_t i = 0; i < *length; ++i) {
      auto unit = u16(at + 2 + 2ull * i);
      if (!unit || *unit == 0 || *unit > 0x7F) return std::nullopt;
      text += static_cast<char>(*unit);
    }
    return text;
  }

  std::optional<std::uint16_t> u16(std::uint64_t at) const {
    if (at + 2 > size_) return std::nullopt;
    return r_.u16(start_ + at);
  }
  std::optional<std::uint32_t> u32(std::uint64_t at) const {
    if (at + 4 > size_) return std::nullopt;
    return r_.u32(start_ + at);
  }

 private:
  LittleEndianBytes r_;
  std::uint64_t start_;
  std::uint64_t size_;
};

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

using NamePick = std::function<bool(const ResourceSection&, const DirectoryEntry&)>;

// Type, then name, then language: the first language of the resource of the
// type whose name `pickName` accepts, as bytes of the file.
std::optional<std::string_view> findResource(std::string_view bytes, std::uint16_t type, const NamePick& pickName) {
  std::optional<ProgramHeaders> h = readProgramHeaders(bytes);
  if (!h || h->directories.size() <= kResourceDirectory) return std::nullopt;
  const DataDirectory& resources = h->directories[kResourceDirectory];
  auto start = fileOffsetOf(*h, resources.address);
  if (resources.size == 0 || !start || *start >= bytes.size()) return std::nullopt;
  const ResourceSection section(bytes, *start, std::min<std::uint64_t>(resources.size, bytes.size() - *start));

  // Each level must lead to a directory below it, and the last to data.
  auto subdirectory = [](const DirectoryEntry& e) -> std::optional<std::uint32_t> {
    if (!(e.target & kHighBit)) return std::nullopt;
    return e.target & ~kHighBit;
  };
  auto types = section.find(0, [&](const DirectoryEntry& e) { return !e.named && e.id == type; });
  if (!types || !subdirectory(*types)) return std::nullopt;
  auto names = section.find(*subdirectory(*types), [&](const DirectoryEntry& e) { return pickName(section, e); });
  if (!names || !subdirectory(*names)) return std::nullopt;
  auto language = section.find(*subdirectory(*names), [](const DirectoryEntry&) { return true; });
  if (!language || (language->target & kHighBit)) return std::nullopt;

  auto dataAddress = section.u32(language->target);
  auto dataSize = section.u32(language->target + 4ull);
  if (!dataAddress || !dataSize) return std::nullopt;
  auto dataAt = fileOffsetOf(*h, *dataAddress);
  if (!dataAt || *dataAt > bytes.size() || bytes.size() - *dataAt < *dataSize) return std::nullopt;
  return bytes.substr(*dataAt, *dataSize);
}

}  // namespace

std::optional<std::string_view> programResource(std::string_view bytes, std::uint16_t type, std::string_view name) {
  const std::string wanted = upperCase(name);
  return findResource(bytes, type, [&](const ResourceSection& section, const DirectoryEntry& e) {
    if (!e.named) return false;
    auto text = section.name(e.nameAt);
    return text && upperCase(*text) == wanted;
  });
}

std::optional<FileVersion> programFileVersion(std::string_view bytes) {
  auto info = findResource(bytes, kVersionResource, [](const ResourceSection&, const DirectoryEntry&) { return true; });
  if (!info) return std::nullopt;
  // The fixed part follows the header and the key, at the next multiple of four.
  const std::uint64_t fixed = (kVersionInfoHeader + kVersionInfoKeyBytes + 3) & ~std::uint64_t{3};
  LittleEndianBytes r(*info);
  auto valueLength = r.u16(2);
  auto signature = r.u32(fixed);
  auto high = r.u32(fixed + 8);
  auto low = r.u32(fixed + 12);
  if (!valueLength || *valueLength < 16 || signature != kFixedFileInfoSignature || !high || !low) return std::nullopt;
  return FileVersion{*high, *low};
}

}  // namespace findaro
