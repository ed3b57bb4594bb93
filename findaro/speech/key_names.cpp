#include "findaro/speech/key_names.h"

#include "findaro/state/finder.h"

namespace findaro {
namespace {

struct KeyEntry {
  int key;
  const char* name;
  const char* shiftedName;  // nullptr: the same with Shift
  const char* character;    // what the key types; empty for none
  const char* shiftedCharacter;
};

// One entry per key; the letters and Home and End are named apart.
constexpr KeyEntry kKeys[] = {
    {38, "Up Arrow", nullptr, "", ""},
    {40, "Down Arrow ", nullptr, "", ""},
    {37, "Left Arrow", nullptr, "", ""},
    {39, "Right Arrow", nullptr, "", ""},
    {9, "TAB", nullptr, "", ""},
    {45, "Insert", nullptr, "", ""},
    {20, "Capital", nullptr, "", ""},
    {18, "Menu", nullptr, "", ""},
    {27, "Escape", nullptr, "", ""},
    {42, "Print", nullptr, "", ""},
    {112, "F1", nullptr, "", ""},
    {113, "F2", nullptr, "", ""},
    {114, "F3", nullptr, "", ""},
    {115, "F4", nullptr, "", ""},
    {116, "F5", nullptr, "", ""},
    {117, "F6", nullptr, "", ""},
    {118, "F7", nullptr, "", ""},
    {119, "F8", nullptr, "", ""},
    {120, "F9", nullptr, "", ""},
    {121, "F10", nullptr, "", ""},
    {122, "F11", nullptr, "", ""},
    {123, "F12", nullptr, "", ""},
    {145, "Scroll Lock", nullptr, "", ""},
    {91, "Left WinKey", nullptr, "", ""},
    {92, "Right WinKey", nullptr, "", ""},
    {19, "Pause Break", nullptr, "", ""},
    {33, "PageUp", nullptr, "", ""},
    {34, "PageDown", nullptr, "", ""},
    {164, "Left Alt", nullptr, "", ""},
    {165, "Right Alt", nullptr, "", ""},
    {16, "Shift", nullptr, "", ""},
    {160, "Left Shift", nullptr, "", ""},
    {161, "Right Shift", nullptr, "", ""},
    {17, "Control", nullptr, "", ""},
    {13, "Enter", nullptr, "", ""},
    {46, "Delete", nullptr, "", ""},
    {144, "Num Lock", nullptr, "", ""},
    {8, "BackSpace", nullptr, "", ""},
    {49, "1", "Exclamation Mark", "1", "!"},
    {50, "2", "At Symbol", "2", "@"},
    {51, "3", "Pound Sign", "3", "#"},
    {52, "4", "Dollar Sign", "4", "$"},
    {53, "5", "Percent Sign", "5", "%"},
    {54, "6", "Caret", "6", "^"},
    {55, "7", "Ampersand", "7", "&"},
    {56, "8", "Asterisk", "8", "*"},
    {57, "9", "Left Parenthesis", "9", "("},
    {48, "0", "Right Parenthesis", "0", ")"},
    {32, "Space", nullptr, " ", " "},
    {96, "Num Pad 0", nullptr, "0", "0"},
    {97, "Num Pad 1", nullptr, "1", "1"},
    {98, "Num Pad 2", nullptr, "2", "2"},
    {99, "Num Pad 3", nullptr, "3", "3"},
    {100, "Num Pad 4", nullptr, "4", "4"},
    {101, "Num Pad 5", nullptr, "5", "5"},
    {102, "Num Pad 6", nullptr, "6", "6"},
    {103, "Num Pad 7", nullptr, "7", "7"},
    {104, "Num Pad 8", nullptr, "8", "8"},
    {105, "Num Pad 9", nullptr, "9", "9"},
    {106, "Multiply", nullptr, "*", "*"},
    {111, "Divide", nullptr, "/", "/"},
    {107, "Add", nullptr, "+", "+"},
    {109, "Dash", nullptr, "-", "-"},
    {110, "Decimal", nullptr, ".", "."},
    {186, "Semi Colon", "Colon", ";", ":"},
    {187, "Equal", "Plus", "=", "+"},
    {188, "Comma", "Less Than", ",", "<"},
    {189, "Dash", "Under Score", "-", "_"},
    {190, "Period", "Greater Than", ".", ">"},
    {191, "Forward Slash", "Question Mark", "/", "?"},
    {192, "Back Quote", "Tilde", "`", "~"},
    {219, "Left Square Bracket", "Left Curly Bracket", "[", "{"},
    {220, "Back Slash", "Pipe", "\\", "|"},
    {221, "Right Square Bracket", "Right Curly Bracket", "]", "}"},
    {222, "Single Quote", "Double Quote", "'", "\""},
};

constexpr int kHome = 36;
constexpr int kEnd = 35;

bool isLetterKey(int key) { return key >= 'A' && key <= 'Z'; }
bool isDigitKey(int key) { return key >= '0' && key <= '9'; }

}  // namespace

void keyName(Finder& finder, int virtualKey) {
  finder.lastKeyName = "Unknown";
  finder.lastKeyChar.clear();
  bool shift = finder.keyboard.shiftDown();
  bool control = finder.keyboard.controlDown();
  if (virtualKey == kHome) {
    finder.lastKeyName = control ? "Document Home" : "Line Home";
    return;
  }
  if (virtualKey == kEnd) {
    finder.lastKeyName = control ? "Document End" : "Line End";
    return;
  }
  if (isLetterKey(virtualKey)) {
    std::string letter(1, static_cast<char>(virtualKey));
    // Caps Lock and Shift cancel each other out.
    finder.lastKeyName = shift != finder.keyboard.capsLockOn() ? "Capital " + letter : letter;
    finder.lastKeyChar = letter;
    return;
  }
  for (const KeyEntry& entry : kKeys) {
    if (entry.key != virtualKey) continue;
    finder.lastKeyName = shift && entry.shiftedName ? entry.shiftedName : entry.name;
    finder.lastKeyChar = shift ? entry.shiftedCharacter : entry.character;
    return;
  }
}

bool keyEchoes(int virtualKey, bool shiftDown) {
  if (isLetterKey(virtualKey)) return true;
  switch (virtualKey) {
    case 189:  // minus or underscore
    case 109:  // keypad minus
    case 187:  // equals or plus
    case 220:  // backslash or vertical bar
    case 191:  // slash or question mark
      return true;
    default:
      break;
  }
  if (!shiftDown) return isDigitKey(virtualKey) || virtualKey == 190;
  // With Shift, the digits 2, 3, 4, 6 and 7 and the period key type characters the
  // box refuses; the refusal names them instead.
  switch (virtualKey) {
    case '1':
    case '5':
    case '8':
    case '9':
    case '0':
    case 186:  // colon
    case 222:  // double quote
      return true;
    default:
      return false;
  }
}

}  // namespace findaro
