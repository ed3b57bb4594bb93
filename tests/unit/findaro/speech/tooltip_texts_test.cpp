#include "findaro/speech/tooltip_texts.h"

#include <gtest/gtest.h>

using findaro::toolbarTooltipText;

TEST(ToolbarTooltipTexts, EachButtonHasItsWordsWithABlankEitherSide) {
  EXPECT_EQ(toolbarTooltipText(510), " Copy File ");
  EXPECT_EQ(toolbarTooltipText(511), " Open Name ");
  EXPECT_EQ(toolbarTooltipText(516), " Print Result List ");
  EXPECT_EQ(toolbarTooltipText(515), " Help ");
  EXPECT_EQ(toolbarTooltipText(517), " Exit ");
}

TEST(ToolbarTooltipTexts, ThePageButtonAndUnknownCommandsHaveNone) {
  EXPECT_EQ(toolbarTooltipText(518), "");
  EXPECT_EQ(toolbarTooltipText(0), "");
  EXPECT_EQ(toolbarTooltipText(539), "");
}
