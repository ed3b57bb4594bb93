#include "findaro/system/system_services_win32.h"

#include <windows.h>

#include <iterator>

#include "common/wide_win32.h"

namespace findaro {

using common::toWide;

// The key state as the message being handled saw it, not as the hardware is now.
bool Win32Keyboard::shiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool Win32Keyboard::controlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }
bool Win32Keyboard::capsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

void Win32Keyboard::sendKey(int virtualKey, int scanCode, int flags) {
  keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), static_cast<DWORD>(flags), 0);
}

void Win32Sound::beep(int hertz, int milliseconds) {
  log_.beep(hertz, milliseconds);
  Beep(static_cast<DWORD>(hertz), static_cast<DWORD>(milliseconds));
}

long long Win32Clock::counter() {
  LARGE_INTEGER value{};
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

long long Win32Clock::counterFrequency() {
  LARGE_INTEGER value{};
  QueryPerformanceFrequency(&value);
  return value.QuadPart;
}

std::string Win32Locale::ansiToUtf8(const std::string& bytes) { return common::ansiToUtf8(bytes); }

std::string Win32Locale::lowerCase(const std::string& text) {
  std::wstring wide = toWide(text);
  if (!wide.empty()) CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return common::fromWide(wide);
}

bool Win32Locale::isUpperCase(const std::string& character) {
  std::wstring wide = toWide(character);
  return wide.size() == 1 && IsCharUpperW(wide[0]);
}

namespace {

// One locale text of the user's; empty when the system has none.
std::string userLocaleText(LCTYPE type) {
  wchar_t buffer[128] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer))) <= 0) return {};
  return common::fromWide(buffer);
}

}  // namespace

DateFormat Win32Locale::dateFormat() {
  DateFormat format;
  if (std::string date = userLocaleText(LOCALE_SSHORTDATE); !date.empty()) format.shortDate = date;
  if (std::string time = userLocaleText(LOCALE_STIMEFORMAT); !time.empty()) format.time = time;
  // A 24-hour locale may have no AM/PM words at all.
  format.am = userLocaleText(LOCALE_S1159);
  format.pm = userLocaleText(LOCALE_S2359);
  DWORD yearMax = 0;
  if (GetCalendarInfoEx(LOCALE_NAME_USER_DEFAULT, CAL_GREGORIAN, nullptr, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER,
                        nullptr, 0, &yearMax) > 0 &&
      yearMax >= 100 && yearMax <= 9999)
    format.twoDigitYearMax = static_cast<int>(yearMax);
  return format;
}

bool Win32Locale::isLetterOrDigit(const std::string& character) {
  std::wstring wide = toWide(character);
  return wide.size() == 1 && IsCharAlphaNumericW(wide[0]);
}

}  // namespace findaro
