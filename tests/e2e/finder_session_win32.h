#pragma once
// One run of the finder in its own scratch folder, with its audio log.
#include <map>
#include <string>
#include <vector>

#include "e2e/driver_win32.h"

namespace e2e {

class FinderSession {
 public:
  explicit FinderSession(ScratchFolder& folder) : folder_(folder) { folder_.addProgram(L"findaro.exe"); }

  // Variables for the finder's process (PATH entries go in front of Wine's own).
  std::map<std::wstring, std::wstring> environment;
  bool standinOnPath = true;

  // Starts the finder and waits until its window is up and has taken the focus
  // step; false when it does not come.
  bool start();
  // Starts, waits for the greeting of the search box and brings the window to
  // the front, ready for keys: what nearly every test begins with.
  bool startReadyForKeys();
  // Closes the window as its close box does and waits for the process to end.
  bool close();
  // Waits for the program to end by itself (true when it did, with exit code 0).
  bool waitForExit();
  // The audio log from the given line on, and a wait for a line that holds the piece.
  std::vector<std::string> audioLogFrom(size_t line) const;

  HWND window() const { return window_; }
  DWORD processId() const { return process_.id(); }
  HWND control(int id) const { return GetDlgItem(window_, id); }
  std::wstring title() const { return windowText(window_); }
  std::wstring searchText() const { return windowText(control(500)); }
  std::wstring statusText() const { return windowText(control(503)); }
  std::vector<std::string> audioLog() const { return readLines(folder_.file(L"audio.log")); }
  bool said(const std::string& line) const;
  bool saidSomething(const std::string& piece) const;
  bool waitToSay(const std::string& piece, std::chrono::milliseconds limit = 30s) const;
  std::string settingsFile() const { return readFile(folder_.file(L"findaro.ini")); }
  // One value of the saved settings, as written after the equals sign; "<missing>" without it.
  std::string savedSetting(const std::string& key) const;
  // How many lines of the audio log hold the text.
  int timesSaid(const std::string& piece) const;
  // Clicks a row of the results list, which takes the focus and selects the row
  // (the window must be in front); true once the list has said it has the focus.
  bool clickRow(int row) const;

 private:
  ScratchFolder& folder_;
  Process process_;
  HWND window_ = nullptr;
};

}  // namespace e2e
