#pragma once
// What one run of the client is asked to do, read from its command-line words.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

// Windows file attribute bits, by value, so that the portable code can speak of them.
constexpr uint32_t kAttributeReadOnly = 0x1;
constexpr uint32_t kAttributeHidden = 0x2;
constexpr uint32_t kAttributeSystem = 0x4;
constexpr uint32_t kAttributeDirectory = 0x10;
constexpr uint32_t kAttributeArchive = 0x20;
constexpr uint32_t kAttributeReparsePoint = 0x400;

enum class SortKey { Name, DateModified };

struct SortOrder {
  SortKey key = SortKey::Name;
  bool descending = false;
};

struct Query {
  // Everything that is not an option, in command-line order.
  std::vector<std::string> words;
  bool sizeColumn = false;
  bool dateModifiedColumn = false;
  // An entry matches only with every required bit set and no forbidden bit set.
  uint32_t requiredAttributes = 0;
  uint32_t forbiddenAttributes = 0;
  SortOrder sort;
  std::optional<size_t> limit;
  // Relative names are taken from the current folder; without one the lines
  // go to standard output.
  std::optional<std::string> exportFile;
  // The engine's instance asked for; there is only one folder tree to search.
  std::optional<std::string> instance;
};

// `args` are the words after the program name, already split by the Windows
// rules. Options start with '-' or '/' and are read without regard to case; a
// word that looks like an option but is none is kept as a search word, and an
// option missing its value is dropped, so no command line is refused.
Query parseCommandLine(const std::vector<std::string>& args);

}  // namespace standin
