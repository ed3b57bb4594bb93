#pragma once
// The one place where the portable UTF-8 text meets Windows' UTF-16.
#include <windows.h>

#include <string>
#include <string_view>

namespace common {

std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);
// Bytes in the system's ANSI code page, as UTF-8.
std::string ansiToUtf8(std::string_view bytes);

// The running program's file; its folder with its trailing backslash, and its
// file name without the extension.
std::wstring programPath();
std::wstring programFolder();
std::wstring programBaseName();

std::wstring environmentVariable(const wchar_t* name);

// The whole text of a window (its title, or an edit control's content).
std::wstring windowText(HWND window);

}  // namespace common
