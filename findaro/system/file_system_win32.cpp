#include "findaro/system/file_system_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <new>

#include "common/files_win32.h"
#include "common/handles_win32.h"
#include "common/wide_win32.h"

namespace findaro {

using common::toWide;


std::string Win32Files::programFolder() { return common::fromWide(common::programFolder()); }

std::string Win32Files::settingsPath() {
  return common::fromWide(common::programFolder() + common::programBaseName() + L".ini");
}

bool Win32Files::fileExists(const std::string& path) { return common::fileExists(toWide(path)); }

std::optional<std::string> Win32Files::readFile(const std::string& path) {
  return common::readWholeFile(toWide(path));
}

std::optional<common::PageBuffer> Win32Files::readLargeFile(const std::string& path) {
  common::UniqueHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
  // A file larger than this build's address space can hold is as much too big as
  // one its memory cannot take.
  if (static_cast<unsigned long long>(size.QuadPart) > static_cast<unsigned long long>(SIZE_MAX / 2))
    throw std::bad_alloc();
  common::PageBuffer buffer(static_cast<size_t>(size.QuadPart));
  // A large file is read in two halves on both cores, each through a handle of
  // its own (reads through one handle take turns); a half that cannot have its
  // own handle is read through the first.
  HANDLE second = CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  common::UniqueHandle other(second != INVALID_HANDLE_VALUE ? second : nullptr);
  HANDLE handles[2] = {file.get(), other ? other.get() : file.get()};
  common::fillInHalves(buffer, [&handles](int part, size_t offset, char* data, size_t length) -> size_t {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<unsigned long long>(offset));
    at.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(offset) >> 32);
    DWORD read = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(length, 1u << 30));
    if (!ReadFile(handles[part], data, chunk, &read, &at)) return 0;
    return read;
  });
  return buffer;
}

bool Win32Files::replaceFile(const std::string& path, const std::string& bytes) {
  return common::replaceFileContents(toWide(path), bytes);
}

bool Win32Files::writeFile(const std::string& path, const std::string& bytes) {
  return common::writeWholeFile(toWide(path), bytes);
}

bool Win32Files::deleteFile(const std::string& path) { return common::deleteFileIfPresent(toWide(path)); }

bool Win32Files::moveFile(const std::string& from, const std::string& to) {
  return MoveFileW(toWide(from).c_str(), toWide(to).c_str()) != 0;
}

}  // namespace findaro
