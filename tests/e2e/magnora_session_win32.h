#pragma once
// One run of the bar in its own scratch folder with its audio log, and a window
// of the test's own that stands in for the browser in front.
#include <map>
#include <string>
#include <vector>

#include "e2e/driver_win32.h"

namespace e2e {

// The bar's registered message, both ways.
UINT plMessage();

class MagnoraSession {
 public:
  explicit MagnoraSession(ScratchFolder& folder, const std::wstring& log = L"audio.log");

  // Starts the bar with these words and waits until it is on screen; false when
  // it does not come.
  bool start(const std::wstring& words, const std::map<std::wstring, std::wstring>& environment = {});
  // Starts the program and waits for it to end by itself (a second start).
  bool startAndWaitForExit(const std::wstring& words, DWORD* exitCode);
  bool waitForExit(std::chrono::milliseconds limit);

  HWND bar() const { return bar_; }
  Process& process() { return process_; }
  // The bar's buttons in their order from left to right.
  std::vector<HWND> buttons() const;
  HWND button(int id) const { return GetDlgItem(bar_, id); }
  // Presses a button as a click does, without moving the mouse.
  void press(int id) const;
  std::vector<std::string> audioLog() const { return readLines(folder_.file(log_)); }
  bool logHas(const std::string& line) const;

 private:
  ScratchFolder& folder_;
  std::wstring log_;
  Process process_;
  HWND bar_ = nullptr;
};

// A plain window that records the keys it is sent, the close requests and the
// "plmessage" broadcasts it hears.
class StandInWindow {
 public:
  explicit StandInWindow(const RECT& place);
  ~StandInWindow();
  StandInWindow(const StandInWindow&) = delete;
  StandInWindow& operator=(const StandInWindow&) = delete;

  HWND handle() const { return window_; }
  // Waits for a condition while the window takes its messages.
  bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

  std::vector<WPARAM> keysDown;
  int closeRequests = 0;
  std::vector<std::pair<WPARAM, LPARAM>> plMessages;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
};

RECT workArea();

}  // namespace e2e
