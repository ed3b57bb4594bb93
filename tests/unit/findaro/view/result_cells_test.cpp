#include "findaro/view/result_cells.h"

#include <gtest/gtest.h>

#include "findaro/records/result_records.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class ResultCellsTest : public FinderTest {
 protected:
  std::string sizeOf(long long bytes) {
    RecordView r;
    r.SizeValue = bytes;
    return formatSize(finder, r);
  }
};

TEST_F(ResultCellsTest, SizesInKilobytesRoundHalfToEvenAndNeverShowZeroForData) {
  EXPECT_EQ(sizeOf(1499), "1 KB");
  EXPECT_EQ(sizeOf(1500), "2 KB");
  EXPECT_EQ(sizeOf(2500), "2 KB");
  EXPECT_EQ(sizeOf(200), "1 KB");
  EXPECT_EQ(sizeOf(1234567), "1,235 KB");
  EXPECT_EQ(sizeOf(0), "0 KB");
  EXPECT_EQ(sizeOf(3221225472LL), "3,221,225 KB");  // 3 GiB stays positive
}

TEST_F(ResultCellsTest, WithoutKilobytesTheExactByteCountIsShown) {
  finder.settings.UseKB = 0;
  EXPECT_EQ(sizeOf(1234567), "1,234,567 bytes");
  EXPECT_EQ(sizeOf(0), "0 bytes");
}

TEST(ShortenFolder, KeepsTheFirstTwoAndTheLastLevel) {
  EXPECT_EQ(shortenFolder("c:\\users\\ann\\documents\\letters\\"), "c:\\users\\...\\letters");
  EXPECT_EQ(shortenFolder("c:\\users\\ann\\documents\\letters"), "c:\\users\\...\\letters");
  EXPECT_EQ(shortenFolder(""), "");
  EXPECT_EQ(shortenFolder("c:\\users\\ann\\"), "c:\\users\\...\\ann");
  EXPECT_EQ(shortenFolder("\\\\server\\share\\dir\\"), "\\\\...\\dir");
  // Fewer than three levels are shown as they are.
  EXPECT_EQ(shortenFolder("c:\\"), "c:\\");
  EXPECT_EQ(shortenFolder("c:\\users\\"), "c:\\users\\");
  EXPECT_EQ(shortenFolder("\\"), "\\");
}

TEST(ShortenFolder, FoldersAroundSixtyFourBytesAreShortenedAlike) {
  // Short folders are read 64 bytes at a time; a backslash at either end of
  // that block, and a folder just beyond it, give the same form.
  for (size_t length : {62u, 63u, 64u, 65u, 66u, 130u}) {
    std::string last(length - 16, 'x');
    std::string folder = "c:\\users\\ann\\" + last;  // 13 bytes before the last level
    folder.resize(length - 1);
    std::string expected = "c:\\users\\...\\" + folder.substr(13);
    EXPECT_EQ(shortenFolder(folder + "\\"), expected) << length;
    EXPECT_EQ(shortenFolder(folder), expected) << length - 1;
    EXPECT_EQ(shortenFolder("c:\\" + std::string(length - 4, 'y') + "\\"), "c:\\" + std::string(length - 4, 'y') + "\\")
        << length;
  }
}

// The cells copy a field of the results text in whole blocks; whatever its
// length and wherever it lies (the last field of the text too), a cell holds
// exactly the field, as the plain forms give it.
TEST_F(ResultCellsTest, CellsOfEveryLengthHoldExactlyTheirField) {
  std::vector<ResultRecord> list;
  for (size_t length = 1; length <= 140; ++length) {
    ResultRecord r;
    std::string levels;
    for (size_t i = 0; levels.size() < length; ++i) levels += i % 3 == 0 ? "\\" : std::string(1 + i % 7, 'a' + i % 26);
    levels.resize(length);
    r.Folder = levels;
    r.Name = std::string(length, 'n');
    r.DateText = "0" + std::to_string(length % 10) + "/02/2003" + std::string(length % 20, 'x') + " 04:05";
    // Dates of letters of two bytes, without a blank: 32 bytes and more.
    if (length % 7 == 0) {
      r.DateText.clear();
      for (size_t i = 0; i < length % 31; ++i) r.DateText += "\xC3\xA9";
    }
    r.SizeText = std::to_string(length * 997);
    list.push_back(r);
  }
  finder.results.assign(list);
  for (int shortPath : {0, 1}) {
    for (int time : {0, 1}) {
      finder.settings.ShortPath = shortPath;
      finder.settings.EnableTime = time;
      for (int row = 1; row <= finder.results.count(); ++row) {
        const ResultRecord& r = list[static_cast<size_t>(row - 1)];
        ASSERT_EQ(cellText(finder, row, 1), r.Name) << row;
        ASSERT_EQ(cellText(finder, row, 2), shortPath ? shortenFolder(r.Folder) : r.Folder) << row;
        std::string date(finder.results.dateText(row));  // cut at its capacity
        ASSERT_EQ(cellText(finder, row, 3), time ? date : date.substr(0, date.find(' '))) << row;
        RecordView size;
        size.SizeValue = static_cast<long long>(row) * 997;
        ASSERT_EQ(cellText(finder, row, 4), formatSize(finder, size)) << row;
      }
    }
  }
}

TEST_F(ResultCellsTest, CellsFollowTheSettings) {
  ResultRecord folder;
  folder.Name = "letters";
  folder.Folder = "c:\\users\\ann\\documents\\";
  folder.DateText = "03/04/2024 10:15";
  folder.IsFolder = 1;
  ResultRecord file;
  file.Name = "a.txt";
  file.Folder = "c:\\";
  file.DateText = "03/04/2024 10:15";
  file.SizeText = "1500";
  file.SizeValue = 1500;
  finder.results.assign({folder, file});
  EXPECT_EQ(cellText(finder, 1, 1), "(f) letters");
  EXPECT_EQ(cellText(finder, 1, 2), "c:\\users\\...\\documents");
  EXPECT_EQ(cellText(finder, 1, 4), "");
  EXPECT_EQ(cellText(finder, 2, 4), "2 KB");
  finder.settings.ShortPath = 0;
  finder.settings.EnableTime = 0;
  EXPECT_EQ(cellText(finder, 1, 2), "c:\\users\\ann\\documents\\");
  EXPECT_EQ(cellText(finder, 1, 3), "03/04/2024");
  EXPECT_EQ(cellText(finder, 3, 1), "");  // a row that is not there
  EXPECT_EQ(rowImage(finder, 1), 0);
  EXPECT_EQ(rowImage(finder, 2), -1);
  EXPECT_EQ(rowImage(finder, 3), -1);
  finder.results.resetToSingle(kLoadingName);
  EXPECT_EQ(cellText(finder, 1, 4), "");
  EXPECT_EQ(statusText(finder, 1), "  1  Loading ...      ");
}
