#include "magnora/actions/desktop_print.h"

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::MagnoraTest;

namespace {

std::vector<std::uint8_t> greyOf(std::vector<std::uint8_t> bgra) {
  toGrayscale(bgra.data(), static_cast<int>(bgra.size() / 4), 1);
  return bgra;
}

}  // namespace

TEST(MagnoraGrayscale, PixelsBecomeTheirLumaWithTheFourthByteCleared) {
  EXPECT_EQ(greyOf({255, 255, 255, 255}), (std::vector<std::uint8_t>{255, 255, 255, 0}));
  EXPECT_EQ(greyOf({0, 0, 255, 9}), (std::vector<std::uint8_t>{76, 76, 76, 0}));
  EXPECT_EQ(greyOf({0, 255, 0, 9}), (std::vector<std::uint8_t>{150, 150, 150, 0}));
  EXPECT_EQ(greyOf({255, 0, 0, 9}), (std::vector<std::uint8_t>{29, 29, 29, 0}));
  EXPECT_EQ(greyOf({0, 0, 0, 0, 10, 20, 30, 40}), (std::vector<std::uint8_t>{0, 0, 0, 0, 22, 22, 22, 0}));
}

TEST(MagnoraGrayscale, AWholeBitmapIsConvertedRowsAndAll) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < 6; ++i) pixels.insert(pixels.end(), {0, 0, 255, 255});
  toGrayscale(pixels.data(), 3, 2);
  for (size_t i = 0; i < pixels.size(); i += 4) EXPECT_EQ(pixels[i + 1], 76) << i;
  toGrayscale(nullptr, 3, 2);  // nothing to do, and no harm
}

TEST(MagnoraPrintLayout, A1920By1080ScreenOnA600DpiPage) {
  PageMetrics page{6600, 5100, 600, 600, 100, 60, 100, 40};
  PrintLayout layout = printLayout({1920, 1080}, page);
  EXPECT_EQ(layout.image, (Size{6000, 3375}));
  // (6600 - 6000) / 2 + (100 + 100) / 4 and (5100 - 3375) / 2 = 862.5, to even, + (60 + 40) / 4.
  EXPECT_EQ(layout.origin, (Point{350, 862 + 25}));
  EXPECT_EQ(printTarget(layout), (Rect{350, 887, 6350, 4262}));
}

TEST(MagnoraPrintLayout, HalvesRoundToEven) {
  PageMetrics page{1001, 1003, 100, 100, 1, 3, 1, 3};
  PrintLayout layout = printLayout({1000, 800}, page);
  EXPECT_EQ(layout.image, (Size{1000, 800}));
  // 0.5 -> 0, then 2 / 4 = 0.5 -> 0; 101.5 -> 102, then 6 / 4 = 1.5 -> 2.
  EXPECT_EQ(layout.origin, (Point{0, 104}));
}

TEST(MagnoraPrintLayout, ATallScreenIsFittedByItsHeight) {
  PrintLayout layout = printLayout({1080, 1920}, PageMetrics{3000, 2400, 300, 300, 0, 0, 0, 0});
  EXPECT_EQ(layout.image, (Size{1350, 2400}));
  EXPECT_EQ(printLayout({1920, 1080}, PageMetrics{3000, 2400, 0, 300, 0, 0, 0, 0}).image, (Size{0, 0}));
}

TEST(MagnoraPrintLayout, TheFrameStripIsLeftOut) {
  EXPECT_EQ(printSource({1920, 1080}, {4, 4}), (Rect{3, 1, 1917, 1077}));
}

class MagnoraPrinting : public MagnoraTest {
 protected:
  void SetUp() override { start("0 0 0 0 1"); }
};

TEST_F(MagnoraPrinting, TheDesktopGoesGreyOntoOneLandscapePage) {
  printer.screen = {1920, 1080};
  printer.metrics = {6600, 5100, 600, 600, 100, 60, 100, 40};
  handleCommand(bar, id::kPrintScreen);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Attach Office Laser", "BeginJob Office Laser", "Capture", "Draw",
                            "EndJob", "Speak 3 Printing DeskTop", "Topmost"}));
  EXPECT_TRUE(printer.firstPixelGrey);
  EXPECT_EQ(printer.source, (Rect{3, 1, 1917, 1077}));
  EXPECT_EQ(printer.target, (Rect{350, 887, 6350, 4262}));
}

TEST_F(MagnoraPrinting, NoPrinterOrAPdfWriterIsNoPrinter) {
  for (std::string name : {"", "Microsoft Print to PDF", "PDFCreator"}) {
    printer.name = name;
    events.clear();
    handleCommand(bar, id::kPrintScreen);
    EXPECT_EQ(events, (Events{"Beep 250 300", "Speak 3 No Printer Attached!", "Topmost"})) << name;
  }
  printer.name = "pdf-lab";
  EXPECT_TRUE(hasRealPrinter(bar));
  printer.attachable = false;
  EXPECT_FALSE(hasRealPrinter(bar));
}

TEST_F(MagnoraPrinting, APrinterThatWillNotOpenEndsSilently) {
  printer.jobOpens = false;
  handleCommand(bar, id::kPrintScreen);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Attach Office Laser", "BeginJob Office Laser", "Topmost"}));
}
