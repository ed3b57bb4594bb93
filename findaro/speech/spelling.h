#pragma once
// Saying the search term, and spelling it or the selected file name character by
// character.
#include <string>

namespace findaro {

struct Finder;

// The spelling of a text: each character followed by " : ", punctuation by name,
// blanks trimmed from the whole.
std::string spellingOf(const std::string& text);

// Stores the search box text as the search term and says it as typed.
void speakSearchTerm(Finder& finder);
// Stores the search box text as the search term and spells it.
void spellSearchTerm(Finder& finder);
// Spells the name shown in the selected row of the results list.
void spellFileName(Finder& finder);

}  // namespace findaro
