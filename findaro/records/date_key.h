#pragma once
// The sortable date key of a results file's date text. The client writes dates
// in the user's own short-date order (day first in most of the world) and, in its
// newer releases, times in the user's own form (12- or 24-hour, AM and PM words
// of any language, before or after the time), so the text is read with the
// system's own description of those forms.
#include <cstdint>
#include <string>
#include <string_view>

namespace findaro {

// How the system writes a date and a time. The patterns use the system's letters:
// d day, M month, y year, h and H hours, m minutes, s seconds, t the AM/PM word;
// text in single quotes is literal.
struct DateFormat {
  std::string shortDate = "M/d/yyyy";
  std::string time = "h:mm:ss tt";
  std::string am = "AM";
  std::string pm = "PM";
  // A two-digit year stands for the year up to this one that ends in its digits.
  int twoDigitYearMax = 2049;
};

// Reads date texts with one format; made once per results file, since a file may
// hold a million dates.
class DateReader {
 public:
  explicit DateReader(const DateFormat& format = DateFormat());

  // The key as yyyymmddhhmmss; false when the text is not a date. The date alone
  // gives a key without a time.
  bool read(std::string_view text, uint64_t& key, bool& hasSeconds, bool& hasTime) const;

 private:
  enum Part : uint8_t { kYear, kMonth, kDay };
  struct Numbers;

  bool readInOrder(const Numbers& numbers, const Part order[3], unsigned& year, unsigned& month,
                   unsigned& day) const;
  bool readDate(const Numbers& numbers, unsigned& year, unsigned& month, unsigned& day) const;
  bool readPlain(std::string_view text, uint64_t& key, bool& hasSeconds, bool& hasTime) const;
  int designator(std::string_view words) const;  // 0 none, 1 AM, 2 PM, -1 not one

  Part order_[3] = {kMonth, kDay, kYear};
  std::string am_;  // lower-cased, without blanks
  std::string pm_;
  char timeSeparator_ = ':';
  int twoDigitYearMax_ = 2049;
};

// With the default format (month first, as the client's own documentation shows).
bool parseDateKey(std::string_view dateText, uint64_t& key, bool& hasSeconds, bool& hasTime);

}  // namespace findaro
