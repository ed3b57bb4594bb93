#include "findaro/system/downloader_win32.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include "common/wide_win32.h"

namespace findaro {

bool Win32Downloader::download(const std::string& address, const std::string& path) {
  std::wstring url = common::toWide(address);
  DeleteUrlCacheEntryW(url.c_str());
  return URLDownloadToFileW(nullptr, url.c_str(), common::toWide(path).c_str(), 0, nullptr) == S_OK;
}

}  // namespace findaro
