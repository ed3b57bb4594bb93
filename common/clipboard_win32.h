#pragma once
// The clipboard is one for all programs, and another program may hold it for a
// moment (a browser right after a copy, a clipboard manager reading it).
#include <windows.h>

namespace common {

// Opens the clipboard, trying again for a moment while another program holds it.
bool openClipboardPatiently(HWND owner);

}  // namespace common
