#include "findaro/system/clipboard_win32.h"

#include <cstring>

#include "common/wide_win32.h"

namespace findaro {

void Win32Clipboard::put(UINT format, const void* data, size_t bytes) {
  if (!OpenClipboard(owner_)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (memory) {
    void* target = GlobalLock(memory);
    std::memcpy(target, data, bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

void Win32Clipboard::setText(const std::string& text) {
  std::wstring wide = common::toWide(text);
  put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

std::optional<std::string> Win32Clipboard::text() {
  if (!OpenClipboard(owner_)) return std::nullopt;
  std::optional<std::string> result;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      size_t limit = GlobalSize(data) / sizeof(wchar_t);
      size_t length = 0;
      while (length < limit && chars[length] != L'\0') ++length;
      result = common::fromWide(std::wstring_view(chars, length));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return result;
}

void Win32Clipboard::setFileDrop(const std::string& block) { put(CF_HDROP, block.data(), block.size()); }

}  // namespace findaro
