#pragma once
// What a Windows program file carries in its resources, read from its bytes as
// they lie on disk: the data of a named resource (the key the finder trusts for
// its updates) and the file version of its version resource.
#include <cstdint>
#include <optional>
#include <string_view>

namespace findaro {

constexpr std::uint16_t kRawDataResource = 10;  // RCDATA
constexpr std::uint16_t kVersionResource = 16;

// The four numbers of a file version, as the version resource holds them:
// major and minor in `high`, build and revision in `low`.
struct FileVersion {
  std::uint32_t high = 0;
  std::uint32_t low = 0;
  bool operator==(const FileVersion& o) const { return high == o.high && low == o.low; }
  bool operator<(const FileVersion& o) const { return high != o.high ? high < o.high : low < o.low; }
};

// The data of the resource of the type with the name (its first language); the
// name is matched as Windows does, without regard to case.
std::optional<std::string_view> programResource(std::string_view bytes, std::uint16_t type, std::string_view name);
// The file version of the program's version resource.
std::optional<FileVersion> programFileVersion(std::string_view bytes);

}  // namespace findaro
