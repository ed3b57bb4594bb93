#pragma once
// Files, as the finder uses them. Paths are UTF-8; plain file names are relative
// to the program's folder, which is the working directory.
#include <optional>
#include <string>

#include "common/page_memory.h"

namespace findaro {

class Files {
 public:
  virtual ~Files() = default;

  // The program's own folder, with its trailing backslash.
  virtual std::string programFolder() = 0;
  // The settings file: the program's folder + its base name + ".ini".
  virtual std::string settingsPath() = 0;

  virtual bool fileExists(const std::string& path) = 0;
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  // The same for a file that may be very large (the results of a search); throws
  // std::bad_alloc when it is more than memory can hold.
  virtual std::optional<common::PageBuffer> readLargeFile(const std::string& path) = 0;
  // Replaces the file in one step: a failed write leaves the old file whole.
  virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
  // Renames a file; fails when the target exists.
  virtual bool moveFile(const std::string& from, const std::string& to) = 0;
};

}  // namespace findaro
