#include "findaro/speech/key_names.h"

#include <gtest/gtest.h>

#include <set>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class KeyNamesTest : public FinderTest {
 protected:
  std::pair<std::string, std::string> named(int key) {
    keyName(finder, key);
    return {finder.lastKeyName, finder.lastKeyChar};
  }
};

TEST_F(KeyNamesTest, KeysThatTypeNothing) {
  const std::pair<int, const char*> names[] = {
      {38, "Up Arrow"},      {40, "Down Arrow "},   {37, "Left Arrow"},  {39, "Right Arrow"},
      {36, "Line Home"},     {35, "Line End"},      {9, "TAB"},          {45, "Insert"},
      {20, "Capital"},       {18, "Menu"},          {27, "Escape"},      {42, "Print"},
      {112, "F1"},           {117, "F6"},           {123, "F12"},        {145, "Scroll Lock"},
      {91, "Left WinKey"},   {92, "Right WinKey"},  {19, "Pause Break"}, {33, "PageUp"},
      {34, "PageDown"},      {164, "Left Alt"},     {165, "Right Alt"},  {16, "Shift"},
      {160, "Left Shift"},   {161, "Right Shift"},  {17, "Control"},     {13, "Enter"},
      {46, "Delete"},        {144, "Num Lock"},     {8, "BackSpace"},
  };
  for (bool shift : {false, true}) {
    keyboard.shift = shift;
    for (const auto& [key, name] : names) EXPECT_EQ(named(key), std::make_pair(std::string(name), std::string())) << key;
  }
  for (int key = 112; key <= 123; ++key) EXPECT_EQ(named(key).first, "F" + std::to_string(key - 111));
}

TEST_F(KeyNamesTest, KeysThatTypeCharactersWithAndWithoutShift) {
  struct Row {
    int key;
    const char* name;
    const char* character;
    const char* shiftedName;
    const char* shiftedCharacter;
  };
  const Row rows[] = {
      {49, "1", "1", "Exclamation Mark", "!"},
      {50, "2", "2", "At Symbol", "@"},
      {51, "3", "3", "Pound Sign", "#"},
      {52, "4", "4", "Dollar Sign", "$"},
      {53, "5", "5", "Percent Sign", "%"},
      {54, "6", "6", "Caret", "^"},
      {55, "7", "7", "Ampersand", "&"},
      {56, "8", "8", "Asterisk", "*"},
      {57, "9", "9", "Left Parenthesis", "("},
      {48, "0", "0", "Right Parenthesis", ")"},
      {32, "Space", " ", "Space", " "},
      {109, "Dash", "-", "Dash", "-"},
      {186, "Semi Colon", ";", "Colon", ":"},
      {187, "Equal", "=", "Plus", "+"},
      {188, "Comma", ",", "Less Than", "<"},
      {189, "Dash", "-", "Under Score", "_"},
      {190, "Period", ".", "Greater Than", ">"},
      {191, "Forward Slash", "/", "Question Mark", "?"},
      {192, "Back Quote", "`", "Tilde", "~"},
      {219, "Left Square Bracket", "[", "Left Curly Bracket", "{"},
      {220, "Back Slash", "\\", "Pipe", "|"},
      {221, "Right Square Bracket", "]", "Right Curly Bracket", "}"},
      {222, "Single Quote", "'", "Double Quote", "\""},
  };
  for (const Row& r : rows) {
    keyboard.shift = false;
    EXPECT_EQ(named(r.key), std::make_pair(std::string(r.name), std::string(r.character))) << r.key;
    keyboard.shift = true;
    EXPECT_EQ(named(r.key), std::make_pair(std::string(r.shiftedName), std::string(r.shiftedCharacter))) << r.key;
  }
}

TEST_F(KeyNamesTest, TheKeypad) {
  EXPECT_EQ(named(96).first, "Num Pad 0");
  EXPECT_EQ(named(105).first, "Num Pad 9");
  EXPECT_EQ(named(101).first, "Num Pad 5");
  EXPECT_EQ(named(106).first, "Multiply");
  EXPECT_EQ(named(111).first, "Divide");
  EXPECT_EQ(named(107).first, "Add");
  EXPECT_EQ(named(110).first, "Decimal");
}

TEST_F(KeyNamesTest, LettersAreCapitalWhenShiftAndCapsLockDisagree) {
  EXPECT_EQ(named('A'), std::make_pair(std::string("A"), std::string("A")));
  keyboard.shift = true;
  EXPECT_EQ(named('Q'), std::make_pair(std::string("Capital Q"), std::string("Q")));
  keyboard.capsLock = true;
  EXPECT_EQ(named('A'), std::make_pair(std::string("A"), std::string("A")));
  keyboard.shift = false;
  EXPECT_EQ(named('Z'), std::make_pair(std::string("Capital Z"), std::string("Z")));
}

TEST_F(KeyNamesTest, ControlMakesHomeAndEndTheDocumentsEnds) {
  keyboard.control = true;
  EXPECT_EQ(named(36).first, "Document Home");
  EXPECT_EQ(named(35).first, "Document End");
  EXPECT_EQ(named(37).first, "Left Arrow");
  EXPECT_EQ(named('C').first, "C");
}

TEST_F(KeyNamesTest, AnUnknownKeyForgetsTheLastOne) {
  named('A');
  EXPECT_EQ(named(231), std::make_pair(std::string("Unknown"), std::string()));  // a character sent as a packet
  EXPECT_EQ(named(0).first, "Unknown");
  EXPECT_EQ(named(93).first, "Unknown");
}

TEST_F(KeyNamesTest, TheEchoSetsWithAndWithoutShift) {
  std::set<int> plain = {189, 109, 187, 220, 190, 191};
  std::set<int> shifted = {'1', '5', '8', '9', '0', 189, 109, 187, 220, 186, 222, 191};
  for (int key = 'A'; key <= 'Z'; ++key) plain.insert(key), shifted.insert(key);
  for (int key = '0'; key <= '9'; ++key) plain.insert(key);
  for (int key = 0; key < 256; ++key) {
    EXPECT_EQ(keyEchoes(key, false), plain.count(key) == 1) << key;
    EXPECT_EQ(keyEchoes(key, true), shifted.count(key) == 1) << key;
  }
}
