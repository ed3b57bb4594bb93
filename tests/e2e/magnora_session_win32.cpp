#include "e2e/magnora_session_win32.h"

#include <algorithm>
#include <thread>

namespace e2e {

UINT plMessage() { return RegisterWindowMessageW(L"plmessage"); }

RECT workArea() {
  // The primary monitor's work area, as the bar asks for its own; the system's
  // setting alone is sometimes still empty under Wine right after it starts.
  RECT r{};
  waitUntil(
      [&r] {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) r = info.rcWork;
        return r.right > r.left && r.bottom > r.top;
      },
      std::chrono::seconds(5));
  return r;
}

MagnoraSession::MagnoraSession(ScratchFolder& folder, const std::wstring& log) : folder_(folder), log_(log) {
  folder_.addProgram(L"magnora.exe");
}

bool MagnoraSession::start(const std::wstring& words, const std::map<std::wstring, std::wstring>& environment) {
  std::map<std::wstring, std::wstring> variables = environment;
  variables[L"MAGNORA_AUDIO_LOG"] = folder_.file(log_);
  process_ = launch(folder_.file(L"magnora.exe"), words, folder_.path(), variables);
  bar_ = waitForWindow(process_.id(), L"Pagelume Close Browser 7.7", 30s);
  // The close button is the last one made, so once it is there every button is.
  return bar_ && waitUntil([this] { return button(500) != nullptr; }, 10s);
}

bool MagnoraSession::startAndWaitForExit(const std::wstring& words, DWORD* exitCode) {
  process_ = launch(folder_.file(L"magnora.exe"), words, folder_.path(), {{L"MAGNORA_AUDIO_LOG", folder_.file(log_)}});
  return process_.waitForExit(30s, exitCode);
}

bool MagnoraSession::waitForExit(std::chrono::milliseconds limit) {
  DWORD code = 1;
  return process_.waitForExit(limit, &code) && code == 0;
}

std::vector<HWND> MagnoraSession::buttons() const {
  std::vector<HWND> found;
  for (HWND child = GetWindow(bar_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = L"";
    GetClassNameW(child, name, 32);
    if (_wcsicmp(name, L"Button") == 0) found.push_back(child);
  }
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) { return windowRect(a).left < windowRect(b).left; });
  return found;
}

void MagnoraSession::press(int id) const { PostMessageW(button(id), BM_CLICK, 0, 0); }

bool MagnoraSession::logHas(const std::string& line) const {
  std::vector<std::string> lines = audioLog();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

namespace {

constexpr wchar_t kStandInClass[] = L"MagnoraTestStandIn";

}  // namespace

StandInWindow::StandInWindow(const RECT& place) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kStandInClass;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
  window_ = CreateWindowExW(0, kStandInClass, L"Stand-in browser", WS_POPUP | WS_VISIBLE | WS_BORDER, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                            wc.hInstance, this);
}

StandInWindow::~StandInWindow() {
  if (window_) DestroyWindow(window_);
}

bool StandInWindow::waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (true) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

LRESULT CALLBACK StandInWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) self->keysDown.push_back(wParam);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
      ++self->closeRequests;
      return 0;  // the test closes it itself
    }
    if (message == plMessage() && message != 0) self->plMessages.emplace_back(wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace e2e
