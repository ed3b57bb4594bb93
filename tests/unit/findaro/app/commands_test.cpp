#include "findaro/app/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "common/text.h"
#include "findaro/app/shortcut_keys.h"
#include "findaro/controls/controls.h"
#include "findaro/lists/actions_list.h"
#include "findaro/lists/settings_list.h"
#include "findaro/speech/shortcuts.h"
#include "findaro/state/finder.h"
#include "findaro/view/toolbar_layout.h"
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

// --- the users' readme lists every key, button and list row ---------------------

namespace {

std::vector<std::string> readmeLines() {
  std::ifstream in(FINDARO_SOURCE_DIR "/installer/readme.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The lines under a heading (a line underlined with dashes) up to the next one.
std::vector<std::string> readmeSection(const std::string& heading) {
  const std::vector<std::string> lines = readmeLines();
  auto isHeading = [&](size_t i) {
    return i + 1 < lines.size() && !lines[i].empty() && lines[i + 1] == std::string(lines[i].size(), '-');
  };
  std::vector<std::string> section;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!isHeading(i) || lines[i] != heading) continue;
    for (size_t j = i + 2; j < lines.size() && !isHeading(j); ++j) section.push_back(lines[j]);
  }
  return section;
}

// The entries of the key list: what is given (a key, or a button in brackets)
// in the first column, indented by two, and what it does, continued on lines
// indented further. A key listed twice is kept twice, to be found.
std::multimap<std::string, std::string> readmeKeys() {
  std::multimap<std::string, std::string> entries;
  auto last = entries.end();
  for (const std::string& line : readmeSection("EVERY KEY AND BUTTON")) {
    if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ') {
      size_t gap = line.find("  ", 2);
      const std::string text = gap == std::string::npos ? "" : common::trimBlanks(line.substr(gap));
      last = entries.emplace(line.substr(2, gap - 2), text);
    } else if (line.rfind("    ", 0) == 0 && last != entries.end()) {
      last->second += " " + common::trimBlanks(line);
    }
  }
  return entries;
}

std::string keyName(const ShortcutKey& k) {
  if (k.virtualKey == 0x1B) return "Esc";
  if (k.virtualKey >= 0x70 && k.virtualKey <= 0x7B) return "F" + std::to_string(k.virtualKey - 0x6F);
  return std::string(k.shift ? "Ctrl+Shift+" : "Ctrl+") + static_cast<char>(k.virtualKey);
}

std::optional<std::string> keyOfCommand(int command) {
  for (const ShortcutKey& k : shortcutKeys())
    if (k.command == command) return keyName(k);
  return std::nullopt;
}

// The numbered rows of a list's section, as they stand after their indent.
std::vector<std::string> readmeRows(const std::string& heading) {
  std::vector<std::string> rows;
  for (const std::string& line : readmeSection(heading)) {
    std::string row = common::trimBlanks(line);
    if (!row.empty() && row[0] >= '1' && row[0] <= '9' && line.rfind("  ", 0) == 0) rows.push_back(row);
  }
  return rows;
}

// The key a list row names: what follows its last " - ", without "(Zero)".
std::string keyOfRow(const std::string& label) {
  std::string key = label.substr(label.rfind(" - ") + 3);
  return key.substr(0, key.find(" ("));
}

}  // namespace

TEST_F(CommandsTest, TheReadmeListsEveryKeyOfTheTableOnceByTheNameItIsAnnouncedBy) {
  const auto entries = readmeKeys();
  ASSERT_GE(entries.size(), 64u) << "installer/readme.txt: no key list";
  for (const ShortcutKey& k : shortcutKeys()) {
    const std::string name = keyName(k);
    ASSERT_EQ(entries.count(name), 1u) << name;
    if (k.command == 539) continue;  // Esc has no name: it is never announced
    lookUpShortcut(finder, k.command);
    EXPECT_NE(entries.find(name)->second.find("\"" + finder.lastShortcutName + "\""), std::string::npos)
        << name << " is announced as \"" << finder.lastShortcutName << "\"";
  }
  // Nothing else is listed but the keys the window handles itself and the
  // buttons without a key.
  const std::set<std::string> handledByTheWindow = {"Enter", "Tab", "Up", "Down", "F1", "Ctrl+F1", "Shift+F10"};
  for (const auto& [given, text] : entries) {
    const bool button = given.front() == '[' && given.back() == ']';
    const bool tableKey = std::any_of(shortcutKeys().begin(), shortcutKeys().end(),
                                      [&](const ShortcutKey& k) { return keyName(k) == given; });
    EXPECT_TRUE(button || tableKey || handledByTheWindow.count(given))
        << given << " is listed, but Findaro has no such key";
    EXPECT_FALSE(text.empty()) << given << " does not say what it does";
  }
}

TEST(Readme, EveryToolbarButtonIsListedWithItsKeyOrOnItsOwn) {
  const auto entries = readmeKeys();
  std::set<std::string> captions;
  for (int wide : {0, 1}) {
    for (int page = 0; page < (wide ? 1 : 3); ++page) {
      for (const ToolbarItem& item : toolbarLayout(wide, page, 0)) {
        if (item.separator) continue;
        // The page buttons show an arrow, not a word.
        const std::string caption = common::trimBlanks(item.caption).empty() ? std::string("arrow") : item.caption;
        const std::string button = "[" + caption + "]";
        captions.insert(button);
        if (std::optional<std::string> key = keyOfCommand(item.command)) {
          ASSERT_EQ(entries.count(*key), 1u) << *key;
          EXPECT_NE(entries.find(*key)->second.find(button), std::string::npos) << *key << " does not name " << button;
        } else {
          EXPECT_EQ(entries.count(button), 1u) << button << " has no key, and no entry of its own";
        }
      }
    }
  }
  // No button is named that the toolbar does not have.
  for (const auto& [given, text] : entries) {
    for (const std::string& piece : {given, text}) {
      for (size_t open = piece.find('['); open != std::string::npos; open = piece.find('[', open + 1)) {
        const std::string named = piece.substr(open, piece.find(']', open) - open + 1);
        EXPECT_TRUE(captions.count(named)) << named << " in the entry of " << given;
      }
    }
  }
}

TEST(Readme, TheActionsListIsListedRowForRowWithTheRowsThatNeedAResultMarked) {
  const auto entries = readmeKeys();
  std::vector<std::string> rows = readmeRows("THE ACTIONS LIST (F2)");
  ASSERT_EQ(rows.size(), static_cast<size_t>(kActionsRowCount));
  for (int row = 1; row <= kActionsRowCount; ++row) {
    std::string listed = rows[row - 1];
    const bool marked = common::endsWith(listed, " *");
    if (marked) listed.resize(listed.size() - 2);
    EXPECT_EQ(listed, actionsRowText(row));
    EXPECT_EQ(marked, actionsRowChoice(row).kind == ActionsChoice::NotAvailable) << listed;
    EXPECT_EQ(entries.count(keyOfRow(listed)), 1u) << listed << ": its key is not in the key list";
  }
}

TEST(Readme, TheSettingsListIsListedRowForRowWithTheValuesEachTakes) {
  const auto entries = readmeKeys();
  std::vector<std::string> rows = readmeRows("THE SETTINGS LIST (F1)");
  ASSERT_EQ(rows.size(), static_cast<size_t>(kSettingsRowCount));
  const Settings defaults;
  for (int row = 1; row <= kSettingsRowCount; ++row) {
    // The list's label is the row up to its value, after the last "- ".
    const std::string text = settingsRowText(defaults, row);
    const std::string label = common::trimBlanks(text.substr(0, text.rfind("- ")));
    const std::string& listed = rows[row - 1];
    EXPECT_EQ(listed.substr(0, listed.find(": ")), label);
    EXPECT_GT(listed.size(), label.size() + 2) << label << ": no values";
    EXPECT_EQ(entries.count(keyOfRow(label)), 1u) << label << ": its key is not in the key list";
  }
}
