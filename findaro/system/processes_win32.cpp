#include "findaro/system/processes_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "common/handles_win32.h"
#include "common/text.h"
#include "common/wide_win32.h"

namespace findaro {

using common::toWide;

namespace {

// The exit code of a program the finder ended, so that it is never taken for
// one of the client's own.
constexpr UINT kEndedByFinder = 0xE0D;

// The program runs inside a job that ends it and everything it started when the
// job is ended or its last handle closes, even when the finder itself dies.
class Win32RunningProgram : public RunningProgram {
 public:
  Win32RunningProgram(common::UniqueHandle job, common::UniqueHandle process)
      : job_(std::move(job)), process_(std::move(process)) {}
  ~Win32RunningProgram() override {
    if (!job_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.get(), kEndedByFinder);
  }

  std::optional<unsigned long> exitCode() override {
    if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
  }

  void end() override {
    if (job_) TerminateJobObject(job_.get(), kEndedByFinder);
    else TerminateProcess(process_.get(), kEndedByFinder);
    // Ending is asynchronous: once the process is gone it writes no more.
    WaitForSingleObject(process_.get(), 5000);
  }

 private:
  common::UniqueHandle job_;
  common::UniqueHandle process_;
};

common::UniqueHandle jobThatEndsAll() {
  common::UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) return job;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits))) job.reset();
  return job;
}

struct ClassSearch {
  std::string prefix;  // lower case
  std::vector<std::string> found;

  void look(HWND window) {
    wchar_t name[257] = L"";
    if (GetClassNameW(window, name, 257) <= 0) return;
    std::string text = common::fromWide(name);
    if (common::startsWith(common::asciiLower(text), prefix)) found.push_back(text);
  }
};

BOOL CALLBACK lookAtWindow(HWND window, LPARAM search) {
  reinterpret_cast<ClassSearch*>(search)->look(window);
  return TRUE;
}

}  // namespace

std::unique_ptr<RunningProgram> Win32Processes::startHidden(const std::string& program,
                                                            const std::string& commandLine,
                                                            const std::string& folder) {
  common::UniqueHandle job = jobThatEndsAll();
  std::wstring line = toWide(commandLine);
  std::wstring directory = toWide(folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  // Suspended until it is in the job, so that nothing it starts escapes it.
  DWORD flags = NORMAL_PRIORITY_CLASS | CREATE_NO_WINDOW | CREATE_SUSPENDED;
  if (!CreateProcessW(toWide(program).c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process))
    return nullptr;
  common::UniqueHandle processHandle(process.hProcess);
  common::UniqueHandle threadHandle(process.hThread);
  // Older systems refuse a job inside the finder's own job; the client then runs
  // alone and is ended alone.
  if (job && !AssignProcessToJobObject(job.get(), process.hProcess)) job.reset();
  ResumeThread(process.hThread);
  return std::make_unique<Win32RunningProgram>(std::move(job), std::move(processHandle));
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
  // Where the command interpreter would look: the program's own folder (its
  // working folder), then the PATH.
  std::wstring folders = common::programFolder() + L";" + common::environmentVariable(L"PATH");
  std::wstring found(32768, L'\0');
  DWORD length = SearchPathW(folders.c_str(), toWide(program).c_str(), nullptr, static_cast<DWORD>(found.size()),
                             found.data(), nullptr);
  if (length == 0 || length >= found.size()) return std::nullopt;
  found.resize(length);
  return common::fromWide(found);
}

std::vector<std::string> Win32Processes::windowClassesStartingWith(const std::string& prefix) {
  ClassSearch search{common::asciiLower(prefix), {}};
  EnumWindows(lookAtWindow, reinterpret_cast<LPARAM>(&search));
  // A program may keep its window only for messages, out of the list above.
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
    search.look(window);
  return search.found;
}

}  // namespace findaro
