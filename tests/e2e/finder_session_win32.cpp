#include "e2e/finder_session_win32.h"

namespace e2e {

bool FinderSession::start() {
  process_ = launch(folder_.file(L"findaro.exe"), L"", folder_.path(),
                    {{L"FINDARO_AUDIO_LOG", folder_.file(L"audio.log")}, {L"PATH", standinFolder()}});
  window_ = waitForWindow(process_.id(), L"Findaro ", 30s);
  if (!window_) return false;
  // The start-up step ends by focusing the search box.
  return waitUntil([this] { return GetDlgItem(window_, 500) != nullptr; }, 10s);
}

bool FinderSession::close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  DWORD code = 1;
  return process_.waitForExit(30s, &code) && code == 0;
}

}  // namespace e2e
