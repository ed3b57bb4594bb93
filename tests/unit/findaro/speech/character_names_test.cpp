#include "findaro/speech/character_names.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class CharacterNamesTest : public FinderTest {};

// The names the voice would get wrong if they were guessed: their own spelling,
// the carriage return's leading blank, and the characters a search may not hold.
TEST_F(CharacterNamesTest, PunctuationIsNamedAsTheProgramHasAlwaysNamedIt) {
  const std::pair<const char*, const char*> names[] = {
      {" ", "Space"},           {"\\", "Back Slash"}, {"_", "Underline"}, {"!", "Exclamation Point"},
      {";", "SemiColon"},       {"%", "Per Cent"},     {"\r", " New Line"}, {"#", "Pound Sign"},
      {"{", "Left Curly Bracket"}, {"'", "Apostrophe"},
  };
  for (const auto& [character, name] : names) EXPECT_EQ(describeCharacter(finder, character), name) << character;
}

TEST_F(CharacterNamesTest, LettersAndDigitsAreLeftToTheVoice) {
  EXPECT_EQ(describeCharacter(finder, "a"), "a");
  EXPECT_EQ(describeCharacter(finder, "7"), "7");
  EXPECT_EQ(describeCharacter(finder, "A"), "Capital A");
  EXPECT_EQ(describeCharacter(finder, "\xC3\x89"), "Capital \xC3\x89");  // É, as the system's case says
  EXPECT_EQ(describeCharacter(finder, "\xC3\xA9"), "\xC3\xA9");
  EXPECT_EQ(describeCharacter(finder, "\""), "\"");
  EXPECT_EQ(describeCharacter(finder, ""), "");
  // Only one character is ever named: a longer text is not looked up.
  EXPECT_EQ(describeCharacter(finder, ".."), "..");
  EXPECT_EQ(describeCharacter(finder, "AB"), "AB");
}

TEST_F(CharacterNamesTest, ExactlyTheSixteenCharactersTheEngineCannotTakeAreRefused) {
  const std::u32string refused = U"`~@#$^&[{]};'<>,";
  for (char32_t c = 1; c < 0x3000; ++c)
    EXPECT_EQ(isRefusedCharacter(c), refused.find(c) != std::u32string::npos) << static_cast<int>(c);
}
