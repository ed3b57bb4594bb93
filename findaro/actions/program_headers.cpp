#include "findaro/actions/program_headers.h"

#include <algorithm>

namespace findaro {
namespace {

constexpr std::uint16_t kOptionalMagic64 = 0x20B;
constexpr std::uint64_t kSectionHeaderBytes = 40;
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"

}  // namespace

std::optional<std::uint32_t> LittleEndianBytes::read(std::uint64_t at, int width) const {
  if (at > bytes_.size() || bytes_.size() - at < static_cast<std::uint64_t>(width)) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
  return value;
}

std::optional<std::uint16_t> LittleEndianBytes::u16(std::uint64_t at) const {
  auto v = read(at, 2);
  if (!v) return std::nullopt;
  return static_cast<std::uint16_t>(*v);
}

std::optional<ProgramHeaders> readProgramHeaders(std::string_view bytes) {
  LittleEndianBytes r(bytes);
  if (bytes.size() < 64 || bytes[0] != 'M' || bytes[1] != 'Z') return std::nullopt;
  auto peAt = r.u32(0x3C);
  if (!peAt || r.u32(*peAt) != kPeSignature) return std::nullopt;
  const std::uint64_t coff = *peAt + 4ull;
  auto machine = r.u16(coff);
  auto sections = r.u16(coff + 2);
  auto symbolTable = r.u32(coff + 8);
  auto symbols = r.u32(coff + 12);
  auto optionalSize = r.u16(coff + 16);
  auto characteristics = r.u16(coff + 18);
  if (!machine || !sections || !symbolTable || !symbols || !optionalSize || !characteristics) return std::nullopt;

  ProgramHeaders h;
  h.machine = *machine;
  h.characteristics = *characteristics;
  h.symbolTableAt = *symbolTable;
  h.symbolCount = *symbols;
  const std::uint64_t optional = coff + 20;
  auto magic = r.u16(optional);
  auto headersSize = r.u32(optional + 60);
  auto subsystem = r.u16(optional + 68);
  if (!magic || !headersSize || !subsystem) return std::nullopt;
  h.optionalMagic = *magic;
  h.subsystem = *subsystem;
  h.headersSize = *headersSize;

  const std::uint64_t optionalEnd = optional + *optionalSize;
  const std::uint64_t directories = optional + (h.optionalMagic == kOptionalMagic64 ? 112 : 96);
  auto directoryCount = r.u32(directories - 4);
  for (std::uint32_t i = 0; directoryCount && i < std::min<std::uint32_t>(*directoryCount, 16); ++i) {
    const std::uint64_t entry = directories + 8ull * i;
    if (entry + 8 > optionalEnd) break;
    auto address = r.u32(entry);
    auto size = r.u32(entry + 4);
    if (!address || !size) break;
    h.directories.push_back({*address, *size});
  }

  h.sectionTableEnd = optionalEnd + *sections * kSectionHeaderBytes;
  if (h.sectionTableEnd > bytes.size()) return std::nullopt;
  for (std::uint64_t i = 0; i < *sections; ++i) {
    const std::uint64_t header = optionalEnd + i * kSectionHeaderBytes;
    ProgramSection s;
    s.virtualSize = *r.u32(header + 8);
    s.virtualAddress = *r.u32(header + 12);
    s.rawSize = *r.u32(header + 16);
    s.rawAt = *r.u32(header + 20);
    h.sections.push_back(s);
  }
  return h;
}

std::optional<std::uint64_t> fileOffsetOf(const ProgramHeaders& headers, std::uint32_t address) {
  for (const ProgramSection& s : headers.sections) {
    if (address < s.virtualAddress) continue;
    const std::uint64_t into = address - s.virtualAddress;
    // Only what lies on disk and is loaded: past the virtual size a section's
    // data on disk is padding, and past the raw size memory holds zeros.
    if (into < s.rawSize && (s.virtualSize == 0 || into < s.virtualSize)) return std::uint64_t{s.rawAt} + into;
  }
  return std::nullopt;
}

}  // namespace findaro
