#include "findaro/core/desktop_win32.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "common/files_win32.h"
#include "common/handles_win32.h"
#include "common/wide_win32.h"

namespace findaro {

using common::toWide;

std::string Win32Desktop::settingsPath() {
  return common::fromWide(common::programFolder() + common::programBaseName() + L".ini");
}

bool Win32Desktop::fileExists(const std::string& path) { return common::fileExists(toWide(path)); }

std::optional<std::string> Win32Desktop::readFile(const std::string& path) {
  return common::readWholeFile(toWide(path));
}

std::optional<common::PageBuffer> Win32Desktop::readLargeFile(const std::string& path) {
  common::UniqueHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
  common::PageBuffer buffer(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < buffer.capacity()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(buffer.capacity() - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer.data() + done, chunk, &read, nullptr) || read == 0) break;
    done += read;
  }
  buffer.setSize(done);
  return buffer;
}

bool Win32Desktop::replaceFile(const std::string& path, const std::string& bytes) {
  return common::replaceFileContents(toWide(path), bytes);
}

bool Win32Desktop::writeFile(const std::string& path, const std::string& bytes) {
  return common::writeWholeFile(toWide(path), bytes);
}

bool Win32Desktop::deleteFile(const std::string& path) { return common::deleteFileIfPresent(toWide(path)); }

std::string Win32Desktop::ansiToUtf8(const std::string& bytes) { return common::ansiToUtf8(bytes); }

std::string Win32Desktop::lowerCase(const std::string& text) {
  std::wstring wide = toWide(text);
  if (!wide.empty()) CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return common::fromWide(wide);
}

namespace {

// One locale text of the user's; empty when the system has none.
std::string userLocaleText(LCTYPE type) {
  wchar_t buffer[128] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer))) <= 0) return {};
  return common::fromWide(buffer);
}

}  // namespace

DateFormat Win32Desktop::dateFormat() {
  DateFormat format;
  if (std::string date = userLocaleText(LOCALE_SSHORTDATE); !date.empty()) format.shortDate = date;
  if (std::string time = userLocaleText(LOCALE_STIMEFORMAT); !time.empty()) format.time = time;
  // A 24-hour locale may have no AM/PM words at all.
  format.am = userLocaleText(LOCALE_S1159);
  format.pm = userLocaleText(LOCALE_S2359);
  DWORD yearMax = 0;
  if (GetCalendarInfoEx(LOCALE_NAME_USER_DEFAULT, CAL_GREGORIAN, nullptr, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER,
                        nullptr, 0, &yearMax) > 0 &&
      yearMax >= 100 && yearMax <= 9999)
    format.twoDigitYearMax = static_cast<int>(yearMax);
  return format;
}

void Win32Desktop::beep(int hertz, int milliseconds) {
  log_.beep(hertz, milliseconds);
  Beep(static_cast<DWORD>(hertz), static_cast<DWORD>(milliseconds));
}

void Win32Desktop::sendKey(int virtualKey, int scanCode, int flags) {
  keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), static_cast<DWORD>(flags), 0);
}

void Win32Desktop::setClipboardText(const std::string& text) {
  if (!OpenClipboard(owner_)) return;
  EmptyClipboard();
  std::wstring wide = toWide(text);
  size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    void* target = GlobalLock(memory);
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

ProcessOutcome Win32Desktop::runHidden(const std::string& commandLine) {
  std::wstring line = toWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  ProcessOutcome outcome;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                      &startup, &process))
    return outcome;
  common::UniqueHandle processHandle(process.hProcess);
  common::UniqueHandle threadHandle(process.hThread);
  outcome.started = true;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  outcome.exitCode = code;
  return outcome;
}

bool Win32Desktop::startProgram(const std::string& path, const std::string& arguments) {
  std::wstring line = L"\"" + toWide(path) + L"\"";
  if (!arguments.empty()) line += L" " + toWide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

long long Win32Desktop::counter() {
  LARGE_INTEGER value{};
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

long long Win32Desktop::counterFrequency() {
  LARGE_INTEGER value{};
  QueryPerformanceFrequency(&value);
  return value.QuadPart;
}

}  // namespace findaro
