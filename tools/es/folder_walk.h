#pragma once
// One pass over the folders to search, matching each entry as it is listed.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/es/result_order.h"
#include "tools/es/word_match.h"

namespace standin {

struct ListedEntry {
  std::string name;
  uint32_t attributes = 0;
  uint64_t size = 0;
  uint64_t modified = 0;
};

// The file system as the walk needs it: the entries of one folder.
class FolderSource {
 public:
  virtual ~FolderSource() = default;
  // Calls `each` for every entry of the folder; false when the folder cannot be
  // opened (entries already given still count).
  virtual bool list(const std::string& folder, const std::function<void(const ListedEntry&)>& each) = 0;
};

// The value of ES_STANDIN_ROOTS split at ';', blanks and enclosing quotes
// removed; C:\ when it names nothing.
std::vector<std::string> rootsFromSetting(std::string_view value);

// Absolute roots in the form the walk joins names to: backslashes only, no
// trailing backslash but on a drive ("C:\"), and none inside another root, so
// that no entry is listed twice.
std::vector<std::string> normalizeRoots(const std::vector<std::string>& roots);

// Lists every entry below the roots (not the roots themselves) into `results`
// when the matcher takes it. Folders that are reparse points (junctions,
// symbolic links) are listed but not entered, so the walk cannot loop; nor is
// a folder entered whose whole content the words exclude.
void walkFolders(FolderSource& source, const std::vector<std::string>& roots, const Matcher& matcher,
                 ResultSet& results);

}  // namespace standin
