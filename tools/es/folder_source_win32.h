#pragma once
// The walk's view of the real file system.
#include "tools/es/csv_output.h"
#include "tools/es/folder_walk.h"

namespace standin {

class Win32FolderSource : public FolderSource {
 public:
  bool list(const std::string& folder, const std::function<void(const ListedEntry&)>& each) override;
};

// GetFullPathNameW of each root, so that relative roots and forward slashes
// become the absolute paths that the results show.
std::vector<std::string> absoluteRoots(const std::vector<std::string>& roots);

CivilTime localTimeOf(uint64_t fileTime);

}  // namespace standin
