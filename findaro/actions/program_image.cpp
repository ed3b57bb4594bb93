#include "findaro/actions/program_image.h"

#include <algorithm>

#include "findaro/actions/program_headers.h"

namespace findaro {
namespace {

constexpr std::uint16_t kOptionalMagic32 = 0x10B;
constexpr std::uint16_t kOptionalMagic64 = 0x20B;
constexpr std::uint16_t kExecutableImage = 0x0002;
constexpr std::uint16_t kDynamicLibrary = 0x2000;
constexpr std::uint16_t kSubsystemWindowsGui = 2;
constexpr std::uint64_t kSymbolBytes = 18;

std::uint64_t promisedSize(std::string_view bytes, const ProgramHeaders& h) {
  std::uint64_t end = h.headersSize;
  if (h.directories.size() > kCertificateDirectory) {
    const DataDirectory& certificate = h.directories[kCertificateDirectory];
    if (certificate.size > 0) end = std::max<std::uint64_t>(end, std::uint64_t{certificate.address} + certificate.size);
  }
  for (const ProgramSection& s : h.sections)
    if (s.rawSize > 0) end = std::max<std::uint64_t>(end, std::uint64_t{s.rawAt} + s.rawSize);
  if (h.symbolTableAt != 0) {
    // The string table follows the symbols; its first four bytes give its length.
    const std::uint64_t strings = h.symbolTableAt + kSymbolBytes * h.symbolCount;
    auto stringsSize = LittleEndianBytes(bytes).u32(strings);
    end = std::max<std::uint64_t>(end, strings + (stringsSize ? *stringsSize : 4));
  }
  return end;
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
  std::optional<ProgramHeaders> h = readProgramHeaders(bytes);
  return h ? promisedSize(bytes, *h) : 0;
}

ProgramImageCheck checkProgramImage(std::string_view bytes, std::uint16_t machine) {
  std::optional<ProgramHeaders> h = readProgramHeaders(bytes);
  if (!h) return bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z' ? ProgramImageCheck::Truncated
                                                                         : ProgramImageCheck::NotAProgram;
  // Headers that leave out their own section table, or name no section with
  // data, describe nothing Windows would start.
  const bool anySection = std::any_of(h->sections.begin(), h->sections.end(),
                                      [](const ProgramSection& s) { return s.rawSize > 0; });
  if (h->headersSize < h->sectionTableEnd || !anySection) return ProgramImageCheck::NotAProgram;
  if (h->machine != machine || h->optionalMagic != optionalMagicFor(machine)) return ProgramImageCheck::OtherMachine;
  if (!(h->characteristics & kExecutableImage) || (h->characteristics & kDynamicLibrary) ||
      h->subsystem != kSubsystemWindowsGui)
    return ProgramImageCheck::NotAnApplication;
  // Bytes after the last part the headers name are no reason to refuse: the
  // release's signature vouches for every byte of the file.
  if (bytes.size() < promisedSize(bytes, *h)) return ProgramImageCheck::Truncated;
  return ProgramImageCheck::Complete;
}

}  // namespace findaro
