#include "findaro/app/commands.h"

#include <gtest/gtest.h>

#include <set>

#include "findaro/app/shortcut_keys.h"
#include "findaro/controls/controls.h"
#include "findaro/state/finder.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class CommandsTest : public FinderTest {
 protected:
  int beeps() const { return static_cast<int>(sound.beeps.size()); }
};

TEST_F(CommandsTest, AShortcutIsAnnouncedThenConfirmedWithItsTone) {
  handleCommand(finder, 533, 1);
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"Shortcut Pressed: Search Sort Type : C-U", "Sort Type is File Name"}));
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(finder.settings.SortType, 0);
  // From a toolbar button or a list row the same command is not announced.
  voice.spoken.clear();
  handleCommand(finder, 533, 0);
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"Sort Type is Date"}));
  runCommand(finder, 533);
  EXPECT_EQ(voice.lastText(), "Sort Type is File Name");
}

TEST_F(CommandsTest, EveryToggleFlipsItsSettingAndSaysTheNewValue) {
  struct Case {
    int id;
    int Settings::*setting;
    std::string on;
    std::string off;
  };
  const Case cases[] = {
      {528, &Settings::HideToolbarText, "Hide Toolbar Text is ON", "Hide Toolbar Text is OFF"},
      {536, &Settings::ShowToolbar, "Toolbar is Displayed", "Toolbar is Hidden"},
      {538, &Settings::ExcludeSystemFolders, "Exclude System Folders is ON", "Exclude System Folders is OFF"},
      {541, &Settings::UseIgnoreList, "Ignore List is ON", "Ignore List is OFF"},
      {542, &Settings::UseMagnora, "Use Magnora ON", "Use Magnora OFF"},
      {544, &Settings::PrintFont, "Print With Visual Font is ON", "Print With Visual Font is OFF"},
      {545, &Settings::FocusOnRE, "Search Term Focus ON", "Search Term Focus OFF"},
      {548, &Settings::ShortPath, "Short Path Name is ON", "Short Path Name is OFF"},
      {550, &Settings::EnableTime, "Include Time in Date is ON", "Include Time in Date is OFF"},
      {551, &Settings::UseKB, "Format File Size is ON", "Format File Size is OFF"},
      {562, &Settings::PreviewResize, "Preview Resize is ON", "Preview Resize is OFF"},
      {504, &Settings::PreviewResize, "Preview Resize is ON", "Preview Resize is OFF"},
      {563, &Settings::SpeakShortcuts, "Speak Shortcuts is ON", "Speak Shortcuts is OFF"},
      {564, &Settings::WideToolbar, "Wide Toolbar is ON", "Wide Toolbar is OFF"},
      {565, &Settings::IncludeShortcutKey, "Include Shortcut Key is ON", "Include Shortcut Key is OFF"},
      {566, &Settings::SpeakMinimalKey, "Speak Minimal Key is ON", "Speak Minimal Key is OFF"},
  };
  for (const Case& c : cases) {
    int& value = finder.settings.*c.setting;
    value = 0;
    handleCommand(finder, c.id, 0);
    EXPECT_EQ(value, 1) << c.id;
    EXPECT_EQ(voice.lastText(), c.on) << c.id;
    handleCommand(finder, c.id, 0);
    EXPECT_EQ(value, 0) << c.id;
    EXPECT_EQ(voice.lastText(), c.off) << c.id;
  }
  EXPECT_EQ(beeps(), 2 * static_cast<int>(std::size(cases)));
}

TEST_F(CommandsTest, AHandEditedFlagFlipsToOffFirst) {
  finder.settings.UseKB = 7;
  handleCommand(finder, 551, 0);
  EXPECT_EQ(finder.settings.UseKB, 0);
  EXPECT_EQ(voice.lastText(), "Format File Size is OFF");
}

TEST_F(CommandsTest, HidingTheToolbarRemovesItAndTheSearchBoxMovesToTheTop) {
  handleCommand(finder, 536, 0);  // from the default ShowToolbar 1
  EXPECT_FALSE(toolbar.exists);
  EXPECT_EQ(window.placements[kSearchBox].y, 0);
  handleCommand(finder, 536, 0);
  EXPECT_TRUE(toolbar.exists);
  EXPECT_EQ(window.placements[kSearchBox].y, toolbar.pixels);
}

TEST_F(CommandsTest, TheWideToolbarToggleRebuildsWithoutALayout) {
  finder.settings.WideToolbar = 1;
  handleCommand(finder, 564, 0);
  EXPECT_TRUE(calls.called("build toolbar"));
  EXPECT_TRUE(window.placements.empty());
}

TEST_F(CommandsTest, TheModesStepUpAndWrapAfterThree) {
  std::vector<std::string> heard;
  for (int i = 0; i < 4; ++i) {
    handleCommand(finder, 532, 0);
    heard.push_back(voice.lastText());
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"Speak Text is Words", "Speak Text is Both", "Speak Text is None",
                                             "Speak Text is Letters"}));
  finder.settings.UseHover = 0;
  handleCommand(finder, 543, 0);
  EXPECT_EQ(voice.lastText(), "Magnora Hover is  Text");  // two blanks, as the program has always said it
  finder.settings.UseHover = 3;
  handleCommand(finder, 543, 0);
  EXPECT_EQ(voice.lastText(), "Magnora Hover is  OFF");
}

TEST_F(CommandsTest, AModeOutsideItsFourIsNamedWithNothing) {
  finder.settings.EnableSpeakLetters = -5;
  handleCommand(finder, 532, 0);
  EXPECT_EQ(finder.settings.EnableSpeakLetters, -4);
  EXPECT_EQ(voice.lastText(), "Speak Text is ");
  finder.settings.UseHover = 9;
  handleCommand(finder, 543, 0);
  EXPECT_EQ(finder.settings.UseHover, 0);
  EXPECT_EQ(voice.lastText(), "Magnora Hover is  OFF");
}

TEST_F(CommandsTest, MaxResultsCyclesThroughUnlimitedAndAnOddValueGoesTo50) {
  finder.settings.MaxResults = 75;
  handleCommand(finder, 534, 0);
  EXPECT_EQ(finder.settings.MaxResults, 50);
  EXPECT_EQ(voice.lastText(), "Max Search Results is  50");
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) {
    handleCommand(finder, 534, 0);
    seen.push_back(finder.settings.MaxResults);
  }
  EXPECT_EQ(seen, (std::vector<int>{100, 250, 1000, 10000, 100000, 0, 50}));
  EXPECT_EQ(voice.spoken[voice.spoken.size() - 2].text, "Max Search Results is Unlimited");
}

TEST_F(CommandsTest, MaxPrintLinesCyclesAndAnOddValueStays) {
  finder.settings.MaxPrintLines = 75;
  handleCommand(finder, 552, 0);
  EXPECT_EQ(finder.settings.MaxPrintLines, 75);
  EXPECT_EQ(voice.lastText(), "Max Print Lines is  75");
  EXPECT_TRUE(calls.called("redraw list"));
  finder.settings.MaxPrintLines = 100;
  handleCommand(finder, 552, 0);
  EXPECT_EQ(voice.lastText(), "Max Print Lines is Unlimited");
  handleCommand(finder, 552, 0);
  EXPECT_EQ(voice.lastText(), "Max Print Lines is  10");
}

TEST_F(CommandsTest, EscFirstSilencesThenLeavesAListThenCloses) {
  voice.speaking = true;
  handleCommand(finder, 539, 0);
  EXPECT_EQ(voice.spoken.back().text, "");  // the purge that stops the voice
  EXPECT_FALSE(window.closed);

  voice.speaking = false;
  finder.settings.SearchType = 6;
  finder.settings.LastSearchType = 2;
  files.files["results.txt"] = "Size,Date Modified,Filename\r\n,05/17/2023 10:30,\"C:\\a\\b\\\"\r\n";
  handleCommand(finder, 539, 0);
  EXPECT_EQ(finder.settings.SearchType, 2);
  EXPECT_EQ(voice.spoken.back(), (testing_support::Utterance{"Returning to Results", 2}));
  EXPECT_EQ(list.columns[1].title, "Name  (1)");
  EXPECT_FALSE(window.closed);

  handleCommand(finder, 539, 0);
  EXPECT_TRUE(window.closed);
}

TEST_F(CommandsTest, EscFromTheKeyboardIsNotAnnounced) {
  // Its own announcement would keep the voice busy, and every Esc would only
  // stop it: the program could then never be left with the key.
  handleCommand(finder, 539, 1);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_TRUE(window.closed);
}

TEST_F(CommandsTest, F9IsHeardBothWaysAndSilencesEverythingBetween) {
  handleCommand(finder, 571, 1);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
  EXPECT_EQ(voice.lastText(), "Speech is Disabled");
  size_t before = voice.spoken.size();
  handleCommand(finder, 533, 1);  // no announcement, no confirmation
  EXPECT_EQ(voice.spoken.size(), before);
  handleCommand(finder, 571, 1);
  EXPECT_EQ(finder.settings.DisableSpeech, 0);
  EXPECT_EQ(voice.lastText(), "Speech is Enabled");
}

TEST_F(CommandsTest, SimpleCommandsSayWhatTheyDid) {
  searchBox.content = "texas";
  handleCommand(finder, 519, 0);
  EXPECT_EQ(searchBox.selectedText(), "texas");
  EXPECT_EQ(voice.lastText(), "Select All");
  handleCommand(finder, 523, 0);
  EXPECT_EQ(searchBox.content, "");
  EXPECT_EQ(voice.lastText(), "Search Term Cleared");
  handleCommand(finder, 540, 0);
  EXPECT_TRUE(calls.called("autosize columns"));
  EXPECT_EQ(voice.lastText(), "Columns Resized");
  handleCommand(finder, 537, 0);
  EXPECT_EQ(voice.lastText(), "Icon Size is  96");
  handleCommand(finder, 569, 0);
  EXPECT_EQ(voice.lastText(), "Louder");
  handleCommand(finder, 570, 0);
  EXPECT_EQ(voice.lastText(), "Softer");
  EXPECT_EQ(keyboard.keys.size(), 20u);
  handleCommand(finder, 517, 0);
  EXPECT_TRUE(window.closed);
}

TEST_F(CommandsTest, TheSpellingCommandsSpeakWithoutATone) {
  searchBox.content = "a.b";
  handleCommand(finder, 530, 0);
  EXPECT_EQ(voice.lastText(), "Spelling Search Term: a :  period : b :");
  handleCommand(finder, 529, 0);
  EXPECT_EQ(voice.lastText(), "a.b");
  finder.results.resetToSingle("x");
  list.selected = 1;
  handleCommand(finder, 531, 0);
  EXPECT_EQ(voice.lastText(), "Spelling File Name: x :");
  EXPECT_EQ(beeps(), 0);
}

TEST_F(CommandsTest, MuteSoundsItsTwoTonesAfterTheKeyAndSaysNothing) {
  handleCommand(finder, 568, 0);
  ASSERT_EQ(keyboard.keys.size(), 2u);
  EXPECT_EQ(keyboard.keys[0].virtualKey, 0xAD);
  EXPECT_EQ(beeps(), 2);
  EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(CommandsTest, NextMenuStepsThePagesWithoutATone) {
  finder.settings.WideToolbar = 0;
  handleCommand(finder, 518, 0);
  EXPECT_EQ(finder.toolbarPage, 1);
  EXPECT_EQ(beeps(), 0);
  handleCommand(finder, 518, 0);
  handleCommand(finder, 518, 0);
  EXPECT_EQ(finder.toolbarPage, 0);
}

TEST_F(CommandsTest, TheFontStepsApplyColoursAndLayOut) {
  finder.settings.FontSize = 10;
  handleCommand(finder, 558, 0);
  EXPECT_EQ(finder.settings.FontSize, 8);
  EXPECT_EQ(voice.lastText(), "Font Size is  8");
  EXPECT_TRUE(calls.called("list colors 65535 16711680"));
  EXPECT_EQ(window.placements[kSearchBox].height, 16);
  handleCommand(finder, 557, 0);
  EXPECT_EQ(finder.settings.FontSize, 12);
}

TEST_F(CommandsTest, ACommandInNoTableDoesNothing) {
  handleCommand(finder, 600, 0);
  handleCommand(finder, 0, 0);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(beeps(), 0);
  EXPECT_TRUE(calls.calls.empty());
}

TEST_F(CommandsTest, DuringASearchOnlyEscExitAndTheVoiceControlsRun) {
  processes.keepsRunning = true;
  searchBox.content = "texas";
  handleCommand(finder, 505, 1);
  ASSERT_TRUE(searchInProgress(finder));
  voice.spoken.clear();
  // Every other command, from a key, a toolbar button or a menu row, says why it does nothing.
  for (int command : {1, 505, 506, 513, 514, 515, 546, 533, 510, 511, 535, 553, 557}) {
    voice.spoken.clear();
    handleCommand(finder, command, 1);
    EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"Search in Progress"})) << command;
  }
  // The search box reports its changes through the same message: no command, no word.
  voice.spoken.clear();
  handleCommand(finder, 500, 0x300);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(finder.settings.SearchType, 1);
  EXPECT_EQ(finder.settings.SortType, 1);
  EXPECT_EQ(std::string(finder.results.at(1).Name), "Loading ...");
  // The voice's own controls still work.
  handleCommand(finder, 569, 1);
  EXPECT_EQ(voice.lastText(), "Louder");
  handleCommand(finder, 554, 0);
  EXPECT_EQ(voice.lastText(), "Fast speech is on!");
  handleCommand(finder, 571, 0);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
  handleCommand(finder, 571, 0);
  EXPECT_TRUE(searchInProgress(finder));
  // Esc cancels, even while the voice speaks, and leaves the program running.
  voice.speaking = true;
  handleCommand(finder, 539, 1);
  EXPECT_FALSE(searchInProgress(finder));
  EXPECT_TRUE(processes.client->endedByFinder);
  EXPECT_EQ(voice.lastText(), "Search Cancelled");
  EXPECT_FALSE(window.closed);
}

TEST_F(CommandsTest, TheToolbarsExitDuringASearchClosesTheWindow) {
  processes.keepsRunning = true;
  handleCommand(finder, 505, 0);
  handleCommand(finder, 517, 0);
  EXPECT_TRUE(window.closed);
}

TEST(ShortcutKeys, SixtyFourKeysEachOnceEachWithItsOwnCommand) {
  const auto& keys = shortcutKeys();
  ASSERT_EQ(keys.size(), 64u);
  std::set<std::tuple<int, bool, bool>> combinations;
  std::set<int> commands;
  for (const ShortcutKey& k : keys) {
    combinations.insert({k.virtualKey, k.control, k.shift});
    commands.insert(k.command);
  }
  EXPECT_EQ(combinations.size(), 64u);
  EXPECT_EQ(commands.size(), 64u);
  // The table's order: Esc, F2 to F10, Ctrl+A to Z, Ctrl+1 to 0, Ctrl+Shift letters.
  EXPECT_EQ(keys[0].command, 539);
  EXPECT_EQ(keys[9].virtualKey, 0x79);  // F10
  EXPECT_EQ(keys[9].command, 541);
  EXPECT_EQ(keys[10].virtualKey, 'A');
  EXPECT_TRUE(keys[10].control);
  EXPECT_EQ(keys[45].virtualKey, '0');
  EXPECT_EQ(keys[45].command, 556);
  EXPECT_EQ(keys[63].virtualKey, 'W');
  EXPECT_TRUE(keys[63].shift);
  EXPECT_EQ(keys[63].command, 564);
}

// Every key is announced by the name and key text it is known by, and the key
// text names the very key that gives the command.
TEST_F(CommandsTest, EveryShortcutKeyIsAnnouncedByItsOwnKey) {
  for (const ShortcutKey& k : shortcutKeys()) {
    if (k.command == 539) continue;  // Esc is never announced
    std::string key = k.virtualKey >= 0x70 && k.virtualKey <= 0x7B ? "F" + std::to_string(k.virtualKey - 0x6F)
                                                                     : std::string(k.shift ? "CS-" : "C-") +
                                                                           static_cast<char>(k.virtualKey);
    voice.spoken.clear();
    finder.settings.DisableSpeech = 0;
    finder.settings.SpeakShortcuts = 1;
    finder.settings.IncludeShortcutKey = 1;
    finder.settings.SpeakMinimalKey = 1;
    handleCommand(finder, k.command, 1);
    ASSERT_FALSE(voice.spoken.empty()) << k.command;
    const std::string& first = voice.spoken.front().text;
    EXPECT_EQ(first.rfind("Shortcut Pressed: ", 0), 0u) << k.command;
    EXPECT_NE(first.find(" : " + key), std::string::npos) << first;
    EXPECT_EQ(first.find("Unknown"), std::string::npos) << first;
  }
}
