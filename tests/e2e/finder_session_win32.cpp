#include "e2e/finder_session_win32.h"

#include <cstdio>

namespace e2e {

bool FinderSession::start() {
  std::map<std::wstring, std::wstring> variables = environment;
  variables[L"FINDARO_AUDIO_LOG"] = folder_.file(L"audio.log");
  if (standinOnPath) variables[L"PATH"] = standinFolder();
  process_ = launch(folder_.file(L"findaro.exe"), L"", folder_.path(), variables);
  window_ = waitForWindow(process_.id(), L"Findaro ", 30s);
  if (!window_) return false;
  // The start-up step ends by focusing the search box.
  return waitUntil([this] { return GetDlgItem(window_, 500) != nullptr; }, 10s);
}

std::string FinderSession::savedSetting(const std::string& key) const {
  std::string ini = "\n" + settingsFile();
  size_t at = ini.find("\n" + key + "=");
  if (at == std::string::npos) return "<missing>";
  size_t start = at + key.size() + 2;
  return ini.substr(start, ini.find('\r', start) - start);
}

bool FinderSession::startReadyForKeys() {
  return start() && waitToSay("SearchBox has focus") && bringToFront(window_);
}

bool FinderSession::said(const std::string& line) const {
  for (const std::string& l : audioLog())
    if (l == line) return true;
  return false;
}

bool FinderSession::saidSomething(const std::string& piece) const {
  for (const std::string& l : audioLog())
    if (l.find(piece) != std::string::npos) return true;
  return false;
}

bool FinderSession::waitToSay(const std::string& piece, std::chrono::milliseconds limit) const {
  if (waitUntil([&] { return saidSomething(piece); }, limit)) return true;
  // What was heard instead tells a key that never arrived from a step that hung.
  std::vector<std::string> heard = audioLog();
  std::fprintf(stderr, "waited in vain to hear \"%s\"; the last of %zu lines heard:\n", piece.c_str(), heard.size());
  for (size_t i = heard.size() > 8 ? heard.size() - 8 : 0; i < heard.size(); ++i)
    std::fprintf(stderr, "  %s\n", heard[i].c_str());
  return false;
}

bool FinderSession::waitForExit() {
  DWORD code = 1;
  return process_.waitForExit(30s, &code) && code == 0;
}

std::vector<std::string> FinderSession::audioLogFrom(size_t line) const {
  std::vector<std::string> all = audioLog();
  if (line >= all.size()) return {};
  return std::vector<std::string>(all.begin() + static_cast<long>(line), all.end());
}

int FinderSession::timesSaid(const std::string& piece) const {
  int times = 0;
  for (const std::string& l : audioLog()) times += l.find(piece) != std::string::npos;
  return times;
}

bool FinderSession::clickRow(int row) const {
  HWND list = control(501);
  POINT at = listRowMiddle(list, row);
  if (at.x < 0) return false;
  int before = timesSaid("Results List has focus");
  mouseClick(at);
  return waitUntil([&] { return timesSaid("Results List has focus") > before && listSelectedRow(list) == row; }, 10s);
}

bool FinderSession::close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  DWORD code = 1;
  return process_.waitForExit(30s, &code) && code == 0;
}

}  // namespace e2e
