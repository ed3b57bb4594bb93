#include "findaro/records/result_records.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

#include <algorithm>
#include <random>

using namespace findaro;

namespace {

std::string key(std::string_view date) {
  ResultRecords records;
  ResultRecord r;
  r.Name = "x";
  r.DateText = std::string(date);
  records.assign({r});
  return records.dateKeyText(1);
}

// Sorts the records by name (1) or folder (2) and holds every row to the
// standard sort of the texts given.
::testing::AssertionResult sortsAsTheStandardSort(ResultRecords& records, const std::vector<ResultRecord>& list,
                                                  int column, bool descending) {
  std::vector<std::string> expected;
  for (const ResultRecord& r : list) expected.push_back(column == 1 ? r.Name : r.Folder);
  std::sort(expected.begin(), expected.end());
  records.sortByColumn(column, descending);
  for (int row = 1; row <= records.count(); ++row) {
    RecordView v = records.at(row);
    size_t at = descending ? expected.size() - static_cast<size_t>(row) : static_cast<size_t>(row - 1);
    if ((column == 1 ? v.Name : v.Folder) != expected[at])
      return ::testing::AssertionFailure() << "column " << column << ", row " << row << ": "
                                           << (column == 1 ? v.Name : v.Folder) << " where " << expected[at];
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(ResultRecords, DateKeysPutEveryFormTheClientWritesInYearMonthDayOrder) {
  EXPECT_EQ(key("05/17/2023 10:30"), "2023/05/17 10:30");
  EXPECT_EQ(key("5/7/2023 9:05:03 am"), "2023/05/07 09:05:03");
  EXPECT_EQ(key("5/17/2023 12:15:00 am"), "2023/05/17 00:15:00");
  EXPECT_EQ(key("5/17/2023 12:15:00 pm"), "2023/05/17 12:15:00");
  EXPECT_EQ(key("5/17/2023 1:15:00 PM"), "2023/05/17 13:15:00");
  EXPECT_EQ(key("2023-05-17 10:30:15"), "2023/05/17 10:30:15");
  EXPECT_EQ(key("17/05/2023 10:30"), "2023/05/17 10:30");  // only a day can be above 12
  EXPECT_EQ(key("05/17/2023"), "2023/05/17 ");
  // Texts that are no date keep the older reader's key.
  EXPECT_EQ(key("yesterday noon"), "rday/yeste noon");
  EXPECT_EQ(key("13/13/2023 10:30"), "2023/13/13 10:30");
  EXPECT_EQ(key("05/17/2023 25:00"), "2023/05/17 25:00");
  EXPECT_EQ(key(""), "/ ");
}

TEST(ResultRecords, SortingByDateFollowsTheCalendarNotTheText) {
  std::vector<ResultRecord> list(4);
  list[0].Name = "a", list[0].DateText = "1/2/2024 9:00:00 AM";
  list[1].Name = "b", list[1].DateText = "12/31/2023 11:59:00 PM";
  list[2].Name = "c", list[2].DateText = "1/2/2024 10:00:00 AM";
  list[3].Name = "d", list[3].DateText = "1/10/2024 1:00:00 AM";
  ResultRecords records;
  records.assign(list);
  records.sortByColumn(3, false);
  std::string order;
  for (int r = 1; r <= 4; ++r) order += records.at(r).Name;
  EXPECT_EQ(order, "bacd");
}

TEST(ResultRecords, SortingByTextIsOrdinalOverTheWholeText) {
  std::vector<ResultRecord> list;
  for (const char* name : {"img_0010.jpg", "img_0002.jpg", "img_0010.jpeg", "img_001", "Zeta", "\xC3\xA4x", "a"}) {
    ResultRecord r;
    r.Name = name;
    r.Folder = std::string("c:\\") + name + "\\";
    list.push_back(r);
  }
  ResultRecords records;
  records.assign(list);
  records.sortByColumn(1, false);
  std::vector<std::string> names;
  for (int r = 1; r <= records.count(); ++r) names.emplace_back(records.at(r).Name);
  std::vector<std::string> expected{"Zeta", "a", "img_0002.jpg", "img_001", "img_0010.jpeg", "img_0010.jpg",
                                    "\xC3\xA4x"};
  EXPECT_EQ(names, expected);
  records.sortByColumn(2, true);
  EXPECT_EQ(records.at(1).Name, "\xC3\xA4x");
  EXPECT_EQ(records.at(7).Name, "Zeta");
  // Each record keeps its own fields through the moves.
  for (int r = 1; r <= records.count(); ++r)
    EXPECT_EQ(records.at(r).Folder, "c:\\" + std::string(records.at(r).Name) + "\\");
}

TEST(ResultRecords, ALargeShuffledSortMatchesTheStandardSort) {
  std::mt19937 random(7);
  std::vector<ResultRecord> list(5000);
  for (size_t i = 0; i < list.size(); ++i) {
    list[i].Name = "file_" + std::to_string(random() % 700);  // many equal names and prefixes
    list[i].SizeValue = static_cast<long long>(random() % 3000) - 1000;  // negative sizes too
    list[i].SizeText = std::to_string(list[i].SizeValue);
  }
  ResultRecords records;
  records.assign(list);
  records.sortByColumn(4, false);
  std::vector<long long> sizes;
  for (const ResultRecord& r : list) sizes.push_back(r.SizeValue);
  std::sort(sizes.begin(), sizes.end());
  for (int r = 1; r <= records.count(); ++r) {
    ASSERT_EQ(records.at(r).SizeValue, sizes[static_cast<size_t>(r - 1)]) << r;
    ASSERT_EQ(records.at(r).SizeText, std::to_string(records.at(r).SizeValue));
  }
  records.sortByColumn(1, true);
  for (int r = 2; r <= records.count(); ++r) ASSERT_GE(records.at(r - 1).Name, records.at(r).Name);
}

// Enough records for the sort to work on two threads, with folders that share far
// more than the 24 bytes a key holds and names of every length around it.
TEST(ResultRecords, ATwoThreadSortOfLongSharedTextsMatchesTheStandardSort) {
  std::mt19937 random(11);
  std::vector<ResultRecord> list(70000);
  const std::string deep = "c:\\users\\ann\\documents\\a folder with a long name\\";
  for (ResultRecord& r : list) {
    unsigned pick = random();
    r.Folder = deep + std::string(pick % 40, 'q') + "\\" + std::to_string(pick % 97) + "\\";
    r.Name = std::string(random() % 30, 'n') + std::to_string(random() % 50);
    r.DateText = std::to_string(1 + random() % 12) + "/" + std::to_string(1 + random() % 28) + "/" +
                 std::to_string(1990 + random() % 40) + " 10:30";
  }
  ResultRecords records;
  records.assign(list);
  for (int column : {1, 2}) ASSERT_TRUE(sortsAsTheStandardSort(records, list, column, false));
  records.sortByColumn(3, true);
  for (int row = 2; row <= records.count(); ++row) ASSERT_GE(records.dateKey(row - 1), records.dateKey(row)) << row;
  EXPECT_EQ(records.dateKey(records.count()) / 10000000000ULL, 1990u);
}

// A plain size is kept as its number; any other text is read when asked for.
// Either way a row gives back its text as written and the number it reads as.
TEST(ResultRecords, EverySizeTextReadsTheSameWhetherKeptAsANumberOrNot) {
  const std::vector<std::string> texts{"0", "7", "1500", "007", "-5", "+5", " 12", "12 ", "1.5", "12abc", "",
                                       "999999999999", "1099511627776", "18446744073709551616", "3221225472",
                                       std::string(31, '9')};
  std::vector<ResultRecord> list;
  for (const std::string& text : texts) {
    ResultRecord r;
    r.Name = "n" + text;
    r.DateText = text.size() % 2 ? "01/02/2003 04:05" : "";  // the size's text lies beside a date or not
    r.SizeText = text;
    list.push_back(r);
  }
  ResultRecords records;
  records.assign(list);
  std::vector<long long> values;
  for (int row = 1; row <= records.count(); ++row) {
    const std::string& text = texts[static_cast<size_t>(row - 1)];
    RecordView v = records.at(row);
    EXPECT_EQ(v.SizeText, text) << text;
    EXPECT_EQ(v.DateText, list[static_cast<size_t>(row - 1)].DateText) << text;
    EXPECT_EQ(v.SizeValue, common::readNumber64(text)) << text;
    EXPECT_EQ(records.sizeValue(row), v.SizeValue) << text;
    values.push_back(v.SizeValue);
  }
  EXPECT_TRUE(records.packed(3).sizeKept());   // "1500"
  EXPECT_FALSE(records.packed(4).sizeKept());  // "007" would not read back as written
  std::sort(values.begin(), values.end());
  records.sortByColumn(4, false);
  for (int row = 1; row <= records.count(); ++row)
    EXPECT_EQ(records.at(row).SizeValue, values[static_cast<size_t>(row - 1)]) << row;
}

// The sort reads the texts from where a sample of them starts to differ; a text
// the sample missed that differs earlier still sorts to its place.
TEST(ResultRecords, ATextThatDiffersBeforeTheSampledStartSortsToItsPlace) {
  std::mt19937 random(5);
  std::vector<ResultRecord> list(70000);
  for (ResultRecord& r : list) {
    r.Folder = "c:\\users\\ann\\documents\\" + std::to_string(random() % 5000) + "\\";
    r.Name = "same start for every name " + std::to_string(random() % 100000);
  }
  for (size_t odd : {size_t{12345}, size_t{54321}}) {
    list[odd].Folder = "c:\\users\\zz\\";  // differs inside the shared start, and sorts last
    list[odd].Name = "same start for every nz";
  }
  ResultRecords records;
  records.assign(list);
  for (int column : {1, 2})
    for (bool descending : {false, true}) ASSERT_TRUE(sortsAsTheStandardSort(records, list, column, descending));
}

TEST(ResultRecords, FieldsKeepTheirCapacitiesInCharacters) {
  ResultRecord r;
  r.Name = std::string(300, 'n');
  r.DateText = std::string(20, 'd') + std::string(20, '\xC3') ;  // not valid UTF-8 after 20
  r.SizeText = "";
  for (int i = 0; i < 40; ++i) r.SizeText += "\xC3\xA9";  // é forty times
  ResultRecords records;
  records.assign({r});
  EXPECT_EQ(records.at(1).Name.size(), 259u);
  EXPECT_EQ(records.at(1).SizeText.size(), 62u);  // 31 characters of two bytes
  EXPECT_FALSE(records.isPlaceholder());
  records.assign({});
  EXPECT_TRUE(records.isPlaceholder());
  records.resetToSingle(kLoadingName);
  EXPECT_EQ(records.at(1).Name, "Loading ...");
  EXPECT_FALSE(records.isPlaceholder());
}

TEST(ResultRecords, LengthsStayWithinCapacitiesForAnyBytes) {
  // Runs of continuation bytes count no characters by the UTF-8 rules; each stray
  // byte counts as one, so a field never takes more bytes than its length can hold.
  ResultRecord r;
  r.DateText = std::string(256, '\x80');
  r.SizeText = std::string(300, '\xBF');
  r.Name = std::string(70000, '\x80');
  r.Folder = "c:\\" + std::string(66000, '\xA0');
  ResultRecords records;
  records.assign({r});
  RecordView v = records.at(1);
  EXPECT_EQ(v.DateText, r.DateText.substr(0, kDateTextCapacity));
  EXPECT_EQ(v.SizeText, r.SizeText.substr(0, kSizeTextCapacity));
  EXPECT_EQ(v.Name, r.Name.substr(0, kNameCapacity));
  EXPECT_EQ(v.Folder, r.Folder.substr(0, kFolderCapacity));
  // Whole characters still count as one each.
  r.DateText.clear();
  for (int i = 0; i < 40; ++i) r.DateText += "\xF0\x9F\x93\x81";  // a four-byte character
  records.assign({r});
  EXPECT_EQ(records.at(1).DateText.size(), 4 * kDateTextCapacity);
}

TEST(ResultRecords, DateFormsOfOtherLocalesAndTwoDigitYearsGiveKeys) {
  // Without the system's forms at hand (records given whole), the United States
  // order is taken, and a four-digit year first still reads year first.
  EXPECT_EQ(key("2025. 3. 1. 9:15:00"), "2025/03/01 09:15:00");
  EXPECT_EQ(key("1/3/25 9:15 PM"), "2025/01/03 21:15");
  EXPECT_EQ(key("6/1/2025 9:15:00\xE2\x80\xAFPM"), "2025/06/01 21:15:00");
}
