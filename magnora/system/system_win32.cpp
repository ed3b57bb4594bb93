#include "magnora/system/system_win32.h"

#include <shellapi.h>

#include "common/files_win32.h"
#include "common/sapi_voice_win32.h"
#include "common/screen/display_win32.h"
#include "common/screen/screen_fit_win32.h"
#include "common/wide_win32.h"

namespace magnora {
namespace {

HWND asWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// Closing the desktop would offer to shut the computer down, and closing the
// bar itself is the bar's own business.
bool mayClose(HWND window, HWND bar) {
  if (!window || !IsWindow(window)) return false;
  if (window == GetDesktopWindow() || window == GetShellWindow() || window == bar) return false;
  wchar_t className[64] = L"";
  GetClassNameW(window, className, 64);
  return lstrcmpiW(className, L"Progman") != 0 && lstrcmpiW(className, L"WorkerW") != 0 &&
         lstrcmpiW(className, L"Shell_TrayWnd") != 0;
}

}  // namespace

UINT plMessage() {
  static const UINT message = RegisterWindowMessageW(common::toWide(kPlMessage).c_str());
  return message;
}

std::unique_ptr<common::Voice> Win32System::createVoice() {
  return std::make_unique<common::LoggedVoice>(common::createSapiVoice(), log_);
}

void Win32System::beep(int hertz, int milliseconds) {
  log_.beep(hertz, milliseconds);
  Beep(static_cast<DWORD>(hertz), static_cast<DWORD>(milliseconds));
}

void Win32System::sleep(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void Win32System::sendKey(int virtualKey, int scanCode, int flags) {
  keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), static_cast<DWORD>(flags), 0);
}

// Another program may hold the clipboard for a moment, as the browser does
// right after a copy.
bool Win32System::openClipboard() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner_)) return true;
    Sleep(20);
  }
  return false;
}

std::string Win32System::clipboardText() {
  if (!openClipboard()) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      size_t limit = GlobalSize(data) / sizeof(wchar_t);
      text = common::fromWide(std::wstring_view(chars, wcsnlen(chars, limit)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32System::emptyClipboard() {
  if (!openClipboard()) return;
  EmptyClipboard();
  CloseClipboard();
}

void Win32System::setClipboardText(const std::string& text) {
  std::wstring wide = common::toWide(text);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (!memory) return;
  if (auto* chars = static_cast<wchar_t*>(GlobalLock(memory))) {
    std::copy(wide.begin(), wide.end(), chars);
    chars[wide.size()] = L'\0';
    GlobalUnlock(memory);
  }
  if (!openClipboard()) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

Rect Win32System::workArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

Rect Win32System::workAreaNear(const Rect& bounds) { return common::nearestWorkArea(bounds); }

int Win32System::monitorCount() { return GetSystemMetrics(SM_CMONITORS); }

WindowHandle Win32System::rootWindowAt(Point p) {
  HWND under = WindowFromPoint(POINT{p.x, p.y});
  return reinterpret_cast<WindowHandle>(under ? GetAncestor(under, GA_ROOT) : nullptr);
}

void Win32System::focusWindow(WindowHandle window) {
  HWND target = asWindow(window);
  SetFocus(target);
  SetForegroundWindow(target);
  // The window takes the focus when its own thread gets round to it; keys sent
  // before then would go nowhere. A message round trip waits for that, briefly.
  if (target) SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
}

void Win32System::closeWindow(WindowHandle window) {
  if (mayClose(asWindow(window), owner_)) PostMessageW(asWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Win32System::broadcastPlMessage(long wParam, long lParam) {
  PostMessageW(HWND_BROADCAST, plMessage(), static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

unsigned Win32System::highContrastFlags() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  SystemParametersInfoW(SPI_GETHIGHCONTRAST, 0, &contrast, SPIF_SENDCHANGE);
  return contrast.dwFlags;
}

void Win32System::setHighContrastFlags(unsigned flags) {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  SystemParametersInfoW(SPI_GETHIGHCONTRAST, 0, &contrast, SPIF_SENDCHANGE);
  contrast.dwFlags = flags;
  SystemParametersInfoW(SPI_SETHIGHCONTRAST, 0, &contrast, SPIF_SENDCHANGE);
}

common::SystemTheme Win32System::systemTheme() { return common::systemTheme(L"MAGNORA_HIGH_CONTRAST"); }

void Win32System::openDocument(const std::string& path) {
  ShellExecuteW(owner_, L"Open", common::toWide(path).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void Win32System::startProgram(const std::string& file) {
  wchar_t folder[MAX_PATH * 4] = L"";
  GetCurrentDirectoryW(MAX_PATH * 4, folder);
  ShellExecuteW(nullptr, L"OPEN", common::toWide(file).c_str(), nullptr, folder, SW_SHOWNORMAL);
}

std::string Win32System::environmentVariable(const std::string& name) {
  return common::fromWide(common::environmentVariable(common::toWide(name).c_str()));
}

std::string Win32System::programFolder() { return common::fromWide(common::programFolder()); }

std::optional<std::string> Win32System::readFile(const std::string& path) {
  return common::readWholeFile(common::toWide(path));
}

bool Win32System::writeFile(const std::string& path, const std::string& bytes) {
  return common::writeWholeFile(common::toWide(path), bytes);
}

bool Win32System::canConnect(const std::string& host, const std::string& service, int timeoutMilliseconds) {
  return connectWithin(host, service, timeoutMilliseconds);
}

}  // namespace magnora
