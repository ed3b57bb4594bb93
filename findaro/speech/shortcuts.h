#pragma once
// The names of the shortcut keys, and what is said when one is used.
#include <string>

namespace findaro {

struct Finder;

// The entry of the command: name, "::", key text; "Unknown Shortcut :: " for a
// command without a key. Sets lastShortcutName and lastShortcutKey, trimmed.
std::string lookUpShortcut(Finder& finder, int command);
// "Shortcut Pressed: " with the name and, unless switched off, the key.
void announceShortcut(Finder& finder, int command);
// The key text in words: "C-D" becomes "Control D", "CS-W" "Control Shift W".
std::string spellOutKey(const std::string& keyText);

}  // namespace findaro
