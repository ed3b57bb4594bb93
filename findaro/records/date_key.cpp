#include "findaro/records/date_key.h"

#include <string>

namespace findaro {
namespace {

constexpr size_t kMostTokens = 16;
constexpr int kMostDigits = 4;

struct Token {
  bool number = false;
  std::string_view text;
  unsigned value = 0;
  int digits = 0;
};

// Blanks part the words; the no-break spaces count as blanks, since some
// systems write one between the time and its AM/PM word.
size_t blankLength(std::string_view text, size_t i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  if (c == ' ' || c == '\t') return 1;
  if (text.compare(i, 2, "\xC2\xA0") == 0) return 2;
  if (text.compare(i, 3, "\xE2\x80\xAF") == 0) return 3;
  return 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Numbers and words, blanks dropped; false for a text too long or with a number
// too long to be part of a date.
bool tokenize(std::string_view text, Token (&tokens)[kMostTokens], size_t& count) {
  count = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (size_t blank = blankLength(text, i)) {
      i += blank;
      continue;
    }
    if (count == kMostTokens) return false;
    Token& t = tokens[count++];
    size_t start = i;
    if (isDigit(text[i])) {
      t.number = true;
      while (i < text.size() && isDigit(text[i])) {
        if (++t.digits > kMostDigits) return false;
        t.value = t.value * 10 + static_cast<unsigned>(text[i] - '0');
        ++i;
      }
    } else {
      while (i < text.size() && !isDigit(text[i]) && blankLength(text, i) == 0) ++i;
    }
    t.text = text.substr(start, i - start);
  }
  return true;
}

std::string lowerAscii(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return out;
}

bool hasAsciiLetter(std::string_view text) {
  for (char c : text)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  return false;
}

// The mark a date may end with ("2025. 3. 1.", a CJK day sign): short, no letters.
bool isDatePunctuation(std::string_view word) { return word.size() <= 4 && !hasAsciiLetter(word); }

bool isDateSeparator(const Token& t) {
  return !t.number && t.text.size() <= 4 && t.text.find(':') == std::string_view::npos;
}

}  // namespace

struct DateReader::Numbers {
  unsigned value[3];
  int digits[3];
};

DateReader::DateReader(const DateFormat& format)
    : am_(lowerAscii(format.am)), pm_(lowerAscii(format.pm)), twoDigitYearMax_(format.twoDigitYearMax) {
  Part order[3];
  int found = 0;
  bool seen[3] = {false, false, false};
  const std::string& pattern = format.shortDate;
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '\'') {
      size_t close = pattern.find('\'', i + 1);
      if (close == std::string::npos) break;
      i = close;
      continue;
    }
    Part part = c == 'y' ? kYear : c == 'M' ? kMonth : c == 'd' ? kDay : static_cast<Part>(3);
    if (part > kDay || seen[part]) continue;
    seen[part] = true;
    order[found++] = part;
  }
  if (found == 3)
    for (int k = 0; k < 3; ++k) order_[k] = order[k];

  // The character between the hours and the minutes, when it is a plain one.
  const std::string& time = format.time;
  size_t hours = time.find_first_of("hH");
  if (hours != std::string::npos) {
    size_t after = time.find_first_not_of("hH", hours);
    while (after < time.size() && (time[after] == ' ' || time[after] == '\'')) ++after;
    if (after < time.size() && time[after] != 'm' && static_cast<unsigned char>(time[after]) < 0x80)
      timeSeparator_ = time[after];
  }
}

bool DateReader::readInOrder(const Numbers& numbers, const Part order[3], unsigned& year, unsigned& month,
                             unsigned& day) const {
  unsigned* target[3] = {&year, &month, &day};
  int yearDigits = 0;
  for (int k = 0; k < 3; ++k) {
    *target[order[k]] = numbers.value[k];
    if (order[k] == kYear) yearDigits = numbers.digits[k];
  }
  if (yearDigits <= 2) {
    unsigned maximum = static_cast<unsigned>(twoDigitYearMax_ > 99 ? twoDigitYearMax_ : 2049);
    year += maximum - maximum % 100;
    if (year > maximum) year -= 100;
  }
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int DateReader::designator(std::string_view words) const {
  if (words.empty()) return 0;
  std::string w = lowerAscii(words);
  if (!am_.empty() && w == am_) return 1;
  if (!pm_.empty() && w == pm_) return 2;
  if (w == "am" || w == "a.m.") return 1;
  if (w == "pm" || w == "p.m.") return 2;
  return -1;
}

bool DateReader::readDate(const Numbers& numbers, unsigned& year, unsigned& month, unsigned& day) const {
  if (readInOrder(numbers, order_, year, month, day)) return true;
  // Not in the system's order: a four-digit year first is year-month-day, one at
  // the end is month first unless the first number can only be a day.
  Part fallback[3] = {kMonth, kDay, kYear};
  if (numbers.digits[0] > 2) fallback[0] = kYear, fallback[1] = kMonth, fallback[2] = kDay;
  else if (numbers.digits[2] <= 2) return false;
  else if (numbers.value[0] > 12) fallback[0] = kDay, fallback[1] = kMonth;
  return readInOrder(numbers, fallback, year, month, day);
}

// The plain form most dates take ("01/03/2025 09:15", "2025-03-01 09:15:00"),
// read without splitting the text into words; false sends it the long way.
bool DateReader::readPlain(std::string_view text, uint64_t& key, bool& hasSeconds, bool& hasTime) const {
  size_t i = 0;
  auto number = [&text, &i](unsigned& value, int& digits) {
    value = 0;
    digits = 0;
    while (i < text.size() && isDigit(text[i]) && digits <= kMostDigits) {
      value = value * 10 + static_cast<unsigned>(text[i++] - '0');
      ++digits;
    }
    return digits > 0 && digits <= kMostDigits;
  };
  auto separator = [&text, &i](bool time) {
    if (i >= text.size()) return false;
    char c = text[i];
    bool ok = time ? c == ':' : (c == '/' || c == '-' || c == '.');
    i += ok;
    return ok;
  };
  Numbers numbers;
  if (!number(numbers.value[0], numbers.digits[0]) || !separator(false) ||
      !number(numbers.value[1], numbers.digits[1]) || !separator(false) ||
      !number(numbers.value[2], numbers.digits[2]))
    return false;
  unsigned hour = 0, minute = 0, second = 0;
  int digits = 0;
  hasTime = i < text.size();
  hasSeconds = false;
  if (hasTime) {
    if (text[i] != ' ' || ++i >= text.size() || !number(hour, digits) || digits > 2 || !separator(true) ||
        !number(minute, digits) || digits > 2)
      return false;
    if (i < text.size()) {
      if (!separator(true) || !number(second, digits) || digits > 2 || i != text.size()) return false;
      hasSeconds = true;
    }
    if (hour > 23 || minute > 59 || second > 59) return false;
  }
  unsigned year = 0, month = 0, day = 0;
  if (!readDate(numbers, year, month, day)) return false;
  key = ((((static_cast<uint64_t>(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
  return true;
}

bool DateReader::read(std::string_view text, uint64_t& key, bool& hasSeconds, bool& hasTime) const {
  if (readPlain(text, key, hasSeconds, hasTime)) return true;
  Token t[kMostTokens];
  size_t n = 0;
  if (!tokenize(text, t, n) || n < 5) return false;
  if (!t[0].number || !isDateSeparator(t[1]) || !t[2].number || !isDateSeparator(t[3]) || !t[4].number)
    return false;
  Numbers numbers{{t[0].value, t[2].value, t[4].value}, {t[0].digits, t[2].digits, t[4].digits}};

  unsigned year = 0, month = 0, day = 0;
  if (!readDate(numbers, year, month, day)) return false;

  // Words between the date and the time: the date's closing mark, the ISO "T",
  // or the AM/PM word of languages that put it first.
  size_t k = 5;
  std::string before;
  bool first = true;
  for (; k < n && !t[k].number; ++k, first = false) {
    if (first && isDatePunctuation(t[k].text) && designator(t[k].text) <= 0) continue;
    before += t[k].text;
  }
  unsigned hour = 0, minute = 0, second = 0;
  hasTime = false;
  hasSeconds = false;
  int marker = 0;
  if (k == n) {
    if (!before.empty()) return false;
  } else {
    marker = before == "T" || before == "t" ? 0 : designator(before);
    if (marker < 0) return false;
    auto isTimeSeparator = [this](const Token& s) {
      return !s.number && s.text.size() == 1 && (s.text[0] == ':' || s.text[0] == '.' || s.text[0] == timeSeparator_);
    };
    if (k + 2 >= n || !isTimeSeparator(t[k + 1]) || !t[k + 2].number) return false;
    hour = t[k].value;
    minute = t[k + 2].value;
    k += 3;
    if (k + 1 < n && isTimeSeparator(t[k]) && t[k + 1].number) {
      second = t[k + 1].value;
      hasSeconds = true;
      k += 2;
    }
    std::string after;
    for (; k < n; ++k) {
      if (t[k].number) return false;
      after += t[k].text;
    }
    int trailing = designator(after);
    if (trailing < 0 || (trailing > 0 && marker > 0)) return false;
    if (trailing > 0) marker = trailing;
    if (marker > 0) {
      if (hour > 12) return false;
      hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) return false;
    hasTime = true;
  }
  key = ((((static_cast<uint64_t>(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
  return true;
}

bool parseDateKey(std::string_view dateText, uint64_t& key, bool& hasSeconds, bool& hasTime) {
  static const DateReader reader;
  return reader.read(dateText, key, hasSeconds, hasTime);
}

}  // namespace findaro
