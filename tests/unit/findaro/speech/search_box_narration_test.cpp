#include "findaro/speech/search_box_narration.h"

#include <gtest/gtest.h>

#include "findaro/speech/character_names.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class SearchBoxNarrationTest : public FinderTest {
 protected:
  // A key as the box receives it: down, the character it types if any, up.
  void press(int key, int character = 0) {
    onSearchBoxKeyDown(finder, key);
    if (character != 0) onSearchBoxChar(finder, character);
    onSearchBoxKeyUp(finder, key);
  }
  void typeWord(const std::string& letters) {
    for (char c : letters) press(c - 'a' + 'A', c);
  }
  void placeCaret(const std::string& text, int start, int end) {
    searchBox.content = text;
    searchBox.caret = {start, end};
  }
};

TEST_F(SearchBoxNarrationTest, RefusedCharactersNeverReachTheBoxInAnyMode) {
  for (int mode : {0, 1, 2, 3}) {
    finder.settings.EnableSpeakLetters = mode;
    for (char character : std::string("`~@#$^&[{]};'<>,")) {
      EXPECT_TRUE(onSearchBoxChar(finder, character)) << character;
      EXPECT_EQ(voice.lastText(), describeCharacter(finder, std::string(1, character)) +
                                      " : Invalid Search String Character");
    }
    EXPECT_EQ(voice.lastText(), "Comma : Invalid Search String Character");
  }
  size_t said = voice.spoken.size();
  const int accepted[] = {'a', '5', ' ', '!', '%', '*', '(', ')', '-', '_', '=', '+', '\\', '|', ':', '.', '/',
                          '?', '"', 0xE9, 0x416, 0xD83D, 8, 13};
  for (int character : accepted)
    EXPECT_FALSE(onSearchBoxChar(finder, character)) << character;
  EXPECT_EQ(voice.spoken.size(), said);
}

TEST_F(SearchBoxNarrationTest, ARefusedCharacterIsStillRefusedWithSpeechOff) {
  finder.settings.DisableSpeech = 1;
  EXPECT_TRUE(onSearchBoxChar(finder, '#'));
  EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(SearchBoxNarrationTest, LettersModeNamesEachKeyAndSpace) {
  finder.settings.EnableSpeakLetters = 1;
  typeWord("cat");
  press(' ', ' ');
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"C", "A", "T", "Space : "}));
  EXPECT_EQ(finder.wordBuffer, "");
}

TEST_F(SearchBoxNarrationTest, WordsModeSaysTheWordWhenSpaceEndsIt) {
  finder.settings.EnableSpeakLetters = 2;
  typeWord("cat");
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(finder.wordBuffer, "CAT");
  press(' ', ' ');
  EXPECT_EQ(spokenTexts(), std::vector<std::string>{"CAT"});
  EXPECT_EQ(finder.wordBuffer, "");
  typeWord("do");
  keyboard.shift = true;
  press('1', '!');
  keyboard.shift = false;
  press(189, '-');
  press('9', '9');
  press(' ', ' ');
  EXPECT_EQ(voice.lastText(), "DO!-9");
}

TEST_F(SearchBoxNarrationTest, BothModeNamesKeysThenSaysTheWord) {
  finder.settings.EnableSpeakLetters = 3;
  typeWord("cat");
  press(' ', ' ');
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"C", "A", "T", "Space : CAT"}));
  EXPECT_EQ(finder.wordBuffer, "");
}

TEST_F(SearchBoxNarrationTest, TheWordOutlivesAModeChange) {
  finder.settings.EnableSpeakLetters = 3;
  typeWord("ab");
  finder.settings.EnableSpeakLetters = 1;
  typeWord("c");
  finder.settings.EnableSpeakLetters = 2;
  typeWord("d");
  press(' ', ' ');
  EXPECT_EQ(voice.lastText(), "ABD");
}

TEST_F(SearchBoxNarrationTest, NoneModeIsSilentOnKeyDownButNotOnKeyUp) {
  finder.settings.EnableSpeakLetters = 0;
  placeCaret("ab", 1, 1);
  typeWord("xy");
  press(' ', ' ');
  press(46);
  press(8);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(finder.lastKeyName, "");
  EXPECT_EQ(finder.wordBuffer, "");
  press(37);
  EXPECT_EQ(voice.lastText(), "Left Arrow : b");
  press(36);
  EXPECT_EQ(voice.lastText(), "Home Key : Start of Line : ");
}

TEST_F(SearchBoxNarrationTest, ShiftAndCapsLockNameTheLetterTheWordKeepsItUpperCase) {
  finder.settings.EnableSpeakLetters = 3;
  keyboard.shift = true;
  press('A', 'A');
  EXPECT_EQ(voice.lastText(), "Capital A");
  keyboard.capsLock = true;
  press('A', 'a');
  EXPECT_EQ(voice.lastText(), "A");
  keyboard.shift = false;
  press('B', 'B');
  EXPECT_EQ(voice.lastText(), "Capital B");
  EXPECT_EQ(finder.wordBuffer, "AAB");
}

TEST_F(SearchBoxNarrationTest, KeysForRefusedCharactersAreNamedOnlyByTheRefusal) {
  finder.settings.EnableSpeakLetters = 3;
  keyboard.shift = true;
  press('3', '#');
  press(190, '>');  // Shift+period types ">", which the box refuses
  keyboard.shift = false;
  press(186, ';');
  press(222, '\'');
  press(188, ',');
  press(219, '[');
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{
                               "Pound Sign : Invalid Search String Character",
                               "Greater Than : Invalid Search String Character",
                               "SemiColon : Invalid Search String Character",
                               "Apostrophe : Invalid Search String Character",
                               "Comma : Invalid Search String Character",
                               "Left Bracket : Invalid Search String Character",
                           }));
  EXPECT_EQ(finder.wordBuffer, "");
  keyboard.shift = true;
  press(186, ':');
  press(222, '"');
  EXPECT_EQ(voice.lastText(), "Double Quote");
  EXPECT_EQ(finder.wordBuffer, ":\"");
}

TEST_F(SearchBoxNarrationTest, KeysHeldWithControlTypeNothingAndAreNotEchoed) {
  finder.settings.EnableSpeakLetters = 3;
  keyboard.control = true;
  keyboard.shift = true;
  press('G');
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(finder.wordBuffer, "");
  EXPECT_EQ(finder.lastKeyName, "Capital G");
}

TEST_F(SearchBoxNarrationTest, NavigationKeysAreNeverSwallowedNorBeeped) {
  finder.settings.EnableSpeakLetters = 1;
  // The keys whose codes read as grave accent, brackets, apostrophe and comma.
  for (int key : {96, 91, 93, 39, 44}) press(key);
  EXPECT_TRUE(sound.beeps.empty());
  EXPECT_EQ(finder.lastKeyName, "Unknown");  // 44 is no key of the table
}

TEST_F(SearchBoxNarrationTest, DeleteNamesTheCharacterAfterTheCaret) {
  finder.settings.EnableSpeakLetters = 2;
  typeWord("ab");
  placeCaret("a.b", 1, 1);
  onSearchBoxKeyDown(finder, 46);
  EXPECT_EQ(voice.lastText(), "Delete Period");
  EXPECT_EQ(finder.wordBuffer, "A");
  placeCaret("a.b", 3, 3);
  onSearchBoxKeyDown(finder, 46);
  EXPECT_EQ(voice.lastText(), "Delete ");
  EXPECT_EQ(finder.wordBuffer, "");
  onSearchBoxKeyDown(finder, 46);
  EXPECT_EQ(finder.wordBuffer, "");
}

TEST_F(SearchBoxNarrationTest, BackspaceNamesTheCharacterBeforeTheCaret) {
  finder.settings.EnableSpeakLetters = 1;
  placeCaret("Ab", 0, 0);
  onSearchBoxKeyDown(finder, 8);
  EXPECT_EQ(voice.lastText(), "Erase ");
  EXPECT_EQ(finder.wordBuffer, "");
  placeCaret("Ab", 1, 1);
  onSearchBoxKeyDown(finder, 8);
  EXPECT_EQ(voice.lastText(), "Erase Capital A");
  placeCaret("Ab", 2, 2);
  onSearchBoxKeyDown(finder, 8);
  EXPECT_EQ(voice.lastText(), "Erase b");
}

TEST_F(SearchBoxNarrationTest, WithASelectionDeleteAndBackspaceNameWhatTheyRemove) {
  finder.settings.EnableSpeakLetters = 1;
  placeCaret("texas", 0, 5);
  onSearchBoxKeyDown(finder, 8);
  EXPECT_EQ(voice.lastText(), "Erase texas");
  placeCaret("a*b", 1, 2);
  onSearchBoxKeyDown(finder, 46);
  EXPECT_EQ(voice.lastText(), "Delete Asterisk");
}

TEST_F(SearchBoxNarrationTest, ArrowsNameTheCharacterPassedOver) {
  finder.settings.EnableSpeakLetters = 0;
  placeCaret("a b", 1, 1);  // after Left from 2: the blank was passed over
  onSearchBoxKeyUp(finder, 37);
  EXPECT_EQ(voice.lastText(), "Left Arrow : Space");
  placeCaret("a b", 3, 3);  // after Right from 2
  onSearchBoxKeyUp(finder, 39);
  EXPECT_EQ(voice.lastText(), "Right Arrow : b");
  placeCaret("a b", 0, 0);
  onSearchBoxKeyUp(finder, 39);
  EXPECT_EQ(voice.lastText(), "Right Arrow : ");
  placeCaret("a b", 3, 3);
  onSearchBoxKeyUp(finder, 37);
  EXPECT_EQ(voice.lastText(), "Left Arrow : ");
  size_t said = voice.spoken.size();
  onSearchBoxKeyUp(finder, 38);
  onSearchBoxKeyUp(finder, 40);
  EXPECT_EQ(voice.spoken.size(), said);
}

TEST_F(SearchBoxNarrationTest, CapsLockHomeAndEndOnKeyUp) {
  keyboard.capsLock = true;
  onSearchBoxKeyUp(finder, 20);
  EXPECT_EQ(voice.lastText(), "Cap ON");
  keyboard.capsLock = false;
  onSearchBoxKeyUp(finder, 20);
  EXPECT_EQ(voice.lastText(), "Cap OFF");
  onSearchBoxKeyUp(finder, 36);
  EXPECT_EQ(voice.lastText(), "Home Key : Start of Line : ");
  onSearchBoxKeyUp(finder, 35);
  EXPECT_EQ(voice.lastText(), "End Key : End of Line : ");
  keyboard.control = true;
  onSearchBoxKeyUp(finder, 36);
  EXPECT_EQ(voice.lastText(), "Control Home : Start of Line : ");
  onSearchBoxKeyUp(finder, 35);
  EXPECT_EQ(voice.lastText(), "Control End : End of Line : ");
}

TEST_F(SearchBoxNarrationTest, TheCharactersAroundTheCaretOrSelection) {
  placeCaret("abcd", 1, 3);
  EXPECT_EQ(charBeforeCaret(finder), "a");
  EXPECT_EQ(charAfterCaret(finder), "d");
  placeCaret("", 0, 0);
  EXPECT_EQ(charBeforeCaret(finder), "");
  EXPECT_EQ(charAfterCaret(finder), "");
}
