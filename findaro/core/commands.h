#pragma once
// Every command of the finder arrives here: shortcut keys (code 1), toolbar
// buttons, the dialog's default button and the lists (code 0).
namespace findaro {

struct Finder;

void handleCommand(Finder& finder, int command, int code);

}  // namespace findaro
