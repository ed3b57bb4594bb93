#pragma once
// Every command of the finder arrives here: shortcut keys (code 1), toolbar
// buttons, the dialog's default button and the lists (code 0).
#include <string>

namespace findaro {

struct Finder;

void handleCommand(Finder& finder, int command, int code);
// Runs a command as if it had been given, never announced as a shortcut.
void runCommand(Finder& finder, int command);

// The cycles of the values that step through a fixed list.
int nextMaxResults(int maxResults);
int nextMaxPrintLines(int maxPrintLines);

}  // namespace findaro
