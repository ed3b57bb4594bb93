#include "tools/es/folder_source_win32.h"

#include <windows.h>

#include "common/wide_win32.h"

namespace standin {

namespace {

// With the \\?\ prefix a path may be as long as the file system allows
// rather than MAX_PATH.
std::wstring extendedLengthPath(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

uint64_t joinHalves(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

}  // namespace

bool Win32FolderSource::list(const std::string& folder, const std::function<void(const ListedEntry&)>& each) {
  std::wstring pattern = extendedLengthPath(common::toWide(folder));
  if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH));
  if (find.get() == INVALID_HANDLE_VALUE) return false;
  ListedEntry entry;
  do {
    entry.name = common::fromWide(data.cFileName);
    entry.attributes = data.dwFileAttributes;
    entry.size = joinHalves(data.nFileSizeHigh, data.nFileSizeLow);
    entry.modified = joinHalves(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    each(entry);
  } while (FindNextFileW(find.get(), &data));
  return true;
}

std::vector<std::string> absoluteRoots(const std::vector<std::string>& roots) {
  std::vector<std::string> absolute;
  for (const std::string& root : roots) {
    std::wstring wide = common::toWide(root);
    DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) continue;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
    if (length == 0 || length >= full.size()) continue;
    full.resize(length);
    absolute.push_back(common::fromWide(full));
  }
  return absolute;
}

CivilTime localTimeOf(uint64_t fileTime) {
  FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  FILETIME local;
  SYSTEMTIME broken;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &broken)) return CivilTime{};
  return {broken.wYear, broken.wMonth, broken.wDay, broken.wHour, broken.wMinute};
}

}  // namespace standin
