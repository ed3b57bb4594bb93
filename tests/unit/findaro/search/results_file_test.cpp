#include "findaro/records/results_reader.h"
#include "findaro/search/results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "findaro/view/result_cells.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class ResultsFileTest : public FinderTest {
 protected:
  void writeResults(const std::string& text) { files.files["results.txt"] = text; }
  void load(const std::string& text) {
    writeResults(text);
    loadResultsFile(finder);
  }
  RecordView row(int r) const { return finder.results.at(r); }
};

TEST_F(ResultsFileTest, ReadsTheOlderClientsLayout) {
  load("Size,Date Modified,Filename\r\n"
       "1500,05/17/2023 10:30,\"C:\\Users\\Ann\\Report.TXT\"\r\n"
       ",05/18/2023 09:00,\"C:\\Users\\Ann\\Letters\"\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "report.txt");  // every name in lower case
  EXPECT_EQ(row(1).Folder, "c:\\users\\ann\\");
  EXPECT_EQ(row(1).SizeText, "1500");
  EXPECT_EQ(row(1).SizeValue, 1500);
  EXPECT_EQ(row(1).DateText, "05/17/2023 10:30");
  EXPECT_EQ(row(1).IsFolder, 0);
  EXPECT_EQ(finder.results.dateKeyText(1), "2023/05/17 10:30");
  EXPECT_EQ(row(2).Name, "letters");
  EXPECT_EQ(row(2).IsFolder, 1);
  EXPECT_EQ(list.columns[1].title, "Name  (2)");
  EXPECT_EQ(list.items, 2);
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(window.focused, Focus::ResultsList);
  EXPECT_TRUE(calls.called("build toolbar"));
}

TEST_F(ResultsFileTest, AHeaderAloneOrNoFileGivesThePlaceholder) {
  load("Size,Date Modified,Filename\r\n");
  EXPECT_TRUE(finder.results.isPlaceholder());
  EXPECT_EQ(list.columns[1].title, "Name  (0)");
  files.files.clear();
  loadResultsFile(finder);
  EXPECT_TRUE(finder.results.isPlaceholder());
  EXPECT_EQ(files.files.at("results.txt"), "");  // created empty
}

TEST_F(ResultsFileTest, LineBreaksAtBothEndsAndEmptyLinesAreSkipped) {
  load("\r\n\r\nSize,Date Modified,Filename\r\n\r\n10,01/02/2024 03:04,c:\\a.txt\r\n\r\n\r\n");
  ASSERT_EQ(finder.results.count(), 1);
  EXPECT_EQ(row(1).Name, "a.txt");
}

TEST_F(ResultsFileTest, ReadsTheNewerClientsLayoutByItsHeader) {
  load("Filename,Size,Date Modified\r\n"
       "\"C:\\Data\\Photos\\\",,5/17/2023 10:30:15 PM\r\n"
       "\"C:\\Data\\Big.iso\",3221225472,5/17/2023 9:05:00 AM\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "photos");  // the folder keeps its name despite the final backslash
  EXPECT_EQ(row(1).Folder, "c:\\data\\");
  EXPECT_EQ(row(1).IsFolder, 1);
  EXPECT_EQ(row(1).DateText, "5/17/2023 10:30:15 PM");  // as written
  EXPECT_EQ(finder.results.dateKeyText(1), "2023/05/17 22:30:15");
  EXPECT_EQ(row(2).SizeValue, 3221225472LL);  // 3 GiB, not negative
  EXPECT_EQ(finder.results.dateKeyText(2), "2023/05/17 09:05:00");
}

TEST_F(ResultsFileTest, SizesReadTheSameWhereverTheirFieldLies) {
  // Quoted, beside the date, or far from it behind a long column of its own.
  load("Size,Comment,Date Modified,Filename\r\n"
       "\"1500\",c,05/17/2023 10:30,\"C:\\a.txt\"\r\n"
       "2500," + std::string(300, 'x') + ",05/17/2023 10:30,\"C:\\b.txt\"\r\n"
       "0042,,05/17/2023 10:30,\"C:\\c.txt\"\r\n"
       "999999999999,,,\"C:\\d.txt\"\r\n");
  ASSERT_EQ(finder.results.count(), 4);
  EXPECT_EQ(row(1).SizeText, "1500");
  EXPECT_EQ(row(1).SizeValue, 1500);
  EXPECT_EQ(row(2).SizeText, "2500");
  EXPECT_EQ(row(2).SizeValue, 2500);
  EXPECT_EQ(row(3).SizeText, "0042");
  EXPECT_EQ(row(3).SizeValue, 42);
  EXPECT_EQ(row(4).SizeValue, 999999999999LL);
  EXPECT_EQ(cellText(finder, 2, 4), "2 KB");  // half way goes to even
  EXPECT_EQ(cellText(finder, 4, 4), "1,000,000,000 KB");
  finder.results.sortByColumn(4, true);
  EXPECT_EQ(row(1).Name, "d.txt");
  EXPECT_EQ(row(4).Name, "c.txt");
}

TEST_F(ResultsFileTest, ACustomSearchThatNamesOnlyTheFileGivesNamesAndFolders) {
  load("Filename\r\n\"C:\\Music\\Song.mp3\"\r\n\"C:\\Music\\Albums\\\"\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "song.mp3");
  EXPECT_EQ(row(1).Folder, "c:\\music\\");
  EXPECT_EQ(row(1).IsFolder, 0);
  EXPECT_EQ(row(2).Name, "albums");
  EXPECT_EQ(row(2).IsFolder, 1);
}

TEST_F(ResultsFileTest, ACommaInsideAQuotedPathStaysPartOfThePath) {
  load("Size,Date Modified,Filename\r\n12,01/02/2024 03:04,\"C:\\Bills, 2024\\Gas, May.pdf\"\r\n");
  EXPECT_EQ(row(1).Name, "gas, may.pdf");
  EXPECT_EQ(row(1).Folder, "c:\\bills, 2024\\");
}

TEST_F(ResultsFileTest, MalformedLinesGiveEmptyFieldsWithoutHarm) {
  load("Size,Date Modified,Filename\r\nabc\r\n\"\"\r\n7,nodate\r\n,,,,,,,,,,,,,,,,,,,,,,,c:\\x\r\n");
  ASSERT_EQ(finder.results.count(), 3);  // the line of quotes alone is empty
  EXPECT_EQ(row(1).SizeText, "abc");
  EXPECT_EQ(row(1).SizeValue, 0);
  EXPECT_EQ(row(1).Name, "");
  EXPECT_EQ(row(2).DateText, "nodate");
  EXPECT_EQ(finder.results.dateKeyText(2), "date/nodat ");
  EXPECT_EQ(row(3).IsFolder, 1);
}

TEST_F(ResultsFileTest, LongPathsAndFieldsAreCutAtTheirCapacities) {
  std::string longPath = "c:\\" + std::string(300, 'a') + "\\b.txt";
  std::string path260 = "c:\\" + std::string(251, 'd') + "\\e.txt";  // 260 characters
  load("Size,Date Modified,Filename\r\n" + std::string(40, '9') + "," + std::string(40, 'x') + "," + longPath +
       "\r\n1,d," + path260 + "\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "");
  EXPECT_EQ(row(1).Folder, "");
  EXPECT_EQ(row(1).SizeText.size(), 31u);
  EXPECT_EQ(row(1).DateText.size(), 31u);
  EXPECT_EQ(row(2).Name, "e.txt");
  EXPECT_EQ(row(2).Folder.size(), 255u);
}

TEST_F(ResultsFileTest, TheIgnoreListDropsExtensionsItContainsAndKeepsThoseWithout) {
  finder.settings.UseIgnoreList = 1;
  finder.settings.IgnoreList = ".lnk .tmp";
  load("Size,Date Modified,Filename\r\n1,d,c:\\a.lnk\r\n2,d,c:\\b.lnk2\r\n3,d,c:\\readme\r\n,d,c:\\docs\r\n"
       "4,d,c:\\c.tmp\r\n5,d,c:\\v1.0\\notes\r\n6,d,c:\\x.LNK\r\n");
  std::vector<std::string> kept;
  for (int r = 1; r <= finder.results.count(); ++r) kept.emplace_back(row(r).Name);
  // ".lnk2" does not stand in the list; the dot of a folder is not an extension;
  // the path is lower-cased, so ".LNK" is dropped too.
  EXPECT_EQ(kept, (std::vector<std::string>{"b.lnk2", "readme", "docs", "notes"}));
  finder.settings.UseIgnoreList = 0;
  loadResultsFile(finder);
  EXPECT_EQ(finder.results.count(), 7);
}

TEST_F(ResultsFileTest, NamesOutsideAsciiAreReadAsUtf8AndLowerCased) {
  load("Size,Date Modified,Filename\r\n1,d,\"C:\\Fotos\\\xC3\x84RGER \xD0\x9C\xD0\x98\xD0\xA0.JPG\"\r\n");
  EXPECT_EQ(row(1).Name, "\xC3\xA4rger \xD0\xBC\xD0\xB8\xD1\x80.jpg");
  load("\xEF\xBB\xBFSize,Date Modified,Filename\r\n1,d,\"C:\\\xC3\x89t\xC3\xA9.txt\"\r\n");
  EXPECT_EQ(row(1).Name, "\xC3\xA9t\xC3\xA9.txt");
}

TEST_F(ResultsFileTest, TextThatIsNotUtf8IsTakenInTheAnsiCodePage) {
  load("Size,Date Modified,Filename\r\n1,d,C:\\\xC9T\xC9.txt\r\n");  // Latin-1 bytes
  EXPECT_EQ(row(1).Name, "\xC3\xA9t\xC3\xA9.txt");
}

TEST_F(ResultsFileTest, LowerCasingThatLengthensTextStillGivesTheRightRecords) {
  // A lower-casing that makes letters much longer forces the reader off its in-place path.
  auto repeat = [](std::string_view run) {
    std::string out;
    for (int i = 0; i < 20; ++i) out += run;
    return out;
  };
  ResultsFileRules rules;
  rules.lowerCase = repeat;
  ReadResults read = readResultsText(
      "Size,Date Modified,Filename\r\n1,d,c:\\\xC3\x84.txt\r\n2,e,c:\\b\\\xC3\x96\xC3\x96.txt\r\n", rules);
  ASSERT_EQ(read.records.size(), 2u);
  ResultRecords records;
  records.adopt(std::move(read.text), std::move(read.records));
  EXPECT_EQ(records.at(1).Name, repeat("\xC3\x84") + ".txt");
  EXPECT_EQ(records.at(1).Folder, "c:\\");
  EXPECT_EQ(records.at(2).Name, repeat("\xC3\x96\xC3\x96") + ".txt");
  EXPECT_EQ(records.at(2).Folder, "c:\\b\\");
  EXPECT_EQ(records.at(2).DateText, "e");
  EXPECT_EQ(records.at(2).SizeValue, 2);
}

TEST_F(ResultsFileTest, AFileTooLargeForMemoryIsSaidAndTheListKeepsItsRecords) {
  load("Size,Date Modified,Filename\r\n1,d,c:\\a.txt\r\n");
  files.tooLargeToRead.insert("results.txt");
  loadResultsFile(finder);
  EXPECT_EQ(voice.lastText(), "Too Many Results");
  EXPECT_EQ(row(1).Name, "a.txt");
  EXPECT_EQ(files.files.count("results.txt"), 1u);
}

// A file large enough to be read in parts side by side gives the records its
// lines give one by one, in the file's order: quotes, stray carriage returns,
// letters outside ASCII, lower-casing that lengthens them, ignored extensions.
TEST_F(ResultsFileTest, ALargeFileReadInPartsGivesTheRecordsOfItsLines) {
  const char* lines[] = {"1,01/02/2024 03:04,\"C:\\Docs\\Report.TXT\"",
                         "22,01/02/2024 03:05,C:\\Plain\\Deeper\\Still\\Path.doc",
                         "333,\"01/02/2024\" 03:06,\"C:\\Fotos\\Trip\\Day\\\xC3\x84rger \"\"x\"\".jpg\"",
                         "4,d\r,c:\\cr\\inside.txt",
                         ",,c:\\Folder\\In\\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\\Long\\",
                         "5,d,c:\\skip\\me.tmp",
                         "6,d,\"c:\\comma, here\\\xD0\x9C\xD0\x98\xD0\xA0.txt\"",
                         "\"\"",
                         ""};
  auto lengthen = [](std::string_view run) { return std::string(run) + std::string(run); };
  ResultsFileRules rules;
  rules.useIgnoreList = true;
  rules.ignoreList = ".tmp";
  rules.lowerCase = lengthen;
  std::string header = "Size,Date Modified,Filename\r\n";
  std::string big = header;
  std::vector<int> kinds;
  std::mt19937 random(3);
  while (big.size() < 1200000) {
    int kind = static_cast<int>(random() % 9);
    kinds.push_back(kind);
    big += lines[kind];
    big += random() % 2 ? "\r\n" : "\n";
  }
  ReadResults all = readResultsText(big, rules);
  ResultRecords records;
  records.adopt(std::move(all.text), std::move(all.records));
  std::vector<ResultRecord> alone;
  for (int kind : kinds) {
    ReadResults one = readResultsText(header + lines[kind] + "\r\n", rules);
    if (one.records.empty()) continue;
    ResultRecords single;
    single.adopt(std::move(one.text), std::move(one.records));
    RecordView v = single.at(1);
    alone.push_back({std::string(v.Name), std::string(v.Folder), std::string(v.DateText), std::string(v.SizeText),
                     v.SizeValue, v.IsFolder});
  }
  ASSERT_EQ(static_cast<size_t>(records.count()), alone.size());
  for (int r = 1; r <= records.count(); ++r) {
    RecordView v = records.at(r);
    const ResultRecord& expected = alone[static_cast<size_t>(r - 1)];
    ASSERT_EQ(v.Name, expected.Name) << r;
    ASSERT_EQ(v.Folder, expected.Folder) << r;
    ASSERT_EQ(v.DateText, expected.DateText) << r;
    ASSERT_EQ(v.SizeText, expected.SizeText) << r;
    ASSERT_EQ(v.IsFolder, expected.IsFolder) << r;
  }
  // The folder column's short form kept with each record is the one made from its text.
  finder.results = std::move(records);
  for (int r = 1; r <= finder.results.count(); ++r)
    ASSERT_EQ(cellText(finder, r, 2), shortenFolder(finder.results.at(r).Folder)) << r;
  // Ignored extensions, the line of quotes alone and empty lines give no record.
  size_t skipped = static_cast<size_t>(std::count_if(kinds.begin(), kinds.end(), [](int k) { return k >= 7 || k == 5; }));
  EXPECT_EQ(alone.size(), kinds.size() - skipped);
  auto lengthened = std::find_if(alone.begin(), alone.end(),
                                 [](const ResultRecord& r) { return r.Name == "\xC3\x84\xC3\x84rger x.jpg"; });
  EXPECT_NE(lengthened, alone.end());
}

TEST_F(ResultsFileTest, FocusOnTheSearchTermReturnsTheFocusAfterLoading) {
  finder.settings.FocusOnRE = 1;
  load("Size,Date Modified,Filename\r\n1,d,c:\\a\r\n");
  EXPECT_EQ(window.focused, Focus::SearchBox);
  EXPECT_EQ(calls.calls.back(), "focus search box");
}

TEST_F(ResultsFileTest, SortingFlipsDirectionOnEveryClickWhateverTheColumn) {
  load("Size,Date Modified,Filename\r\n"
       "300,01/05/2024 10:00,c:\\b\\beta.txt\r\n"
       "100,12/31/2023 23:59,c:\\a\\alpha.txt\r\n"
       "3221225472,02/01/2024 08:00,c:\\c\\gamma.iso\r\n");
  sortResults(finder, 1);  // first click: descending
  EXPECT_EQ(row(1).Name, "gamma.iso");
  EXPECT_EQ(row(3).Name, "alpha.txt");
  sortResults(finder, 1);
  EXPECT_EQ(row(1).Name, "alpha.txt");
  sortResults(finder, 4);  // descending again: largest first, beyond 2 GiB
  EXPECT_EQ(row(1).Name, "gamma.iso");
  EXPECT_EQ(row(3).Name, "alpha.txt");
  sortResults(finder, 3);  // ascending by date: the year counts first
  EXPECT_EQ(row(1).Name, "alpha.txt");
  EXPECT_EQ(row(3).Name, "gamma.iso");
  sortResults(finder, 9);  // sorts nothing but still flips
  EXPECT_TRUE(finder.sortDescending);
  EXPECT_EQ(list.selected, 1);
}

TEST_F(ResultsFileTest, ReloadingBringsBackTheFilesOrder) {
  load("Size,Date Modified,Filename\r\n1,d,c:\\b\r\n2,d,c:\\a\r\n");
  sortResults(finder, 2);
  sortResults(finder, 1);
  EXPECT_EQ(row(1).Name, "a");
  reloadLastResults(finder);
  EXPECT_EQ(row(1).Name, "b");
}

TEST_F(ResultsFileTest, APathEndingInABackslashIsAFolderWhateverTheSizeColumnHolds) {
  // Newer clients write folder sizes when the engine indexes them.
  load("Filename,Size,Date Modified\r\n\"C:\\x\\Texas Photos\\\",10,6/1/2025 12:00:00 PM\r\n"
       "\"C:\\x\\Texas.txt\",10,6/1/2025 12:00:00 PM\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "texas photos");
  EXPECT_EQ(row(1).IsFolder, 1);
  EXPECT_EQ(cellText(finder, 1, 1), "(f) texas photos");
  EXPECT_EQ(cellText(finder, 1, 4), "");
  EXPECT_EQ(row(2).IsFolder, 0);
  load("Size,Date Modified,Filename\r\n4096,06/01/2025 12:00,\"C:\\x\\Photos\\\"\r\n");
  EXPECT_EQ(row(1).IsFolder, 1);
  EXPECT_EQ(row(1).Name, "photos");
}

TEST_F(ResultsFileTest, InAFoldersSearchEveryRowIsAFolderWhateverItsSize) {
  // The older client's layout, from an engine that indexes folder sizes: a size
  // and no final backslash.
  const std::string folders = "Size,Date Modified,Filename\r\n10,01/01/2026 12:00,\"C:\\x\\texas\"\r\n";
  finder.settings.LastSearchType = kModeFolders;
  load(folders);
  EXPECT_EQ(row(1).IsFolder, 1);
  EXPECT_EQ(cellText(finder, 1, 1), "(f) texas");
  EXPECT_EQ(cellText(finder, 1, 4), "");
  // The same line from a search of files and folders is a file.
  finder.settings.LastSearchType = kModeBoth;
  load(folders);
  EXPECT_EQ(row(1).IsFolder, 0);
  EXPECT_EQ(cellText(finder, 1, 4), "1 KB");
}

TEST_F(ResultsFileTest, LinesEndAtCrLfOrLfAndALoneCrIsDropped) {
  load("Size,Date Modified,Filename\n1,d,c:\\a.txt\n2,d,c:\\b.txt\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(2).Name, "b.txt");

  load("Size,Date Modified,Filename\r\r\n1,d,c:\\a.txt\r\r\n2,d,c:\\b.txt\r\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "a.txt");
  EXPECT_EQ(row(2).Name, "b.txt");

  // A stray CR, then the closing quote, then LF: still two results.
  load("Size,Date Modified,Filename\r\n1,d,\"c:\\a.txt\r\"\n2,d,\"c:\\b\rx.txt\"\r\n");
  ASSERT_EQ(finder.results.count(), 2);
  EXPECT_EQ(row(1).Name, "a.txt");
  EXPECT_EQ(row(2).Name, "bx.txt");
  EXPECT_EQ(row(2).SizeValue, 2);

  load("\n\r\nSize,Date Modified,Filename\n\n1,d,c:\\a.txt\r\n\n");
  ASSERT_EQ(finder.results.count(), 1);
  EXPECT_EQ(row(1).Name, "a.txt");
}

TEST_F(ResultsFileTest, TheDateIsShownExactlyAsTheClientWroteIt) {
  load("Size,Date Modified,Filename\r\n1,6/1/2025 9:15:00 PM,c:\\A.TXT\r\n");
  EXPECT_EQ(row(1).Name, "a.txt");
  EXPECT_EQ(row(1).DateText, "6/1/2025 9:15:00 PM");
  EXPECT_EQ(cellText(finder, 1, 3), "6/1/2025 9:15:00 PM");
  EXPECT_EQ(finder.results.dateKeyText(1), "2025/06/01 21:15:00");
}
