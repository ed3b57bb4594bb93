#include <gtest/gtest.h>

#include <cstdio>

#include "common/text.h"
#include "e2e/finder_session_win32.h"
#include "e2e/printed_pages_win32.h"

using namespace e2e;

namespace {

std::string name(int i) {
  char text[32];
  std::snprintf(text, sizeof(text), "item%02d.txt", i);
  return text;
}

void writeResults(const ScratchFolder& folder, int count) {
  std::string rows = "Size,Date Modified,Filename\r\n";
  for (int i = 1; i <= count; ++i) rows += "1,01/02/2024 03:04,\"C:\\Print\\" + name(i) + "\"\r\n";
  writeFile(folder.file(L"results.txt"), rows);
}

// The names on the pages, in their order.
std::vector<std::string> namesOn(const std::string& page) {
  std::vector<std::string> names;
  for (const std::string& word : common::split(common::replaceAll(page, "\n", " "), " "))
    if (word.rfind("item", 0) == 0) names.push_back(word);
  return names;
}

std::vector<std::string> expectedNames(int count) {
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) names.push_back(name(i));
  return names;
}

}  // namespace

TEST(FinderPrint, BothFontsPrintTheNamesUpToTheLimitOverAllPagesAndTheClipboardHoldsThem) {
  ASSERT_EQ(printerState(), "cups-pdf") << "run through scripts/e2e, which starts the test printer";
  ScratchFolder folder;
  writeResults(folder, 60);
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nPrintFont=0\r\nMaxPrintLines=50\r\nFontSize=48\r\n");
  PrintOutput printed;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());

  pressChord({VK_CONTROL}, 'P');
  ASSERT_TRUE(finder.waitToSay("Printing With Small Font ..."));
  PrintedDocument small;
  ASSERT_TRUE(printed.waitForDocument(small, 120s));
  std::vector<std::string> all;
  for (const std::string& page : small.pages)
    for (const std::string& n : namesOn(page)) all.push_back(n);
  EXPECT_EQ(all, expectedNames(50)) << small.pdf;
  EXPECT_LT(small.pageWidth, small.pageHeight) << "portrait";
  ASSERT_TRUE(waitUntil([] { return clipboardText().size() > 11; }, 10s));
  std::string names;
  for (int i = 1; i <= 50; ++i) names += name(i) + (i < 50 ? "\r\n" : "");
  EXPECT_EQ(clipboardText(), names);

  pressChord({VK_CONTROL, VK_SHIFT}, 'P');
  ASSERT_TRUE(finder.waitToSay("Print With Visual Font is ON"));
  pressChord({VK_CONTROL}, 'P');
  ASSERT_TRUE(finder.waitToSay("Printing With Visual Font ..."));
  PrintedDocument large;
  ASSERT_TRUE(printed.waitForDocument(large, 120s));
  ASSERT_GE(large.pages.size(), 2u) << "48-point names take several pages";
  all.clear();
  for (size_t p = 0; p < large.pages.size(); ++p) {
    std::vector<std::string> onPage = namesOn(large.pages[p]);
    all.insert(all.end(), onPage.begin(), onPage.end());
    // Every page is full but the last.
    if (p + 1 < large.pages.size()) {
      EXPECT_EQ(onPage.size(), namesOn(large.pages[0]).size()) << p;
    }
  }
  EXPECT_EQ(all, expectedNames(50)) << large.pdf;
  EXPECT_LT(large.pageWidth, large.pageHeight) << "portrait";
  double smallHeight = wordHeight(small.pdf, "item01.txt");
  double largeHeight = wordHeight(large.pdf, "item01.txt");
  EXPECT_GT(smallHeight, 0);
  EXPECT_NEAR(largeHeight / smallHeight, 4.0, 0.5) << smallHeight << " " << largeHeight;
  ASSERT_TRUE(finder.close());
}

TEST(FinderPrint, WithoutAPrinterTheUserIsToldAndTheClipboardIsKept) {
  if (printerState() != "none") GTEST_SKIP() << "needs the print server down (scripts/e2e runs it so first)";
  ScratchFolder folder;
  writeResults(folder, 3);
  FinderSession finder(folder);
  ASSERT_TRUE(finder.startReadyForKeys());
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const wchar_t kept[] = L"mine";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(kept));
  memcpy(GlobalLock(memory), kept, sizeof(kept));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  // The first program of a new Wine prefix has once lost the chord on a loaded
  // machine; a chord that is heard is what this test is not about.
  pressChord({VK_CONTROL}, 'P');
  if (!finder.waitToSay("Printing With Small Font ...", 10s)) {
    ASSERT_TRUE(bringToFront(finder.window()));
    pressChord({VK_CONTROL}, 'P');
  }
  ASSERT_TRUE(finder.waitToSay("No Printer Attached!"));
  EXPECT_TRUE(finder.saidSomething("Printing With Small Font ..."));
  EXPECT_EQ(clipboardText(), "mine");
  ASSERT_TRUE(finder.close());
}
