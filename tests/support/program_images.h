#pragma once
// Small Windows program files made byte by byte: headers, two sections, and
// optionally resources, a symbol table and a signature, laid out as a linker
// does. Also the DER forms in which openssl writes keys and signatures.
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct ProgramResource {
  std::uint16_t type;
  std::string name;  // empty: the resource has the number 1 for a name
  std::string data;
};

struct ProgramImageLayout {
  std::uint16_t machine;
  std::uint16_t optionalMagic = 0;  // 0: the one that goes with the machine
  std::uint16_t characteristics = 0x0022;  // an executable image
  std::uint16_t subsystem = 2;             // a windowed program
  std::uint32_t symbols = 0;
  std::uint32_t stringTable = 0;  // bytes of the string table, its length field included
  std::uint32_t certificate = 0;  // bytes of a signature at the end
  std::vector<ProgramResource> resources = {};  // in a third section, .rsrc
};

inline void put(std::string& bytes, size_t at, std::uint32_t value, int width) {
  if (bytes.size() < at + width) bytes.resize(at + width, '\0');
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A resource section at the address: the directory of types, then of names
// (named ones first, as linkers write them), then of languages, each resource in
// English, then the data entries, the names and the data.
inline std::string resourceSection(const std::vector<ProgramResource>& resources, std::uint32_t address) {
  constexpr std::uint32_t kSubdirectory = 0x80000000u;
  std::vector<std::uint16_t> types;
  for (const ProgramResource& r : resources) {
    bool known = false;
    for (std::uint16_t t : types) known = known || t == r.type;
    if (!known) types.push_back(r.type);
  }
  auto ofType = [&](std::uint16_t type) {
    std::vector<size_t> named, numbered;
    for (size_t i = 0; i < resources.size(); ++i)
      if (resources[i].type == type) (resources[i].name.empty() ? numbered : named).push_back(i);
    return std::make_pair(named, numbered);
  };

  size_t at = 16 + 8 * types.size();
  std::vector<size_t> typeDirectory;
  for (std::uint16_t type : types) {
    typeDirectory.push_back(at);
    auto [named, numbered] = ofType(type);
    at += 16 + 8 * (named.size() + numbered.size());
  }
  std::vector<size_t> languageDirectory, dataEntry, nameAt, dataAt;
  for (size_t i = 0; i < resources.size(); ++i, at += 24) languageDirectory.push_back(at);
  for (size_t i = 0; i < resources.size(); ++i, at += 16) dataEntry.push_back(at);
  for (const ProgramResource& r : resources) {
    nameAt.push_back(at);
    if (!r.name.empty()) at += 2 + 2 * r.name.size();
  }
  for (const ProgramResource& r : resources) {
    at = (at + 3) & ~size_t{3};
    dataAt.push_back(at);
    at += r.data.size();
  }

  std::string s(at, '\0');
  put(s, 14, static_cast<std::uint32_t>(types.size()), 2);
  for (size_t t = 0; t < types.size(); ++t) {
    put(s, 16 + 8 * t, types[t], 4);
    put(s, 16 + 8 * t + 4, static_cast<std::uint32_t>(typeDirectory[t]) | kSubdirectory, 4);
    auto [named, numbered] = ofType(types[t]);
    put(s, typeDirectory[t] + 12, static_cast<std::uint32_t>(named.size()), 2);
    put(s, typeDirectory[t] + 14, static_cast<std::uint32_t>(numbered.size()), 2);
    size_t entry = typeDirectory[t] + 16;
    for (const std::vector<size_t>* group : {&named, &numbered}) {
      for (size_t i : *group) {
        const bool hasName = !resources[i].name.empty();
        put(s, entry, hasName ? static_cast<std::uint32_t>(nameAt[i]) | kSubdirectory : 1, 4);
        put(s, entry + 4, static_cast<std::uint32_t>(languageDirectory[i]) | kSubdirectory, 4);
        entry += 8;
      }
    }
  }
  for (size_t i = 0; i < resources.size(); ++i) {
    const ProgramResource& r = resources[i];
    put(s, languageDirectory[i] + 14, 1, 2);
    put(s, languageDirectory[i] + 16, 0x409, 4);
    put(s, languageDirectory[i] + 20, static_cast<std::uint32_t>(dataEntry[i]), 4);
    put(s, dataEntry[i], address + static_cast<std::uint32_t>(dataAt[i]), 4);
    put(s, dataEntry[i] + 4, static_cast<std::uint32_t>(r.data.size()), 4);
    if (!r.name.empty()) {
      put(s, nameAt[i], static_cast<std::uint32_t>(r.name.size()), 2);
      for (size_t c = 0; c < r.name.size(); ++c)
        put(s, nameAt[i] + 2 + 2 * c, static_cast<unsigned char>(r.name[c]), 2);
    }
    s.replace(dataAt[i], r.data.size(), r.data);
  }
  return s;
}

// A version resource as the resource compiler writes its start: the header, the
// key "VS_VERSION_INFO" and the fixed part with the file version.
inline std::string versionResource(std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                                   std::uint16_t revision) {
  std::string info(40 + 52, '\0');
  put(info, 0, static_cast<std::uint32_t>(info.size()), 2);
  put(info, 2, 52, 2);
  const std::string key = "VS_VERSION_INFO";
  for (size_t i = 0; i < key.size(); ++i) put(info, 6 + 2 * i, static_cast<unsigned char>(key[i]), 2);
  put(info, 40, 0xFEEF04BD, 4);
  put(info, 44, 0x00010000, 4);
  put(info, 48, (std::uint32_t{major} << 16) | minor, 4);
  put(info, 52, (std::uint32_t{build} << 16) | revision, 4);
  put(info, 56, (std::uint32_t{major} << 16) | minor, 4);  // the product version
  put(info, 60, (std::uint32_t{build} << 16) | revision, 4);
  return info;
}

inline std::string programImage(const ProgramImageLayout& layout) {
  const bool wide = layout.machine != 0x014C;
  const std::uint16_t magic = layout.optionalMagic ? layout.optionalMagic : (wide ? 0x20B : 0x10B);
  const std::uint16_t optionalSize = magic == 0x20B ? 240 : 224;
  const size_t pe = 0x40;
  const size_t coff = pe + 4;
  const size_t optional = coff + 20;
  const size_t sections = optional + optionalSize;
  const bool withResources = !layout.resources.empty();

  std::string bytes(0x500, '\x90');  // sections' contents
  for (size_t i = 0; i < 0x200; ++i) bytes[i] = '\0';
  bytes[0] = 'M';
  bytes[1] = 'Z';
  put(bytes, 0x3C, pe, 4);
  put(bytes, pe, 0x00004550, 4);
  put(bytes, coff, layout.machine, 2);
  put(bytes, coff + 2, withResources ? 3 : 2, 2);
  put(bytes, coff + 16, optionalSize, 2);
  put(bytes, coff + 18, layout.characteristics, 2);
  put(bytes, optional, magic, 2);
  put(bytes, optional + 60, 0x200, 4);  // size of the headers
  put(bytes, optional + 68, layout.subsystem, 2);
  const size_t directories = optional + (magic == 0x20B ? 112 : 96);
  put(bytes, directories - 4, 16, 4);
  // .text at 0x200 (0x200 bytes) for 0x1000, .data at 0x400 (0x100 bytes) for 0x2000
  put(bytes, sections + 8, 0x1F0, 4);
  put(bytes, sections + 12, 0x1000, 4);
  put(bytes, sections + 16, 0x200, 4);
  put(bytes, sections + 20, 0x200, 4);
  put(bytes, sections + 40 + 8, 0x80, 4);
  put(bytes, sections + 40 + 12, 0x2000, 4);
  put(bytes, sections + 40 + 16, 0x100, 4);
  put(bytes, sections + 40 + 20, 0x400, 4);

  if (withResources) {
    // .rsrc at 0x500 for 0x3000, its size on disk rounded up to 0x200
    const std::uint32_t address = 0x3000;
    std::string rsrc = resourceSection(layout.resources, address);
    const std::uint32_t rawSize = (static_cast<std::uint32_t>(rsrc.size()) + 0x1FF) & ~0x1FFu;
    put(bytes, sections + 80 + 8, static_cast<std::uint32_t>(rsrc.size()), 4);
    put(bytes, sections + 80 + 12, address, 4);
    put(bytes, sections + 80 + 16, rawSize, 4);
    put(bytes, sections + 80 + 20, 0x500, 4);
    put(bytes, directories + 8 * 2, address, 4);
    put(bytes, directories + 8 * 2 + 4, static_cast<std::uint32_t>(rsrc.size()), 4);
    rsrc.resize(rawSize, '\0');
    bytes += rsrc;
  }
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

// DER as openssl writes it: a P-256 public key (X then Y) as its
// SubjectPublicKeyInfo, and a signature (r then s) as an Ecdsa-Sig-Value, each
// number in its shortest positive form.
inline std::string derPublicKey(const std::string& xy) {
  return std::string("\x30\x59\x30\x13\x06\x07\x2A\x86\x48\xCE\x3D\x02\x01\x06\x08\x2A\x86\x48\xCE\x3D\x03\x01\x07"
                     "\x03\x42\x00\x04",
                     27) +
         xy;
}

inline std::string derInteger(std::string number) {
  while (number.size() > 1 && number[0] == '\0' && !(static_cast<unsigned char>(number[1]) & 0x80))
    number.erase(0, 1);
  if (static_cast<unsigned char>(number[0]) & 0x80) number.insert(0, 1, '\0');
  return std::string{'\x02', static_cast<char>(number.size())} + number;
}

inline std::string derSignature(const std::string& rs) {
  std::string numbers = derInteger(rs.substr(0, 32)) + derInteger(rs.substr(32, 32));
  return std::string{'\x30', static_cast<char>(numbers.size())} + numbers;
}

}  // namespace testing_support
