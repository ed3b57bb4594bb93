#include "e2e/driver_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cwctype>
#include <iterator>
#include <thread>

#include "common/text.h"

namespace e2e {
namespace {

std::wstring ownFolder() {
  wchar_t path[MAX_PATH * 4] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(full);
      else DeleteFileW(full.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::wstring environmentBlock(const std::map<std::wstring, std::wstring>& extra) {
  std::map<std::wstring, std::wstring> variables;
  wchar_t* block = GetEnvironmentStringsW();
  std::map<std::wstring, std::wstring> caseKeys;
  for (wchar_t* p = block; *p; p += wcslen(p) + 1) {
    std::wstring entry = p;
    size_t equals = entry.find(L'=', 1);
    if (equals == std::wstring::npos) continue;
    variables[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
  FreeEnvironmentStringsW(block);
  auto findKey = [&variables](const std::wstring& name) {
    for (auto& [key, value] : variables)
      if (_wcsicmp(key.c_str(), name.c_str()) == 0) return key;
    return name;
  };
  for (const auto& [name, value] : extra) {
    std::wstring key = findKey(name);
    if (_wcsicmp(name.c_str(), L"PATH") == 0 && variables.count(key)) variables[key] = value + L";" + variables[key];
    else variables[key] = value;
  }
  std::wstring out;
  for (const auto& [key, value] : variables) out += key + L"=" + value + L'\0';
  out += L'\0';
  return out;
}

void sendInputs(std::vector<INPUT>& inputs) {
  if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // Give the target's thread the chance to take the keys in before the next ones.
  std::this_thread::sleep_for(30ms);
}

INPUT keyInput(WORD virtualKey, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

}  // namespace

std::wstring programsFolder() { return ownFolder() + L"..\\bin\\"; }
std::wstring standinFolder() { return ownFolder() + L"..\\standin"; }

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::wstring(temp) + L"e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  removeTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

void ScratchFolder::addProgram(const std::wstring& name) const {
  CopyFileW((programsFolder() + name).c_str(), file(name).c_str(), FALSE);
}

Process& Process::operator=(Process&& o) noexcept {
  if (this != &o) {
    if (handle_) CloseHandle(handle_);
    handle_ = o.handle_;
    id_ = o.id_;
    o.handle_ = nullptr;
  }
  return *this;
}

Process::~Process() {
  if (handle_) {
    if (running()) TerminateProcess(handle_, 99);
    CloseHandle(handle_);
  }
}

bool Process::running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::waitForExit(std::chrono::milliseconds limit, DWORD* exitCode) {
  if (!handle_) return false;
  if (WaitForSingleObject(handle_, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
    TerminateProcess(handle_, 99);
    return false;
  }
  if (exitCode) GetExitCodeProcess(handle_, exitCode);
  return true;
}

Process launch(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
               const std::map<std::wstring, std::wstring>& environment) {
  std::wstring line = L"\"" + program + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  std::wstring block = environmentBlock(environment);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      block.data(), folder.c_str(), &startup, &info))
    return Process();
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(50ms);
  }
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

}  // namespace

namespace {

struct AnyWindowSearch {
  const std::function<bool(HWND, const std::wstring&)>* accept;
  HWND found = nullptr;
};

// A named CALLBACK, not a lambda: the 32-bit build calls it as stdcall.
BOOL CALLBACK acceptWindow(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<AnyWindowSearch*>(data);
  if (!IsWindowVisible(window) || !(*s->accept)(window, windowText(window))) return TRUE;
  s->found = window;
  return FALSE;
}

}  // namespace

HWND findAnyWindow(const std::function<bool(HWND window, const std::wstring& title)>& accept) {
  AnyWindowSearch search{&accept};
  EnumWindows(acceptWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool closeAndWaitGone(HWND window, std::chrono::milliseconds limit) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  return waitUntil([window] { return !IsWindow(window); }, limit);
}

std::vector<HWND> windowsOf(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int processesNamed(const std::wstring& fileName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    count += _wcsicmp(entry.szExeFile, fileName.c_str()) == 0;
  CloseHandle(snapshot);
  return count;
}

bool answersWithin(HWND window, std::chrono::milliseconds limit) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(limit.count()), &result) != 0;
}

HWND findWindow(DWORD processId, const std::wstring& titlePrefix) {
  for (HWND window : windowsOf(processId))
    if (windowText(window).rfind(titlePrefix, 0) == 0) return window;
  return nullptr;
}

HWND waitForWindow(DWORD processId, const std::wstring& titlePrefix, std::chrono::milliseconds limit) {
  HWND found = nullptr;
  waitUntil([&] { return (found = findWindow(processId, titlePrefix)) != nullptr; }, limit);
  return found;
}

std::wstring windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      5000, &copied);
  text.resize(copied);
  return text;
}

RECT windowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

std::string clipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) std::this_thread::sleep_for(50ms);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::vector<std::wstring> clipboardFiles() {
  std::vector<std::wstring> files;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) std::this_thread::sleep_for(50ms);
  if (auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      UINT length = DragQueryFileW(drop, i, nullptr, 0);
      std::wstring name(length + 1, L'\0');
      DragQueryFileW(drop, i, name.data(), length + 1);
      name.resize(length);
      files.push_back(name);
    }
  }
  CloseClipboard();
  return files;
}

COLORREF screenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  COLORREF color = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return color;
}

bool similarColor(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 16 && std::abs(GetGValue(a) - GetGValue(b)) <= 16 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 16;
}

std::string describeColor(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

int listRowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int listSelectedRow(HWND list) {
  return 1 + static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

namespace {

// A list view copies what it is asked for into memory of its own process, so the
// request and its answer live there: this block is that memory, freed with it.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, size_t bytes) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) memory_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  ~RemoteBlock() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  explicit operator bool() const { return memory_ != nullptr; }
  char* at(size_t offset) const { return memory_ + offset; }
  void write(size_t offset, const void* data, size_t bytes) const {
    WriteProcessMemory(process_, at(offset), data, bytes, nullptr);
  }
  bool read(size_t offset, void* data, size_t bytes) const {
    return ReadProcessMemory(process_, at(offset), data, bytes, nullptr) != 0;
  }
  std::wstring text(size_t offset, size_t chars) const {
    std::wstring buffer(chars, L'\0');
    read(offset, buffer.data(), chars * sizeof(wchar_t));
    return buffer.c_str();
  }

 private:
  HANDLE process_ = nullptr;
  char* memory_ = nullptr;
};

}  // namespace

std::wstring listCellText(HWND list, int row, int column) {
  const size_t chars = 1024;
  RemoteBlock block(list, sizeof(LVITEMW) + chars * sizeof(wchar_t));
  if (!block) return {};
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row - 1;
  item.iSubItem = column - 1;
  item.pszText = reinterpret_cast<wchar_t*>(block.at(sizeof(LVITEMW)));
  item.cchTextMax = static_cast<int>(chars);
  block.write(0, &item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(block.at(0)));
  return block.text(sizeof(LVITEMW), chars);
}

std::wstring listColumnTitle(HWND list, int column) {
  const size_t chars = 256;
  RemoteBlock block(list, sizeof(LVCOLUMNW) + chars * sizeof(wchar_t));
  if (!block) return {};
  LVCOLUMNW request{};
  request.mask = LVCF_TEXT;
  request.pszText = reinterpret_cast<wchar_t*>(block.at(sizeof(LVCOLUMNW)));
  request.cchTextMax = static_cast<int>(chars);
  block.write(0, &request, sizeof(request));
  if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column - 1), reinterpret_cast<LPARAM>(block.at(0))))
    return {};
  return block.text(sizeof(LVCOLUMNW), chars);
}

RECT listRowRect(HWND list, int row) {
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  RemoteBlock block(list, sizeof(RECT));
  if (!block) return {};
  block.write(0, &r, sizeof(r));
  if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(block.at(0))) ||
      !block.read(0, &r, sizeof(r)))
    return {};
  return r;
}

POINT listRowMiddle(HWND list, int row) {
  RECT r = listRowRect(list, row);
  if (r.bottom <= r.top) return {-1, -1};
  // The row's own left part: the columns to its right may lie outside the list.
  POINT middle{r.left + 40, (r.top + r.bottom) / 2};
  ClientToScreen(list, &middle);
  return middle;
}

RECT toolbarButtonRect(HWND toolbar, int index) {
  RECT r{};
  RemoteBlock block(toolbar, sizeof(RECT));
  if (!block) return r;
  if (!SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block.at(0))) ||
      !block.read(0, &r, sizeof(r)))
    return {};
  return r;
}

bool announceScaleChange(HWND window, int dpi, const RECT& suggested) {
  RemoteBlock block(window, sizeof(RECT));
  if (!block) return false;
  block.write(0, &suggested, sizeof(suggested));
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(block.at(0)),
                             SMTO_ABORTIFHUNG, 20000, &answer) != 0;
}

RegistryValue::RegistryValue(const std::wstring& key, const std::wstring& name) : key_(key), name_(name) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return;
  DWORD bytes = 0;
  if (RegQueryValueExW(k, name.c_str(), nullptr, &type_, nullptr, &bytes) == ERROR_SUCCESS) {
    saved_.resize(bytes);
    had_ = RegQueryValueExW(k, name.c_str(), nullptr, &type_, saved_.data(), &bytes) == ERROR_SUCCESS;
  }
  RegCloseKey(k);
}

RegistryValue::~RegistryValue() {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (had_) RegSetValueExW(k, name_.c_str(), 0, type_, saved_.data(), static_cast<DWORD>(saved_.size()));
  else RegDeleteValueW(k, name_.c_str());
  RegCloseKey(k);
}

bool RegistryValue::set(DWORD type, const void* data, DWORD bytes) const {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool done = RegSetValueExW(k, name_.c_str(), 0, type, static_cast<const BYTE*>(data), bytes) == ERROR_SUCCESS;
  RegCloseKey(k);
  return done;
}

bool RegistryValue::setNumber(DWORD value) const { return set(REG_DWORD, &value, sizeof(value)); }

bool RegistryValue::setText(const std::wstring& value) const {
  return set(REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool bringToFront(HWND window) {
  return waitUntil(
      [window] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      5s);
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    std::vector<INPUT> inputs(2);
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wScan = inputs[1].ki.wScan = c;
    inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
    inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    sendInputs(inputs);
  }
}

void pressKey(WORD virtualKey, bool extended) {
  std::vector<INPUT> inputs{keyInput(virtualKey, false, extended), keyInput(virtualKey, true, extended)};
  sendInputs(inputs);
}

void pressChord(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD m : modifiers) inputs.push_back(keyInput(m, false, false));
  inputs.push_back(keyInput(key, false, false));
  inputs.push_back(keyInput(key, true, false));
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) inputs.push_back(keyInput(*it, true, false));
  sendInputs(inputs);
}

namespace {

INPUT mouseInput(POINT at, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (at.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = (at.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  return input;
}

}  // namespace

void mouseClick(POINT at) {
  std::vector<INPUT> inputs{mouseInput(at, 0), mouseInput(at, MOUSEEVENTF_LEFTDOWN), mouseInput(at, MOUSEEVENTF_LEFTUP)};
  sendInputs(inputs);
}

void mouseDoubleClick(POINT at) {
  std::vector<INPUT> inputs{mouseInput(at, 0), mouseInput(at, MOUSEEVENTF_LEFTDOWN), mouseInput(at, MOUSEEVENTF_LEFTUP),
                            mouseInput(at, MOUSEEVENTF_LEFTDOWN), mouseInput(at, MOUSEEVENTF_LEFTUP)};
  sendInputs(inputs);
}

std::string readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> readLines(const std::wstring& path) {
  std::vector<std::string> lines;
  std::string text = readFile(path);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::wstring widen(const std::string& utf8) {
  std::u16string units = common::utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

int runHostCommand(const std::string& command, std::string* output, std::chrono::milliseconds limit) {
  // Wine cannot wait for a process of the host, so the shell leaves its exit
  // code in a file once the command has ended.
  static int counter = 0;
  std::string base = hostTempName("host-" + std::to_string(++counter));
  std::string line = "(" + command + ") > '" + base + ".out' 2>/dev/null; echo $? > '" + base + ".tmp'; mv '" +
                     base + ".tmp' '" + base + ".code'";
  std::wstring commandLine = L"Z:\\bin\\sh -c \"" + widen(line) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return -1;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  const std::wstring code = hostPath(base + ".code");
  int result = -1;
  if (waitUntil([&] { return fileExists(code); }, limit)) result = std::atoi(readFile(code).c_str());
  if (output) *output = readFile(hostPath(base + ".out"));
  DeleteFileW(code.c_str());
  DeleteFileW(hostPath(base + ".out").c_str());
  return result;
}

std::string hostTempName(const std::string& what) {
  // scripts/e2e names its run; without it, this process's number must do.
  wchar_t run[64] = L"";
  DWORD length = GetEnvironmentVariableW(L"E2E_RUN", run, 64);
  std::string tag = length > 0 && length < 64 ? narrow(run) : std::to_string(GetCurrentProcessId());
  return "/tmp/e2e-" + tag + "-" + what;
}

std::wstring hostPath(const std::string& unixPath) {
  std::wstring path = L"Z:" + widen(unixPath);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::string narrow(const std::wstring& wide) { return common::utf16ToUtf8(std::u16string(wide.begin(), wide.end())); }

}  // namespace e2e
