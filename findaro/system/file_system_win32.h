#pragma once
// Files on the Windows file system.
#include "findaro/system/files.h"

namespace findaro {

class Win32Files : public Files {
 public:
  std::string programFolder() override;
  std::string settingsPath() override;
  bool fileExists(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path) override;
  std::optional<common::PageBuffer> readLargeFile(const std::string& path) override;
  bool replaceFile(const std::string& path, const std::string& bytes) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
  bool deleteFile(const std::string& path) override;
  bool moveFile(const std::string& from, const std::string& to) override;
};

}  // namespace findaro
