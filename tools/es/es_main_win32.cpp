// The stand-in for the search engine's command-line client: the finder runs it
// and reads back the CSV file it writes.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "common/files_win32.h"
#include "common/number_format.h"
#include "common/handles_win32.h"
#include "common/wide_win32.h"
#include "tools/es/folder_source_win32.h"
#include "tools/es/standin_search.h"

namespace {

// The engine client's exit codes for the two ways this one can fail (it uses
// the second for its export file; standard output shares it here).
constexpr int kExitOutOfMemory = 3;
constexpr int kExitCannotWrite = 5;

// Parsed the way every Windows program's arguments are, rather than by the C
// runtime, whose rules have differed between releases.
std::vector<std::string> commandLineWords() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  if (!words) return result;
  for (int i = 1; i < count; ++i) result.push_back(common::fromWide(words[i]));
  LocalFree(words);
  return result;
}

// A console shows UTF-16 rightly whatever its code page; a pipe or file gets
// the UTF-8 bytes unchanged.
bool writeToStandard(DWORD which, const std::string& bytes) {
  HANDLE out = GetStdHandle(which);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return false;
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    // Older consoles refuse one large write, so it goes in pieces that never
    // part a surrogate pair.
    std::wstring wide = common::toWide(bytes);
    for (size_t done = 0; done < wide.size();) {
      size_t chunk = std::min<size_t>(wide.size() - done, 8192);
      if (done + chunk < wide.size() && IS_HIGH_SURROGATE(wide[done + chunk - 1])) --chunk;
      DWORD written = 0;
      if (!WriteConsoleW(out, wide.data() + done, static_cast<DWORD>(chunk), &written, nullptr) || written == 0)
        return false;
      done += written;
    }
    return true;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    if (!WriteFile(out, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// For tests: when ES_STANDIN_RECORD names a file, the command line this run was
// started with is appended to it as one UTF-8 line, exactly as it arrived, so
// that a test can see what the finder handed on.
void recordCommandLine() {
  std::wstring path = common::environmentVariable(L"ES_STANDIN_RECORD");
  if (path.empty()) return;
  common::UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return;
  }
  std::string line = common::fromWide(GetCommandLineW()) + "\n";
  DWORD written = 0;
  WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// For tests, the ways of a real client that is slow or broken: ES_STANDIN_DELAY_MS
// waits that many milliseconds before the search (as the client does while the
// engine loads its database), and ES_STANDIN_WRITE_NOTHING=1 ends with 0 having
// written nothing.
void behaveAsTestsAsk() {
  int delay = common::readNumber(common::fromWide(common::environmentVariable(L"ES_STANDIN_DELAY_MS")));
  if (delay > 0) Sleep(static_cast<DWORD>(delay));
}

bool writesNothing() { return common::environmentVariable(L"ES_STANDIN_WRITE_NOTHING") == L"1"; }

// For timing a large search: when ES_STANDIN_RESULTS names a file, the export is
// a copy of it, whatever the search (a million results need no million files).
bool copyCannedResults(const std::optional<std::string>& exportFile) {
  std::wstring canned = common::environmentVariable(L"ES_STANDIN_RESULTS");
  if (canned.empty() || !exportFile) return false;
  return CopyFileW(canned.c_str(), common::toWide(*exportFile).c_str(), FALSE) != 0;
}

int run() {
  recordCommandLine();
  behaveAsTestsAsk();
  if (writesNothing()) return 0;
#ifndef _WIN64
  // The engine indexes the disk as it is; a 32-bit process on 64-bit Windows
  // would otherwise be shown SysWOW64 in place of System32. On 32-bit Windows
  // the call fails and changes nothing.
  PVOID redirection = nullptr;
  Wow64DisableWow64FsRedirection(&redirection);
#endif
  standin::Query query = standin::parseCommandLine(commandLineWords());
  if (copyCannedResults(query.exportFile)) return 0;
  std::string rootsSetting = common::fromWide(common::environmentVariable(L"ES_STANDIN_ROOTS"));
  std::vector<std::string> roots =
      standin::normalizeRoots(standin::absoluteRoots(standin::rootsFromSetting(rootsSetting)));
  standin::Win32FolderSource source;
  std::string csv = standin::searchToCsv(query, roots, source, standin::localTimeOf);
  if (!query.exportFile) {
    if (writeToStandard(STD_OUTPUT_HANDLE, csv)) return 0;
    writeToStandard(STD_ERROR_HANDLE, "Error: cannot write to standard output\r\n");
    return kExitCannotWrite;
  }
  if (!common::writeWholeFile(common::toWide(*query.exportFile), csv)) {
    writeToStandard(STD_ERROR_HANDLE, "Error: cannot write the export file " + *query.exportFile + "\r\n");
    return kExitCannotWrite;
  }
  return 0;
}

}  // namespace

int wmain(int, wchar_t**) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    writeToStandard(STD_ERROR_HANDLE, "Error: out of memory\r\n");
    return kExitOutOfMemory;
  } catch (const std::exception& e) {
    writeToStandard(STD_ERROR_HANDLE, std::string("Error: ") + e.what() + "\r\n");
    return kExitOutOfMemory;
  }
}
