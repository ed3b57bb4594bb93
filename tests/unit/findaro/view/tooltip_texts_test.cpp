#include "findaro/view/tooltip_texts.h"

#include <gtest/gtest.h>

#include "findaro/view/toolbar_layout.h"

using namespace findaro;

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

TEST(ToolbarButtonNames, AButtonIsNamedByItsTipWithoutTheBlanks) {
  EXPECT_EQ(toolbarButtonName(517), "Exit");
  EXPECT_EQ(toolbarButtonName(505), "Search Files");
  EXPECT_EQ(toolbarButtonName(516), "Print Result List");
  EXPECT_EQ(toolbarButtonName(518), "Next Menu");
  EXPECT_EQ(toolbarButtonName(0), "");
}

// Whatever page or layout shows, and with captions hidden, no button is left
// for a screen reader to call just "button": each is built with its name.
TEST(ToolbarButtonNames, EveryButtonOfEveryLayoutIsBuiltWithItsName) {
  for (int wide : {0, 1})
    for (int page : {0, 1, 2})
      for (const ToolbarItem& item : toolbarLayout(wide, page, 1)) {
        if (item.separator) {
          EXPECT_EQ(item.name, "");
          continue;
        }
        EXPECT_EQ(item.caption, "");
        EXPECT_EQ(item.name, toolbarButtonName(item.command));
        EXPECT_FALSE(item.name.empty()) << "command " << item.command;
        EXPECT_NE(item.name.front(), ' ');
        EXPECT_NE(item.name.back(), ' ');
      }
}
