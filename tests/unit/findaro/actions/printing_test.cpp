#include "findaro/actions/printing.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class PrintingTest : public FinderTest {
 protected:
  void results(int count) {
    std::vector<ResultRecord> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      rows[static_cast<size_t>(i)].Name = "file" + std::to_string(i + 1) + ".txt";
      rows[static_cast<size_t>(i)].Folder = "c:\\f\\";
    }
    finder.results.assign(rows);
  }
  std::vector<size_t> pageSizes() const {
    std::vector<size_t> sizes;
    for (const auto& page : printer.pages) sizes.push_back(page.size());
    return sizes;
  }
};

TEST_F(PrintingTest, SmallFontPrintsEveryNameAndCopiesThemWithoutATrailingBreak) {
  results(3);
  finder.settings.PrintFont = 0;
  finder.settings.MaxPrintLines = 0;
  runCommand(finder, 535);
  EXPECT_EQ(voice.spoken.front().text, "Printing With Small Font ...");
  EXPECT_EQ(printer.font, "Arial Black 12");
  EXPECT_EQ(printer.pages, (std::vector<std::vector<std::string>>{{"file1.txt", "file2.txt", "file3.txt"}}));
  EXPECT_TRUE(printer.ended);
  EXPECT_EQ(clipboard.text(), "file1.txt\r\nfile2.txt\r\nfile3.txt");
  EXPECT_EQ(sound.beeps.size(), 1u);
}

TEST_F(PrintingTest, TheVisualFontIsTheScreensFontAndSize) {
  results(1);
  finder.settings.PrintFont = 1;
  finder.settings.FontName = "Verdana";
  finder.settings.FontSize = 36;
  runCommand(finder, 516);
  EXPECT_EQ(voice.spoken.front().text, "Printing With Visual Font ...");
  EXPECT_EQ(printer.font, "Verdana 36");
}

TEST_F(PrintingTest, PagesBreakWhenFullAndAFullLastPageHasNoEmptyOneAfterIt) {
  printer.pageLines = 4;
  finder.settings.MaxPrintLines = 0;
  results(10);
  printResults(finder);
  EXPECT_EQ(pageSizes(), (std::vector<size_t>{4, 4, 2}));
  results(8);
  printResults(finder);
  EXPECT_EQ(pageSizes(), (std::vector<size_t>{4, 4}));
}

TEST_F(PrintingTest, TheLimitCountsLinesOverAllPages) {
  printer.pageLines = 4;
  finder.settings.MaxPrintLines = 10;
  results(25);
  printResults(finder);
  EXPECT_EQ(pageSizes(), (std::vector<size_t>{4, 4, 2}));
  EXPECT_EQ(printer.pages.back().back(), "file10.txt");
  EXPECT_EQ(clipboard.text()->substr(clipboard.text()->size() - 10), "file10.txt");

  finder.settings.MaxPrintLines = 3;
  printResults(finder);
  EXPECT_EQ(pageSizes(), (std::vector<size_t>{3}));
}

TEST_F(PrintingTest, WithoutAPrinterTheUserIsToldAndTheClipboardStays) {
  results(2);
  clipboard.setText("mine");
  printer.available = false;
  runCommand(finder, 535);
  EXPECT_EQ(voice.lastText(), "No Printer Attached!");
  EXPECT_EQ(clipboard.text(), "mine");
  EXPECT_FALSE(printer.ended);
}
