#include "common/screen_fit.h"

#include <gtest/gtest.h>

#include <limits>

using common::fitIntoWorkArea;
using common::Rect;

namespace {

const Rect kFullHd{0, 0, 1920, 1080};
// A common laptop screen with the taskbar along the bottom.
const Rect kLaptop{0, 0, 1366, 728};

}  // namespace

TEST(ScreenFit, AWindowThatFitsIsLeftExactlyAsItIs) {
  for (Rect window : {Rect{50, 60, 1250, 760}, Rect{0, 0, 1920, 1080}, Rect{320, 280, 1920, 1080}}) {
    EXPECT_EQ(fitIntoWorkArea(window, kFullHd), window);
  }
}

// The window is made where the system puts it, then takes its saved or default
// size: on a full-HD screen its right edge lay 15 pixels past the screen.
TEST(ScreenFit, AWindowPartlyPastAnEdgeMovesInByTheLeastDistanceAndKeepsItsSize) {
  EXPECT_EQ(fitIntoWorkArea(Rect{335, 140, 1935, 940}, kFullHd), (Rect{320, 140, 1920, 940}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-40, -30, 760, 470}, kFullHd), (Rect{0, 0, 800, 500}));
  EXPECT_EQ(fitIntoWorkArea(Rect{1500, 900, 2300, 1400}, kFullHd), (Rect{1120, 580, 1920, 1080}));
}

TEST(ScreenFit, ASizeLargerThanTheWorkAreaShrinksToIt) {
  EXPECT_EQ(fitIntoWorkArea(Rect{0, 0, 1600, 800}, kLaptop), kLaptop);
  EXPECT_EQ(fitIntoWorkArea(Rect{183, 0, 1783, 800}, kLaptop), kLaptop);
  // Only the side that is too long changes; the other keeps its place and length.
  EXPECT_EQ(fitIntoWorkArea(Rect{-200, 100, 1400, 600}, kLaptop), (Rect{0, 100, 1366, 600}));
  EXPECT_EQ(fitIntoWorkArea(Rect{100, -50, 900, 1950}, kLaptop), (Rect{100, 0, 900, 728}));
}

// A laptop taken off its dock: the place saved on the big monitor is nowhere now.
TEST(ScreenFit, APlaceOnAMonitorThatIsGoneComesBackToTheNearestEdges) {
  EXPECT_EQ(fitIntoWorkArea(Rect{2600, 1400, 3400, 1900}, kLaptop), (Rect{566, 228, 1366, 728}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-2500, 100, -1700, 600}, kLaptop), (Rect{0, 100, 800, 600}));
  EXPECT_EQ(fitIntoWorkArea(Rect{300, -900, 1100, -400}, kLaptop), (Rect{300, 0, 1100, 500}));
}

// A second monitor left of the primary has negative coordinates, and a taskbar at
// the top or left moves the work area's corner off the screen's.
TEST(ScreenFit, AWorkAreaAwayFromTheOriginIsHonoured) {
  const Rect leftMonitor{-1920, 40, 0, 1080};
  EXPECT_EQ(fitIntoWorkArea(Rect{-2000, 0, -1200, 500}, leftMonitor), (Rect{-1920, 40, -1120, 540}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-500, 600, 300, 1100}, leftMonitor), (Rect{-800, 580, 0, 1080}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-1900, 50, -1100, 550}, leftMonitor), (Rect{-1900, 50, -1100, 550}));
}

// Without a work area there is nothing to fit to; guessing one could move a
// window that was where the user left it.
TEST(ScreenFit, AnEmptyWorkAreaChangesNothing) {
  const Rect window{2600, 1400, 3400, 1900};
  EXPECT_EQ(fitIntoWorkArea(window, Rect{}), window);
  EXPECT_EQ(fitIntoWorkArea(window, Rect{100, 100, 100, 700}), window);
}

// A hand-edited place at the ends of the integers must come back on the screen,
// not wrap round past it.
TEST(ScreenFit, PlacesAtTheEndsOfTheIntegersComeBack) {
  const int most = std::numeric_limits<int>::max();
  const int least = std::numeric_limits<int>::min();
  EXPECT_EQ(fitIntoWorkArea(Rect{most - 800, most - 500, most, most}, kLaptop), (Rect{566, 228, 1366, 728}));
  EXPECT_EQ(fitIntoWorkArea(Rect{least, least, least + 800, least + 500}, kLaptop), (Rect{0, 0, 800, 500}));
  EXPECT_EQ(fitIntoWorkArea(Rect{least, 0, most, 100}, kLaptop), (Rect{0, 0, 1366, 100}));
}
