#include "findaro/system/processes_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "common/handles_win32.h"
#include "common/wide_win32.h"

namespace findaro {

using common::toWide;

ProcessOutcome Win32Processes::runHidden(const std::string& commandLine) {
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

bool Win32Processes::startProgram(const std::string& path, const std::string& arguments) {
  std::wstring line = L"\"" + toWide(path) + L"\"";
  if (!arguments.empty()) line += L" " + toWide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void Win32Processes::openWithShell(const std::string& target) {
  ShellExecuteW(nullptr, L"Open", toWide(target).c_str(), L"", L"", SW_SHOWNORMAL);
}

std::optional<std::string> Win32Processes::associatedAppName(const std::string& extension) {
  wchar_t name[260] = L"";
  DWORD size = 260;
  HRESULT result = AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_FRIENDLYAPPNAME,
                                     toWide(extension).c_str(), L"", name, &size);
  if (result != S_OK) return std::nullopt;
  return common::fromWide(name);
}

std::optional<std::string> Win32Processes::findOnPath(const std::string& program) {
  wchar_t found[MAX_PATH] = L"";
  DWORD length = SearchPathW(nullptr, toWide(program).c_str(), nullptr, MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return common::fromWide(found);
}

}  // namespace findaro
