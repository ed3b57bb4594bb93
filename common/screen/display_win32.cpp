#include "common/screen/display_win32.h"

#include <commctrl.h>

#include "common/wide_win32.h"

namespace common {
namespace {

// Loaded by name: the 32-bit build runs on systems that have neither call.
using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using LoadIconWithScaleDownCall = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

template <typename Call>
Call systemCall(const wchar_t* module, const char* name) {
  HMODULE loaded = GetModuleHandleW(module);
  if (!loaded) return nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

int systemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

Scale windowScale(HWND window) {
  static const auto getDpiForWindow = systemCall<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (UINT dpi = getDpiForWindow(window)) return Scale(static_cast<int>(dpi));
  }
  return Scale(systemDpi());
}

SystemTheme systemTheme(const wchar_t* forcingVariable) {
  SystemTheme theme;
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0))
    theme.highContrast = (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  if (forcingVariable && environmentVariable(forcingVariable) == L"1") theme.highContrast = true;
  theme.window = static_cast<int>(GetSysColor(COLOR_WINDOW));
  theme.windowText = static_cast<int>(GetSysColor(COLOR_WINDOWTEXT));
  theme.buttonFace = static_cast<int>(GetSysColor(COLOR_BTNFACE));
  theme.buttonText = static_cast<int>(GetSysColor(COLOR_BTNTEXT));
  return theme;
}

HICON loadIconAtSize(HINSTANCE instance, const wchar_t* name, int size) {
  // The common controls library is loaded by then: both programs start it first.
  static const auto scaleDown =
      systemCall<LoadIconWithScaleDownCall>(L"comctl32.dll", "LoadIconWithScaleDown");
  HICON icon = nullptr;
  if (scaleDown && SUCCEEDED(scaleDown(instance, name, size, size, &icon)) && icon) return icon;
  return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0));
}

void takeSuggestedRect(HWND window, LPARAM suggested) {
  const RECT* r = reinterpret_cast<const RECT*>(suggested);
  if (!r) return;
  SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace common
