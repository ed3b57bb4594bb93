#pragma once
// The spoken names of single characters, as the search box narration says them.
#include <string>

namespace findaro {

struct Finder;

// The name of one character given as UTF-8 text: punctuation by its name, an
// upper-case letter with "Capital " before it, anything else as it stands (the
// voice reads letters and digits well). Empty text gives an empty name.
std::string describeCharacter(Finder& finder, const std::string& character);

// The characters the search engine cannot take in a term; typing one is refused.
bool isRefusedCharacter(char32_t character);

}  // namespace findaro
