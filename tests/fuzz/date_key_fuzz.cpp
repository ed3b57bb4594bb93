// A date text read with any description of the system's forms: a key, when there
// is one, is a real calendar moment, and a text without a time has none.
#include "findaro/records/date_key.h"
#include "fuzz_support.h"

using namespace findaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  DateFormat format;
  format.twoDigitYearMax = 1900 + input.byte() * 2;
  format.shortDate = input.shortText();
  format.time = input.shortText();
  format.am = input.shortText();
  format.pm = input.shortText();
  std::string text = input.rest();

  uint64_t key = 0;
  bool seconds = false, time = false;
  if (!DateReader(format).read(text, key, seconds, time)) return 0;
  uint64_t second = key % 100, minute = key / 100 % 100, hour = key / 10000 % 100;
  uint64_t day = key / 1000000 % 100, month = key / 100000000 % 100, year = key / 10000000000ULL;
  FUZZ_CHECK(month >= 1 && month <= 12, "a month of the year");
  FUZZ_CHECK(day >= 1 && day <= 31, "a day of a month");
  FUZZ_CHECK(hour <= 23 && minute <= 59 && second <= 59, "a time of the day");
  FUZZ_CHECK(year <= 9999, "a year of four digits");
  FUZZ_CHECK(time || (hour == 0 && minute == 0 && second == 0), "a date alone has no time");
  FUZZ_CHECK(time || !seconds, "seconds only with a time");
  uint64_t again = 0;
  bool seconds2 = false, time2 = false;
  FUZZ_CHECK(DateReader(format).read(text, again, seconds2, time2) && again == key, "the same text, the same key");
  return 0;
}
