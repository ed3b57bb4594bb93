#pragma once
// The display's scale and the system's colour theme as Windows reports them,
// and icons drawn at any size from the largest picture they hold.
#include <windows.h>

#include "common/screen/display.h"

namespace common {

// The density of the display the window is on. Systems older than per-monitor
// scaling have one density for every display: the system's.
Scale windowScale(HWND window);

// High contrast counts as on also while the environment variable holds "1":
// Wine, where the tests run, cannot switch it on.
SystemTheme systemTheme(const wchar_t* forcingVariable);

// The icon resource at size x size pixels, shrunk from its largest picture
// where it has none of that size (never blown up from a small one while a
// larger is there); null when there is no such icon.
HICON loadIconAtSize(HINSTANCE instance, const wchar_t* name, int size);

// The rectangle the system suggests with WM_DPICHANGED, taken as it stands.
void takeSuggestedRect(HWND window, LPARAM suggested);

}  // namespace common
