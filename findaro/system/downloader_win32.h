#pragma once
// Downloads through the system's internet functions.
#include "findaro/system/downloader.h"

namespace findaro {

class Win32Downloader : public Downloader {
 public:
  bool download(const std::string& address, const std::string& path) override;
};

}  // namespace findaro
