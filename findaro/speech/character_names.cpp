#include "findaro/speech/character_names.h"

#include <string_view>

#include "findaro/state/finder.h"

namespace findaro {
namespace {

struct CharacterName {
  std::string_view character;
  const char* name;
};

constexpr CharacterName kCharacterNames[] = {
    {" ", "Space"},
    {"\\", "Back Slash"},
    {"`", "Back Quote"},
    {"|", "Pipe"},
    {"~", "Tilde"},
    {"-", "Dash"},
    {"?", "Question Mark"},
    {"_", "Underline"},
    {".", "Period"},
    {"+", "Plus Sign"},
    {"!", "Exclamation Point"},
    {"*", "Asterisk"},
    {";", "SemiColon"},
    {"@", "At Sign"},
    {":", "Colon"},
    {"#", "Pound Sign"},
    {"<", "Less Than"},
    {"$", "Dollar Sign"},
    {">", "Greater Than"},
    {"%", "Per Cent"},
    {"=", "Equal"},
    {"^", "Caret"},
    {"'", "Apostrophe"},
    {"&", "Ampersand"},
    {"/", "Forward Slash"},
    {"(", "Left Parenthesis"},
    {",", "Comma"},
    {")", "Right Parenthesis"},
    {"[", "Left Bracket"},
    {"\r", " New Line"},
    {"]", "Right Bracket"},
    {"{", "Left Curly Bracket"},
    {"}", "Right Curly Bracket"},
};

constexpr std::u32string_view kRefusedCharacters = U"`~@#$^&[{]};'<>,";

}  // namespace

std::string describeCharacter(Finder& finder, const std::string& character) {
  if (character.empty()) return {};
  for (const CharacterName& entry : kCharacterNames)
    if (character == entry.character) return entry.name;
  if (finder.locale.isUpperCase(character)) return "Capital " + character;
  return character;
}

bool isRefusedCharacter(char32_t character) {
  return kRefusedCharacters.find(character) != std::u32string_view::npos;
}

}  // namespace findaro
