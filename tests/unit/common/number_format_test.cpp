#include "common/number_format.h"

#include <gtest/gtest.h>

#include <climits>

using common::formatNumber;
using common::groupThousands;
using common::readNumber;

TEST(NumberFormat, WritesLeadingBlankForZeroAndAboveAndMinusBelow) {
  EXPECT_EQ(formatNumber(48), " 48");
  EXPECT_EQ(formatNumber(0), " 0");
  EXPECT_EQ(formatNumber(-3), "-3");
  EXPECT_EQ(common::plainNumber(25), "25");
}

TEST(NumberFormat, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(readNumber("+3"), 3);
  EXPECT_EQ(readNumber(" 3"), 3);
  EXPECT_EQ(readNumber("-3"), -3);
  EXPECT_EQ(readNumber("12abc"), 12);
  EXPECT_EQ(readNumber("48 points"), 48);
  EXPECT_EQ(readNumber("abc"), 0);
  EXPECT_EQ(readNumber(""), 0);
  EXPECT_EQ(readNumber("-"), 0);
  EXPECT_EQ(readNumber("+"), 0);
  EXPECT_EQ(readNumber("x12"), 0);
}

TEST(NumberFormat, RoundsFractionsHalfToEven) {
  EXPECT_EQ(readNumber("2.5"), 2);
  EXPECT_EQ(readNumber("3.5"), 4);
  EXPECT_EQ(readNumber("-2.5"), -2);
  EXPECT_EQ(readNumber("-3.5"), -4);
  EXPECT_EQ(readNumber("2.5000001"), 3);
  EXPECT_EQ(readNumber("1.49999"), 1);
  EXPECT_EQ(readNumber("0.5"), 0);
  EXPECT_EQ(readNumber(".7"), 1);
  EXPECT_EQ(readNumber("7."), 7);
  EXPECT_EQ(common::roundHalfEven(503.5), 504);
  EXPECT_EQ(common::roundHalfEven(502.5), 502);
}

TEST(NumberFormat, ClampsNumbersBeyondThirtyTwoBits) {
  EXPECT_EQ(readNumber("99999999999999999999"), INT_MAX);
  EXPECT_EQ(readNumber("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(readNumber("2147483647"), INT_MAX);
  EXPECT_EQ(common::readNumber64("3221225472"), 3221225472LL);
}

TEST(NumberFormat, GroupsThousandsWithCommas) {
  EXPECT_EQ(groupThousands(0), "0");
  EXPECT_EQ(groupThousands(999), "999");
  EXPECT_EQ(groupThousands(1000), "1,000");
  EXPECT_EQ(groupThousands(1234567), "1,234,567");
  EXPECT_EQ(groupThousands(-1234), "-1,234");
  EXPECT_EQ(groupThousands(LLONG_MIN), "-9,223,372,036,854,775,808");
}
