#pragma once
// Downloads over the internet.
#include <string>

namespace findaro {

class Downloader {
 public:
  virtual ~Downloader() = default;

  // Forgets any cached copy of the address, then downloads it to the file;
  // true when the transfer reported success.
  virtual bool download(const std::string& address, const std::string& path) = 0;
};

}  // namespace findaro
