#pragma once
// Drives the real programs from outside, as a user and the system would: starts
// them in a scratch folder, finds their windows, types, reads texts and files.
#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// The folders of the built programs, found from this test program's own place
// (build/win64/tests/ beside build/win64/bin/ and build/win64/standin/).
std::wstring programsFolder();
std::wstring standinFolder();

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& path() const { return path_; }
  std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
  // Copies a built program into the folder.
  void addProgram(const std::wstring& name) const;

 private:
  std::wstring path_;
};

class Process {
 public:
  Process() = default;
  Process(HANDLE process, DWORD id) : handle_(process), id_(id) {}
  Process(Process&& o) noexcept : handle_(o.handle_), id_(o.id_) { o.handle_ = nullptr; }
  Process& operator=(Process&& o) noexcept;
  ~Process();
  DWORD id() const { return id_; }
  bool running() const;
  // Waits for the end; false when it does not come in time (the process is then killed).
  bool waitForExit(std::chrono::milliseconds limit, DWORD* exitCode = nullptr);

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Starts a program with extra environment variables (PATH entries are put first).
Process launch(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
               const std::map<std::wstring, std::wstring>& environment);

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// How many running processes have this file name ("es.exe"), whoever started them.
int processesNamed(const std::wstring& fileName);
// Whether the window's thread takes a message and answers it within the limit,
// as it must to be any use to the user.
bool answersWithin(HWND window, std::chrono::milliseconds limit);

// The first visible top-level window of the process whose title starts with the prefix.
HWND findWindow(DWORD processId, const std::wstring& titlePrefix);
HWND waitForWindow(DWORD processId, const std::wstring& titlePrefix, std::chrono::milliseconds limit);
std::vector<HWND> windowsOf(DWORD processId);

// The first visible top-level window of any process that the test accepts.
HWND findAnyWindow(const std::function<bool(HWND window, const std::wstring& title)>& accept);
// Asks a window to close as its close box does and waits until it is gone.
bool closeAndWaitGone(HWND window, std::chrono::milliseconds limit);

std::wstring windowText(HWND window);
RECT windowRect(HWND window);
std::string clipboardText();
// The files of a drop-files list on the clipboard; empty when it holds none.
std::vector<std::wstring> clipboardFiles();
// The colour on the screen at a point, as the user sees it.
COLORREF screenPixel(POINT at);
// Two colours that a person would call the same (each part within 16).
bool similarColor(COLORREF a, COLORREF b);
std::string describeColor(COLORREF color);  // "red,green,blue"

// A list view of another process: its row count, selected row (from 1, 0 for
// none) and the text of a cell (row and column from 1).
int listRowCount(HWND list);
int listSelectedRow(HWND list);
std::wstring listCellText(HWND list, int row, int column);
// The title of a column (from 1) of another process's list view.
std::wstring listColumnTitle(HWND list, int column);
// The middle of a row of a list view, in screen coordinates.
POINT listRowMiddle(HWND list, int row);
// A row of a list view (from 1), and a toolbar's button (from 0), in their
// control's own coordinates; empty when there is none.
RECT listRowRect(HWND list, int row);
RECT toolbarButtonRect(HWND toolbar, int index);

// Tells a window, as the system does when it moves to a display of another
// scale, that its scale is now dpi and where it should go.
bool announceScaleChange(HWND window, int dpi, const RECT& suggested);

// One value of the user's part of the registry, set for a test and put back as
// it was (or removed again) when the test is done.
class RegistryValue {
 public:
  RegistryValue(const std::wstring& key, const std::wstring& name);
  ~RegistryValue();
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;
  bool setNumber(DWORD value) const;
  bool setText(const std::wstring& value) const;

 private:
  bool set(DWORD type, const void* data, DWORD bytes) const;
  std::wstring key_;
  std::wstring name_;
  bool had_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> saved_;
};

// Keyboard input as a user gives it, to the window in front.
bool bringToFront(HWND window);
void typeText(const std::wstring& text);
void pressKey(WORD virtualKey, bool extended = false);
void pressChord(std::initializer_list<WORD> modifiers, WORD key);
// The left mouse button at a point of the screen, once or twice in quick succession.
void mouseClick(POINT at);
void mouseDoubleClick(POINT at);

// Files as UTF-8 text.
std::string readFile(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& bytes);
bool fileExists(const std::wstring& path);
std::vector<std::string> readLines(const std::wstring& path);
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// A command of the machine's own shell (print server tools, PDF readers), which
// Wine starts as it starts its own programs: its exit code, or -1 when it did not
// start or end in time; what it wrote to its output in `output`.
int runHostCommand(const std::string& command, std::string* output, std::chrono::milliseconds limit);
// A path of the host as Wine's programs reach it (drive Z:).
std::wstring hostPath(const std::string& unixPath);
// A name in the host's /tmp of this run alone: two runs side by side (the 64-bit
// and the 32-bit tests, each in a Wine of its own that numbers its processes
// from the same start) must not share one.
std::string hostTempName(const std::string& what);

}  // namespace e2e
