#pragma once
// The actions list: 34 numbered rows, each an action with its shortcut. Space on
// a row does what the shortcut does.
#include <string>
#include <vector>

namespace findaro {

struct Finder;

constexpr int kActionsRowCount = 34;

// What choosing a row does.
struct ActionsChoice {
  enum Kind {
    Command,       // runs `command`
    SettingsList,  // shows the settings list
    OnlineHelp,    // the help page (and magnora)
    ActionsList,   // shows this list again
    NotAvailable,  // needs a search result, which the list has replaced
  };
  Kind kind = NotAvailable;
  int command = 0;
};

std::string actionsRowText(int row);  // row from 1
ActionsChoice actionsRowChoice(int row);
std::vector<std::string> actionsRowTexts();

// The caller has set list mode 6, laid the window out and announced the list.
void showActionsList(Finder& finder);
// Space on a row: the command the row stands for, for the caller to run; 0 when
// the row has done its own part (a list, the help page, a refusal) or nothing.
int chooseActionsRow(Finder& finder);
// In list mode 6 with the actions list's own rows in the list.
bool actionsListShown(const Finder& finder);

}  // namespace findaro
