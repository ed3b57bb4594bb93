#include "common/screen/screen_fit.h"

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
  for (Rect window : {Rect{50, 60, 1250, 760}, kFullHd, Rect{320, 280, 1920, 1080}})
    EXPECT_EQ(fitIntoWorkArea(window, kFullHd), window);
}

// Made centred at 1250 pixels wide and then given 1600, the window's right edge
// lay 15 pixels past a full-HD screen; a laptop taken off its dock leaves a place
// on a monitor that is gone. Each moves in by the least distance, its size kept.
TEST(ScreenFit, AWindowNotWhollyInsideMovesInByTheLeastDistance) {
  EXPECT_EQ(fitIntoWorkArea(Rect{335, 140, 1935, 940}, kFullHd), (Rect{320, 140, 1920, 940}));
  EXPECT_EQ(fitIntoWorkArea(Rect{2600, 1400, 3400, 1900}, kLaptop), (Rect{566, 228, 1366, 728}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-2500, 100, -1700, 600}, kLaptop), (Rect{0, 100, 800, 600}));
  EXPECT_EQ(fitIntoWorkArea(Rect{300, -900, 1100, -400}, kLaptop), (Rect{300, 0, 1100, 500}));
}

TEST(ScreenFit, ASideLongerThanTheWorkAreaShrinksToItAndTheOtherStays) {
  EXPECT_EQ(fitIntoWorkArea(Rect{183, 0, 1783, 800}, kLaptop), kLaptop);
  EXPECT_EQ(fitIntoWorkArea(Rect{-200, 100, 1400, 600}, kLaptop), (Rect{0, 100, 1366, 600}));
  EXPECT_EQ(fitIntoWorkArea(Rect{100, -50, 900, 1950}, kLaptop), (Rect{100, 0, 900, 728}));
}

// A second monitor left of the primary has negative coordinates, and a taskbar at
// the top moves the work area's corner off the screen's.
TEST(ScreenFit, AWorkAreaAwayFromTheOriginIsHonoured) {
  const Rect leftMonitor{-1920, 40, 0, 1080};
  EXPECT_EQ(fitIntoWorkArea(Rect{-2000, 0, -1200, 500}, leftMonitor), (Rect{-1920, 40, -1120, 540}));
  EXPECT_EQ(fitIntoWorkArea(Rect{-500, 600, 300, 1100}, leftMonitor), (Rect{-800, 580, 0, 1080}));
}

// Without a work area there is nothing to fit to; and a hand-edited place at the
// ends of the integers comes back on the screen rather than wrapping round.
TEST(ScreenFit, NoWorkAreaChangesNothingAndExtremePlacesComeBack) {
  EXPECT_EQ(fitIntoWorkArea(Rect{2600, 1400, 3400, 1900}, Rect{}), (Rect{2600, 1400, 3400, 1900}));
  const int most = std::numeric_limits<int>::max();
  const int least = std::numeric_limits<int>::min();
  EXPECT_EQ(fitIntoWorkArea(Rect{most - 800, most - 500, most, most}, kLaptop), (Rect{566, 228, 1366, 728}));
  EXPECT_EQ(fitIntoWorkArea(Rect{least, 0, most, 100}, kLaptop), (Rect{0, 0, 1366, 100}));
}
