#include "findaro/lists/actions_list.h"

#include "findaro/actions/outside_programs.h"
#include "findaro/lists/settings_list.h"
#include "findaro/lists/shortcut_lists.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"

namespace findaro {
namespace {

struct ActionsRow {
  const char* text;
  ActionsChoice choice;
};

constexpr ActionsChoice run(int command) { return {ActionsChoice::Command, command}; }
constexpr ActionsChoice kSettingsList{ActionsChoice::SettingsList, 0};
constexpr ActionsChoice kOnlineHelp{ActionsChoice::OnlineHelp, 0};
constexpr ActionsChoice kActionsList{ActionsChoice::ActionsList, 0};
// The rows that act on the selected result: here the selection is a row of this
// list, and Copy File or Expand Folder would take the row's text for a file.
constexpr ActionsChoice kNeedsResult{ActionsChoice::NotAvailable, 0};

const ActionsRow kRows[kActionsRowCount] = {
    {"1 Display Settings Shortcuts - F1", kSettingsList},  // F1 shows the settings, not the actions
    {"2 Online Help - Ctrl+F1", kOnlineHelp},
    {"3 Display Action Shortcuts - F2", kActionsList},
    {"4 Open Everything - F3", run(547)},
    {"5 Copy File - Ctrl+D", kNeedsResult},
    {"6 File Search - Ctrl+F", run(505)},
    {"7 Folder Search - Ctrl+G", run(506)},
    {"8 Search All - Ctrl+H", run(507)},
    {"9 Search Custom - Ctrl+I", run(508)},
    {"10 Open File - Ctrl+J", kNeedsResult},
    {"11 Open Folder - Ctrl+K", kNeedsResult},
    {"12 Speak Search Term - Ctrl+L", run(529)},
    {"13 Spell Search Term - Ctrl+M", run(530)},
    {"14 Online Update - Ctrl+O", run(553)},
    {"15 Print - Ctrl+P", run(535)},
    {"16 Fit Columns to Content - Ctrl+R", run(540)},
    {"17 Expand Folder - Ctrl+S", kNeedsResult},
    {"18 Spell File Name - Ctrl+Z", kNeedsResult},
    {"19 Speak File Name - Ctrl+1", kNeedsResult},
    {"20 Speak Folder - Ctrl+2", kNeedsResult},
    {"21 Speak Date - Ctrl+3", kNeedsResult},
    {"22 Speak File Size - Ctrl+4", kNeedsResult},
    {"23 Jump To Folder - Ctrl+9", kNeedsResult},
    {"24 Speak List Location - Ctrl+0 (Zero)", run(556)},
    {"25 Clear Search Term - F4", run(523)},
    {"26 Expand Parent Folder - F5", kNeedsResult},
    {"27 Increase Volume - F6", run(569)},
    {"28 Decrease Volume - F7", run(570)},
    {"29 Mute Speakers - F8", run(568)},
    {"30 Disable Speech - F9", run(571)},
    {"31 Open Everything - F3", run(547)},
    {"32 Copy Results - Ctrl+Shift+C", run(559)},
    {"33 Show Settings - Ctrl+Shift+D", run(560)},
    {"34 Next Menu - Ctrl+Shift+N", run(518)},
};

bool validRow(int row) { return row >= 1 && row <= kActionsRowCount; }

}  // namespace

std::string actionsRowText(int row) { return validRow(row) ? kRows[row - 1].text : ""; }

ActionsChoice actionsRowChoice(int row) { return validRow(row) ? kRows[row - 1].choice : ActionsChoice{}; }

std::vector<std::string> actionsRowTexts() {
  std::vector<std::string> rows;
  for (const ActionsRow& r : kRows) rows.emplace_back(r.text);
  return rows;
}

bool actionsListShown(const Finder& finder) {
  return finder.settings.SearchType == kModeActionsList && shownRows(finder) == actionsRowTexts();
}

void showActionsList(Finder& finder) { fillShortcutList(finder, actionsRowTexts()); }

int chooseActionsRow(Finder& finder) {
  // Saved results shown under the list's titles after a restart are not rows of
  // the list: Space must not run an action.
  if (!actionsListShown(finder)) return 0;
  int row = finder.list.selectedRow();
  if (!validRow(row)) {
    speak(finder, "No selection");
    return 0;
  }
  ActionsChoice choice = actionsRowChoice(row);
  switch (choice.kind) {
    case ActionsChoice::Command:
      return choice.command;
    case ActionsChoice::SettingsList:
      openSettingsList(finder);
      break;
    case ActionsChoice::OnlineHelp:
      openOnlineHelp(finder);
      break;
    case ActionsChoice::ActionsList:
      finder.settings.SearchType = kModeActionsList;
      layoutWindow(finder);
      showActionsList(finder);
      break;
    case ActionsChoice::NotAvailable:
      speak(finder, "Not available when Shortcuts are displayed");
      break;
  }
  return 0;
}

}  // namespace findaro
