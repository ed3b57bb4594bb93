#include "findaro/records/date_key.h"

#include <gtest/gtest.h>

#include "findaro/search/results_file.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

namespace {

DateFormat format(const char* shortDate, const char* time, const char* am = "AM", const char* pm = "PM") {
  DateFormat f;
  f.shortDate = shortDate;
  f.time = time;
  f.am = am;
  f.pm = pm;
  return f;
}

// The key as yyyymmddhhmmss with "+s" when seconds were read, "-t" without a time,
// or "none" when the text is no date.
std::string keyOf(const DateFormat& f, std::string_view text) {
  uint64_t key = 0;
  bool seconds = false, time = false;
  if (!DateReader(f).read(text, key, seconds, time)) return "none";
  return std::to_string(key) + (time ? (seconds ? "+s" : "") : "-t");
}

const DateFormat kUnitedStates = format("M/d/yyyy", "h:mm:ss tt");
const DateFormat kBritain = format("dd/MM/yyyy", "HH:mm:ss", "", "");
const DateFormat kGermany = format("dd.MM.yyyy", "HH:mm:ss", "", "");
const DateFormat kJapan = format("yyyy/MM/dd", "H:mm:ss", "\xE5\x8D\x88\xE5\x89\x8D", "\xE5\x8D\x88\xE5\xBE\x8C");
const DateFormat kKorea = format("yyyy. M. d.", "tt h:mm:ss", "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84");
const DateFormat kSpain = format("dd/MM/yy", "H:mm:ss", "a. m.", "p. m.");

}  // namespace

TEST(DateKey, MonthFirstDayFirstAndYearFirstLocales) {
  EXPECT_EQ(keyOf(kUnitedStates, "01/03/2025 9:15:00 AM"), "20250103091500+s");
  EXPECT_EQ(keyOf(kBritain, "01/03/2025 09:15:00"), "20250301091500+s");
  EXPECT_EQ(keyOf(kBritain, "01/03/2025 21:15"), "20250301211500");
  EXPECT_EQ(keyOf(kGermany, "01.03.2025 21:15"), "20250301211500");
  EXPECT_EQ(keyOf(kJapan, "2025/03/01 9:15:00"), "20250301091500+s");
  EXPECT_EQ(keyOf(kKorea, "2025. 3. 1. \xEC\x98\xA4\xED\x9B\x84 9:15:00"), "20250301211500+s");
  EXPECT_EQ(keyOf(kKorea, "2025. 3. 1."), "20250301000000-t");
  EXPECT_EQ(keyOf(kGermany, "01.03.2025"), "20250301000000-t");
}

TEST(DateKey, TwelveAndTwentyFourHourTimesInTheLocalesWords) {
  EXPECT_EQ(keyOf(kUnitedStates, "6/1/2025 12:00:00 PM"), "20250601120000+s");
  EXPECT_EQ(keyOf(kUnitedStates, "6/1/2025 12:30:00 am"), "20250601003000+s");
  EXPECT_EQ(keyOf(kUnitedStates, "6/1/2025 11:59 PM"), "20250601235900");
  EXPECT_EQ(keyOf(kUnitedStates, "6/1/2025 23:59"), "20250601235900");  // the older client's 24 hours
  EXPECT_EQ(keyOf(kJapan, "2025/06/01 \xE5\x8D\x88\xE5\xBE\x8C 3:05:09"), "20250601150509+s");
  EXPECT_EQ(keyOf(kSpain, "01/06/25 3:05:09 p. m."), "20250601150509+s");
  EXPECT_EQ(keyOf(kSpain, "01/06/25 3:05:09 a.m."), "20250601030509+s");
  // Some systems put a no-break space before the AM/PM word.
  EXPECT_EQ(keyOf(kUnitedStates, "6/1/2025 9:15:00\xE2\x80\xAFPM"), "20250601211500+s");
  EXPECT_EQ(keyOf(format("dd.MM.yyyy", "HH.mm.ss"), "01.06.2025 09.15.00"), "20250601091500+s");
  EXPECT_EQ(keyOf(format("dd/MM/yyyy", "HH 'h' mm"), "01/06/2025 09 h 15"), "20250601091500");
}

TEST(DateKey, TwoDigitYearsFollowTheSystemsWindow) {
  EXPECT_EQ(keyOf(kSpain, "01/06/49 10:00:00"), "20490601100000+s");
  EXPECT_EQ(keyOf(kSpain, "01/06/50 10:00:00"), "19500601100000+s");
  DateFormat later = kSpain;
  later.twoDigitYearMax = 2079;
  EXPECT_EQ(keyOf(later, "01/06/75 10:00:00"), "20750601100000+s");
  EXPECT_EQ(keyOf(format("M/d/yy", "h:mm tt"), "3/1/07 4:00 PM"), "20070301160000");
}

TEST(DateKey, TextsThatAreNoDateOrBreakTheLocalesOrderFallBack) {
  // A day above 12 in a month-first locale can only be a day.
  EXPECT_EQ(keyOf(kUnitedStates, "17/05/2023 10:30"), "20230517103000");
  // The older stand-in writes month first whatever the locale; a first number
  // above 12 tells.
  EXPECT_EQ(keyOf(kBritain, "05/17/2023 10:30"), "20230517103000");
  EXPECT_EQ(keyOf(kBritain, "2023-05-17T10:30:15"), "20230517103015+s");
  for (const char* bad : {"", "yesterday", "13/13/2023 10:30", "05/17/2023 25:00", "5/17/2023 13:00 PM",
                          "5/17/2023 9:00 noon", "5/17/2023 9", "12345/1/1", "1/2", "1:2:3 4/5/6"})
    EXPECT_EQ(keyOf(kUnitedStates, bad), "none") << bad;
}

class LocaleDatesTest : public FinderTest {};

TEST_F(LocaleDatesTest, SortingByDateFollowsTheUsersOwnDateOrder) {
  locale.dates = kBritain;
  files.files["results.txt"] =
      "Size,Date Modified,Filename\r\n1,02/03/2025 10:00,c:\\march.txt\r\n"
      "1,01/04/2025 09:00,c:\\april.txt\r\n1,28/02/2025 23:00,c:\\february.txt\r\n";
  loadResultsFile(finder);
  finder.results.sortByColumn(3, false);
  EXPECT_EQ(finder.results.at(1).Name, "february.txt");
  EXPECT_EQ(finder.results.at(2).Name, "march.txt");
  EXPECT_EQ(finder.results.at(3).Name, "april.txt");
  EXPECT_EQ(finder.results.at(3).DateText, "01/04/2025 09:00");  // shown as written
  EXPECT_EQ(finder.results.dateKeyText(3), "2025/04/01 09:00");
}
