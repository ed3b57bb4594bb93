#pragma once
// The headers of a Windows program file as they lie on disk: what kind of
// program it is, where its sections are, and its data directories.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace findaro {

// Little-endian numbers read from bytes that may end anywhere: a read past the
// end gives nothing rather than reading on.
class LittleEndianBytes {
 public:
  explicit LittleEndianBytes(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::uint32_t> read(std::uint64_t at, int width) const;
  std::optional<std::uint16_t> u16(std::uint64_t at) const;
  std::optional<std::uint32_t> u32(std::uint64_t at) const { return read(at, 4); }

 private:
  std::string_view bytes_;
};

struct ProgramSection {
  std::uint32_t virtualAddress = 0;
  std::uint32_t virtualSize = 0;
  std::uint32_t rawAt = 0;
  std::uint32_t rawSize = 0;
};

struct DataDirectory {
  std::uint32_t address = 0;  // an address in memory, but a file position for the signature's
  std::uint32_t size = 0;
};

struct ProgramHeaders {
  std::uint16_t machine = 0;
  std::uint16_t characteristics = 0;
  std::uint16_t optionalMagic = 0;
  std::uint16_t subsystem = 0;
  std::uint32_t headersSize = 0;      // what the optional header says the headers take
  std::uint64_t sectionTableEnd = 0;  // where the headers really end: after the section table
  std::uint32_t symbolTableAt = 0;
  std::uint32_t symbolCount = 0;
  std::vector<DataDirectory> directories;  // only those the optional header has room for
  std::vector<ProgramSection> sections;
};

constexpr int kResourceDirectory = 2;
constexpr int kCertificateDirectory = 4;

// Nothing when the DOS or PE header, or a section header, is missing or cut short.
std::optional<ProgramHeaders> readProgramHeaders(std::string_view bytes);
// The file position of an address in memory, when a section's data on disk holds it.
std::optional<std::uint64_t> fileOffsetOf(const ProgramHeaders& headers, std::uint32_t address);

}  // namespace findaro
