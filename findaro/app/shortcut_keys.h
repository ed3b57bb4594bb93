#pragma once
// The keys of the shortcut table and the command each gives, in the table's order.
#include <vector>

namespace findaro {

struct ShortcutKey {
  int virtualKey;
  bool control;
  bool shift;
  int command;
};

// 64 keys: Esc and F2 to F10 alone, Ctrl with A to Z and 1 to 9 and 0, then
// Ctrl+Shift with the letters that have a command.
const std::vector<ShortcutKey>& shortcutKeys();

}  // namespace findaro
