#include "magnora/actions/copy_page.h"

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::KeyEvent;
using magnora_testing::MagnoraTest;

TEST(MagnoraCleanText, DropsEmptyLinesAndBlankPadding) {
  EXPECT_EQ(cleanText("  one  \r\n\r\n\r\n  two  "), "one\r\ntwo");
  EXPECT_EQ(cleanText("\r\n \r\n a \r\n   \r\n\r\n\r\n\r\n b\r\n \r\n"), "a\r\nb");
  EXPECT_EQ(cleanText(" \r\n \r\n"), "");
  EXPECT_EQ(cleanText(""), "");
  // Tabs are kept inside and around lines.
  EXPECT_EQ(cleanText("\tx\t \r\n y"), "\tx\t\r\ny");
}

TEST(MagnoraCleanText, LinesEndedByLineFeedOrCarriageReturnAloneAreLinesToo) {
  EXPECT_EQ(cleanText("a \n b"), "a\r\nb");
  EXPECT_EQ(cleanText("one\n\n\n two \r\r three\r\n\n"), "one\r\ntwo\r\nthree");
  EXPECT_EQ(cleanText("\n \r \r\n"), "");
}

class MagnoraCopy : public MagnoraTest {
 protected:
  void SetUp() override { start("0 0 0 1"); }
};

TEST_F(MagnoraCopy, ASelectionIsCleanedPutOnTheClipboardAndIntoTheViewerFile) {
  system.selection = "  first  \r\n\r\n\r\n  second  ";
  bar.clipboardSpeaking = true;
  handleCommand(bar, id::kCopy);
  EXPECT_EQ(system.clipboard, "first\r\nsecond");
  EXPECT_EQ(system.files.at("..\\temp\\viewer.txt"), "first\r\nsecond\r\n");
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Selection Copied"}));
  EXPECT_FALSE(bar.clipboardSpeaking);
  EXPECT_EQ(events, (Events{"Beep 250 300", "FindTarget 960 520", "EmptyClipboard", "Focus 4242", "Key", "Key",
                            "Key", "Key", "Sleep 500", "Speak 3 Selection Copied", "SetClipboard",
                            "Write ..\\temp\\viewer.txt", "Topmost"}));
}

TEST_F(MagnoraCopy, NothingSelectedCopiesTheWholePage) {
  system.page = "\r\n The page \r\n";
  handleCommand(bar, id::kCopy);
  EXPECT_EQ(system.keys, (std::vector<KeyEvent>{{0x11, 0, 0}, {'C', 0, 0}, {'C', 0, 2}, {0x11, 0, 2},
                                                {0x11, 0, 0}, {'A', 0, 0}, {'A', 0, 2}, {0x11, 0, 2},
                                                {0x11, 0, 0}, {'C', 0, 0}, {'C', 0, 2}, {0x11, 0, 2}}));
  EXPECT_EQ(only("Sleep"), (std::vector<std::string>{"500", "500", "500"}));
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Page Copied"}));
  EXPECT_EQ(system.clipboard, "The page");
  EXPECT_EQ(system.files.at("..\\temp\\viewer.txt"), "The page\r\n");
}

TEST_F(MagnoraCopy, APageWithoutTextLeavesTheClipboardEmptyAndTheFileAlone) {
  system.clipboard = "left over";
  system.page = " \r\n ";
  system.files["..\\temp\\viewer.txt"] = "before\r\n";
  handleCommand(bar, id::kCopy);
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Page Copied", "Nothing Copied"}));
  EXPECT_EQ(system.clipboard, " \r\n ");  // what the page gave, never replaced
  EXPECT_EQ(system.files.at("..\\temp\\viewer.txt"), "before\r\n");
  EXPECT_TRUE(only("SetClipboard").empty());
}

TEST_F(MagnoraCopy, SpeakClipboardAfterACopyReadsRatherThanStops) {
  system.selection = "word";
  handleCommand(bar, id::kSpeakClipboard);  // reading the old clipboard
  handleCommand(bar, id::kCopy);
  events.clear();
  handleCommand(bar, id::kSpeakClipboard);
  EXPECT_EQ(spoken(), (std::vector<std::string>{"word"}));
}
