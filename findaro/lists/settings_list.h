#pragma once
// The settings list: 29 numbered rows, each a setting with its shortcut and its
// current value. Space on a row changes the setting as its shortcut would.
#include <string>
#include <vector>

namespace findaro {

struct Finder;
struct Settings;

constexpr int kSettingsRowCount = 29;

// The row's text (row from 1): its label followed directly by the value.
std::string settingsRowText(const Settings& settings, int row);
// The command that changes the row's setting.
int settingsRowCommand(int row);
std::vector<std::string> settingsRowTexts(const Settings& settings);

// The caller has set list mode 5 and laid the window out.
void showSettingsList(Finder& finder);
// List mode 5, the layout for it, then the list.
void openSettingsList(Finder& finder);
// Space on a row: the row and the command that changes its setting, for the
// caller to run and then refresh the row with; command 0 when the list is not
// shown or no row is selected (the user has been told).
struct SettingsChoice {
  int row = 0;
  int command = 0;
};
SettingsChoice chooseSettingsRow(Finder& finder);
// Shows the row's current value (and that of every other row); nothing unless
// the list is shown.
void refreshSettingsRow(Finder& finder, int row);
// In list mode 5 with the settings list's own rows in the list.
bool settingsListShown(const Finder& finder);

}  // namespace findaro
