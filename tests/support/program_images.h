#pragma once
// Small Windows program files made byte by byte: headers, two sections, and
// optionally a symbol table and a signature, laid out as a linker does.
#include <cstdint>
#include <string>

namespace testing_support {

struct ProgramImageLayout {
  std::uint16_t machine;
  std::uint16_t optionalMagic = 0;  // 0: the one that goes with the machine
  std::uint16_t characteristics = 0x0022;  // an executable image
  std::uint16_t subsystem = 2;             // a windowed program
  std::uint32_t symbols = 0;
  std::uint32_t stringTable = 0;  // bytes of the string table, its length field included
  std::uint32_t certificate = 0;  // bytes of a signature at the end
};

inline void put(std::string& bytes, size_t at, std::uint32_t value, int width) {
  if (bytes.size() < at + width) bytes.resize(at + width, '\0');
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline std::string programImage(const ProgramImageLayout& layout) {
  const bool wide = layout.machine != 0x014C;
  const std::uint16_t magic = layout.optionalMagic ? layout.optionalMagic : (wide ? 0x20B : 0x10B);
  const std::uint16_t optionalSize = magic == 0x20B ? 240 : 224;
  const size_t pe = 0x40;
  const size_t coff = pe + 4;
  const size_t optional = coff + 20;
  const size_t sections = optional + optionalSize;

  std::string bytes(0x500, '\x90');  // sections' contents
  for (size_t i = 0; i < 0x200; ++i) bytes[i] = '\0';
  bytes[0] = 'M';
  bytes[1] = 'Z';
  put(bytes, 0x3C, pe, 4);
  put(bytes, pe, 0x00004550, 4);
  put(bytes, coff, layout.machine, 2);
  put(bytes, coff + 2, 2, 2);
  put(bytes, coff + 16, optionalSize, 2);
  put(bytes, coff + 18, layout.characteristics, 2);
  put(bytes, optional, magic, 2);
  put(bytes, optional + 60, 0x200, 4);  // size of the headers
  put(bytes, optional + 68, layout.subsystem, 2);
  const size_t directories = optional + (magic == 0x20B ? 112 : 96);
  put(bytes, directories - 4, 16, 4);
  // .text at 0x200 (0x200 bytes), .data at 0x400 (0x100 bytes)
  put(bytes, sections + 16, 0x200, 4);
  put(bytes, sections + 20, 0x200, 4);
  put(bytes, sections + 40 + 16, 0x100, 4);
  put(bytes, sections + 40 + 20, 0x400, 4);

  if (layout.symbols || layout.stringTable) {
    put(bytes, coff + 8, static_cast<std::uint32_t>(bytes.size()), 4);
    put(bytes, coff + 12, layout.symbols, 4);
    size_t strings = bytes.size() + 18u * layout.symbols;
    bytes.resize(strings, 's');
    put(bytes, strings, layout.stringTable, 4);
    bytes.resize(strings + layout.stringTable, 'n');
  }
  if (layout.certificate) {
    put(bytes, directories + 8 * 4, static_cast<std::uint32_t>(bytes.size()), 4);
    put(bytes, directories + 8 * 4 + 4, layout.certificate, 4);
    bytes.resize(bytes.size() + layout.certificate, 'c');
  }
  return bytes;
}

}  // namespace testing_support
