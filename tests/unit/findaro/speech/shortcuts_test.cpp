#include "findaro/speech/shortcuts.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class ShortcutsTest : public FinderTest {};

TEST_F(ShortcutsTest, LookingUpSplitsTheEntryIntoTrimmedNameAndKey) {
  EXPECT_EQ(lookUpShortcut(finder, 510), "Copy File :: C-D");
  EXPECT_EQ(finder.lastShortcutName, "Copy File");
  EXPECT_EQ(finder.lastShortcutKey, "C-D");
  lookUpShortcut(finder, 552);
  EXPECT_EQ(finder.lastShortcutName, "MaxPrintLines");
  EXPECT_EQ(finder.lastShortcutKey, "CS-E");
  EXPECT_EQ(lookUpShortcut(finder, 539), "Unknown Shortcut :: ");
  EXPECT_EQ(finder.lastShortcutName, "Unknown Shortcut");
  EXPECT_EQ(finder.lastShortcutKey, "");
}

TEST_F(ShortcutsTest, TheThreeFormsOfTheAnnouncement) {
  announceShortcut(finder, 510);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Copy File : C-D");

  finder.settings.SpeakMinimalKey = 0;
  announceShortcut(finder, 510);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Copy File : Control D");
  announceShortcut(finder, 564);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Wide Toolbar : Control Shift W");
  announceShortcut(finder, 571);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Disable Speech : F9");
  announceShortcut(finder, 600);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Unknown Shortcut : ...");

  finder.settings.IncludeShortcutKey = 0;
  announceShortcut(finder, 510);
  EXPECT_EQ(voice.lastText(), "Shortcut Pressed: Copy File");
}

TEST(SpellOutKey, EachFormOfKeyText) {
  EXPECT_EQ(spellOutKey("D"), "Letter D");
  EXPECT_EQ(spellOutKey("C-0"), "Control 0");
  EXPECT_EQ(spellOutKey("CS-N"), "Control Shift N");
  EXPECT_EQ(spellOutKey("CA-X"), "Control Alt X");
  EXPECT_EQ(spellOutKey("F10"), "F10");
  EXPECT_EQ(spellOutKey(""), "...");
  EXPECT_EQ(spellOutKey("Tab"), "...");
}

TEST_F(ShortcutsTest, SwitchedOffTheKeyIsStillLookedUpButNothingIsSaid) {
  finder.settings.SpeakShortcuts = 0;
  finder.settings.ShowPreview = 0;
  handleCommand(finder, 540, 1);  // Fit To Content: its own confirmation only
  EXPECT_EQ(finder.lastShortcutName, "Fit To Content");
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"Columns Resized"}));
}
