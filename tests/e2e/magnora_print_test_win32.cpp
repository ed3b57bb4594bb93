#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "e2e/magnora_session_win32.h"
#include "e2e/printed_pages_win32.h"

using namespace e2e;

namespace {

const wchar_t* kFinderWords = L"96 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1 0 0";
constexpr int kPrintScreen = 531;

bool saidSomething(const MagnoraSession& bar, const std::string& piece) {
  for (const std::string& line : bar.audioLog())
    if (line.find(piece) != std::string::npos) return true;
  return false;
}

// The share of the page's pixels, rendered small, whose red, green and blue agree.
double greyShare(const std::string& pdf) {
  std::string image;
  const std::string root = pdf + "-page";
  if (runHostCommand("pdftoppm -r 12 -singlefile '" + pdf + "' '" + root + "' && cat '" + root + ".ppm'; rm -f '" +
                         root + ".ppm'",
                     &image, 60s) != 0)
    return 0;
  // "P6\n<width> <height>\n255\n" and then the pixels.
  size_t at = 0;
  for (int fields = 0; fields < 4 && at < image.size(); ++fields) {
    while (at < image.size() && std::isspace(static_cast<unsigned char>(image[at]))) ++at;
    while (at < image.size() && !std::isspace(static_cast<unsigned char>(image[at]))) ++at;
  }
  ++at;
  size_t pixels = 0;
  size_t grey = 0;
  for (; at + 2 < image.size(); at += 3, ++pixels) {
    int r = static_cast<unsigned char>(image[at]);
    int g = static_cast<unsigned char>(image[at + 1]);
    int b = static_cast<unsigned char>(image[at + 2]);
    grey += std::abs(r - g) <= 3 && std::abs(g - b) <= 3;
  }
  return pixels ? static_cast<double>(grey) / pixels : 0;
}

}  // namespace

TEST(MagnoraPrint, TheDesktopIsPrintedInGreyOnOneLandscapePage) {
  ASSERT_EQ(printerState(), "cups-pdf") << "run through scripts/e2e, which starts the test printer";
  ScratchFolder folder;
  PrintOutput printed;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(kFinderWords));
  bar.press(kPrintScreen);
  ASSERT_TRUE(waitUntil([&] { return saidSomething(bar, "Printing DeskTop"); }, 30s));
  PrintedDocument page;
  ASSERT_TRUE(printed.waitForDocument(page, 120s));
  EXPECT_GT(page.pageWidth, page.pageHeight) << "landscape: " << page.pageWidth << " x " << page.pageHeight;
  EXPECT_EQ(page.images, 1) << page.pdf;
  EXPECT_EQ(page.pages.size(), 1u);
  // The bar's coloured buttons are on the screen, but not on the paper.
  EXPECT_GT(greyShare(page.pdf), 0.99);
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

TEST(MagnoraPrint, WithoutAPrinterItSaysSo) {
  if (printerState() != "none") GTEST_SKIP() << "needs the print server down (scripts/e2e runs it so first)";
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(kFinderWords));
  bar.press(kPrintScreen);
  EXPECT_TRUE(waitUntil([&] { return saidSomething(bar, "No Printer Attached!"); }, 30s));
  EXPECT_FALSE(saidSomething(bar, "Printing DeskTop"));
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}
