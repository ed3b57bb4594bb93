#include "findaro/actions/program_image.h"

#include <algorithm>
#include <optional>

namespace findaro {
namespace {

constexpr std::uint16_t kOptionalMagic32 = 0x10B;
constexpr std::uint16_t kOptionalMagic64 = 0x20B;
constexpr std::uint16_t kExecutableImage = 0x0002;
constexpr std::uint16_t kDynamicLibrary = 0x2000;
constexpr std::uint16_t kSubsystemWindowsGui = 2;
constexpr std::uint64_t kSectionHeaderBytes = 40;
constexpr std::uint64_t kSymbolBytes = 18;
constexpr int kCertificateDirectory = 4;

// Little-endian reads that fail, rather than read past the end.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::uint32_t> read(std::uint64_t at, int width) const {
    if (at > bytes_.size() || bytes_.size() - at < static_cast<std::uint64_t>(width)) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
    return value;
  }
  std::optional<std::uint16_t> u16(std::uint64_t at) const {
    auto v = read(at, 2);
    if (!v) return std::nullopt;
    return static_cast<std::uint16_t>(*v);
  }
  std::optional<std::uint32_t> u32(std::uint64_t at) const { return read(at, 4); }

 private:
  std::string_view bytes_;
};

struct Headers {
  std::uint16_t machine = 0;
  std::uint16_t characteristics = 0;
  std::uint16_t magic = 0;
  std::uint16_t subsystem = 0;
  std::uint64_t promisedSize = 0;
};

std::optional<Headers> readHeaders(std::string_view bytes) {
  Reader r(bytes);
  if (bytes.size() < 64 || bytes[0] != 'M' || bytes[1] != 'Z') return std::nullopt;
  auto peAt = r.u32(0x3C);
  if (!peAt || r.u32(*peAt) != 0x00004550u) return std::nullopt;  // "PE\0\0"
  const std::uint64_t coff = *peAt + 4ull;
  auto machine = r.u16(coff);
  auto sections = r.u16(coff + 2);
  auto symbolTable = r.u32(coff + 8);
  auto symbols = r.u32(coff + 12);
  auto optionalSize = r.u16(coff + 16);
  auto characteristics = r.u16(coff + 18);
  if (!machine || !sections || !symbolTable || !symbols || !optionalSize || !characteristics) return std::nullopt;

  Headers h;
  h.machine = *machine;
  h.characteristics = *characteristics;
  const std::uint64_t optional = coff + 20;
  auto magic = r.u16(optional);
  auto headersSize = r.u32(optional + 60);
  auto subsystem = r.u16(optional + 68);
  if (!magic || !headersSize || !subsystem) return std::nullopt;
  h.magic = *magic;
  h.subsystem = *subsystem;
  std::uint64_t end = *headersSize;

  const std::uint64_t directories = optional + (h.magic == kOptionalMagic64 ? 112 : 96);
  auto directoryCount = r.u32(directories - 4);
  if (directoryCount && *directoryCount > kCertificateDirectory &&
      directories + 8ull * (kCertificateDirectory + 1) <= optional + *optionalSize) {
    // The signature's entry holds a file position, not an address in memory.
    auto certificateAt = r.u32(directories + 8 * kCertificateDirectory);
    auto certificateSize = r.u32(directories + 8 * kCertificateDirectory + 4);
    if (certificateAt && certificateSize && *certificateSize > 0)
      end = std::max<std::uint64_t>(end, std::uint64_t{*certificateAt} + *certificateSize);
  }

  const std::uint64_t sectionTable = optional + *optionalSize;
  if (sectionTable + *sections * kSectionHeaderBytes > bytes.size()) return std::nullopt;
  for (std::uint64_t i = 0; i < *sections; ++i) {
    const std::uint64_t header = sectionTable + i * kSectionHeaderBytes;
    auto rawSize = r.u32(header + 16);
    auto rawAt = r.u32(header + 20);
    if (!rawSize || !rawAt) return std::nullopt;
    if (*rawSize > 0) end = std::max<std::uint64_t>(end, std::uint64_t{*rawAt} + *rawSize);
  }

  if (*symbolTable != 0) {
    // The string table follows the symbols; its first four bytes give its length.
    const std::uint64_t strings = *symbolTable + kSymbolBytes * *symbols;
    auto stringsSize = r.u32(strings);
    end = std::max<std::uint64_t>(end, strings + (stringsSize ? *stringsSize : 4));
  }
  h.promisedSize = end;
  return h;
}

std::uint16_t optionalMagicFor(std::uint16_t machine) {
  return machine == kMachineI386 ? kOptionalMagic32 : kOptionalMagic64;
}

}  // namespace

std::uint16_t runningProgramMachine() {
#if defined(__x86_64__) || defined(_M_X64)
  return kMachineAmd64;
#elif defined(__aarch64__) || defined(_M_ARM64)
  return kMachineArm64;
#else
  return kMachineI386;
#endif
}

std::uint64_t promisedImageSize(std::string_view bytes) {
  std::optional<Headers> h = readHeaders(bytes);
  return h ? h->promisedSize : 0;
}

ProgramImageCheck checkProgramImage(std::string_view bytes, std::uint16_t machine) {
  std::optional<Headers> h = readHeaders(bytes);
  if (!h) return bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z' ? ProgramImageCheck::Truncated
                                                                         : ProgramImageCheck::NotAProgram;
  if (h->machine != machine || h->magic != optionalMagicFor(machine)) return ProgramImageCheck::OtherMachine;
  if (!(h->characteristics & kExecutableImage) || (h->characteristics & kDynamicLibrary) ||
      h->subsystem != kSubsystemWindowsGui)
    return ProgramImageCheck::NotAnApplication;
  if (bytes.size() < h->promisedSize) return ProgramImageCheck::Truncated;
  if (bytes.size() > h->promisedSize) return ProgramImageCheck::Oversized;
  return ProgramImageCheck::Complete;
}

}  // namespace findaro
