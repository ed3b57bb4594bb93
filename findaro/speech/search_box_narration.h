#pragma once
// What the search box says as the user types in it: refused characters, the key
// echo in the four narration modes, Delete and Backspace, the arrows, Caps Lock,
// Home and End. The search box control hands its key messages here.
#include <string>

namespace findaro {

struct Finder;

// A character typed into the box (one UTF-16 unit). True when the box refuses it:
// the user has been told why, and the character must not reach the box.
bool onSearchBoxChar(Finder& finder, int character);
// A key pressed, before the box acts on it.
void onSearchBoxKeyDown(Finder& finder, int virtualKey);
// A key released, after the box has moved the caret.
void onSearchBoxKeyUp(Finder& finder, int virtualKey);

// The character just before the selection or caret, and the one at its end;
// empty at the start or end of the text.
std::string charBeforeCaret(Finder& finder);
std::string charAfterCaret(Finder& finder);

}  // namespace findaro
