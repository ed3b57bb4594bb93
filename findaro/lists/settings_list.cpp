#include "findaro/lists/settings_list.h"

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/lists/colors.h"
#include "findaro/lists/settings_summary.h"
#include "findaro/lists/shortcut_lists.h"
#include "findaro/lists/value_names.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"

namespace findaro {
namespace {

std::string onOff(int flag) { return choiceName(flag, {"OFF", "ON"}); }

std::string speechSpeed(int rate) {
  // The three rates of the speed command's own list, whatever SlowRate and
  // FastRate say.
  switch (rate) {
    case -3: return "Slow";
    case 0: return "Normal";
    case 3: return "Fast";
    default: return "";
  }
}

struct SettingsRow {
  const char* label;
  std::string (*value)(const Settings&);
  int command;
};

// Rows 13 and 14 keep the order in which the list is first shown; each runs the
// command of the setting it shows.
const SettingsRow kRows[kSettingsRowCount] = {
    {"1 Hide Toolbar Text - Ctrl+B  - ", [](const Settings& s) { return onOff(s.HideToolbarText); }, 528},
    {"2 Icon Size - Ctrl+E  - ", [](const Settings& s) { return common::formatNumber(s.IconSize); }, 537},
    {"3 Enable Speak Letters - Ctrl+N  - ",
     [](const Settings& s) { return choiceName(s.EnableSpeakLetters, {"None", "Letters", "Words", "Both"}); }, 532},
    {"4 Exclude System Folders - Ctrl+Q  - ", [](const Settings& s) { return onOff(s.ExcludeSystemFolders); }, 538},
    {"5 Max Search Results - Ctrl+T  - ", [](const Settings& s) { return limitText(s.MaxResults); }, 534},
    {"6 Sort Type - Ctrl+U  - ",
     [](const Settings& s) { return std::string(s.SortType != 0 ? "Date" : "File Name"); }, 533},
    {"7 Show Toolbar - Ctrl+W  - ", [](const Settings& s) { return onOff(s.ShowToolbar); }, 536},
    {"8 Change Colors - Ctrl+Y  - ", [](const Settings& s) { return colorSchemeName(s); }, 509},
    {"9 Use Short Path - Ctrl+5  - ", [](const Settings& s) { return onOff(s.ShortPath); }, 548},
    {"10 Enable ToolTips - Ctrl+6  - ",
     [](const Settings& s) { return choiceName(s.EnableToolTips, {"OFF", "Text", "Speak", "Both"}); }, 549},
    {"11 Enable Time in Date - Ctrl+7  - ", [](const Settings& s) { return choiceName(s.EnableTime, {" OFF", " ON"}); },
     550},
    {"12 Speaking Speed - Ctrl+8  - ", [](const Settings& s) { return speechSpeed(s.vRate); }, 554},
    {"13 Disable Speech - F9  - ", [](const Settings& s) { return onOff(s.DisableSpeech); }, 571},
    {"14 Use Ignore List - F10  - ", [](const Settings& s) { return onOff(s.UseIgnoreList); }, 541},
    {"15 Use Magnora - Ctrl+Shift+B - ", [](const Settings& s) { return onOff(s.UseMagnora); }, 542},
    {"16 Search Term Focus - Ctrl+Shift+F - ", [](const Settings& s) { return onOff(s.FocusOnRE); }, 545},
    {"17 Magnora Hover - Ctrl+Shift+H - ",
     [](const Settings& s) { return choiceName(s.UseHover, {"OFF", "Text", "Speak", "Both"}); }, 543},
    {"18 Format File Size - Ctrl+Shift+K - ", [](const Settings& s) { return onOff(s.UseKB); }, 551},
    {"19 Print Using Visual Font - Ctrl+Shift+P - ", [](const Settings& s) { return onOff(s.PrintFont); }, 544},
    {"20 Max Print Lines - Ctrl+Shift+E - ", [](const Settings& s) { return limitText(s.MaxPrintLines); }, 552},
    {"21 Show Preview - Ctrl+Shift+A - ", [](const Settings& s) { return onOff(s.ShowPreview); }, 561},
    {"22 Speak Shortcuts - Ctrl+Shift+S - ", [](const Settings& s) { return onOff(s.SpeakShortcuts); }, 563},
    {"23 Increase Font Size - Ctrl+Shift+L - ", [](const Settings& s) { return common::formatNumber(s.FontSize); },
     557},
    {"24 Decrease Font Size - Ctrl+Shift+M - ", [](const Settings& s) { return common::formatNumber(s.FontSize); },
     558},
    {"25 Preview Resize - Ctrl+Shift+R - ", [](const Settings& s) { return onOff(s.PreviewResize); }, 562},
    {"26 Image BG Color - Ctrl+Shift+I - ",
     [](const Settings& s) { return choiceName(s.ImageBG, {"White", "Black", "Blue"}); }, 567},
    {"27 Include Shortcut Key - Ctrl+Shift+T - ", [](const Settings& s) { return onOff(s.IncludeShortcutKey); }, 565},
    {"28 Speak Minimal Key - Ctrl+Shift+U - ", [](const Settings& s) { return onOff(s.SpeakMinimalKey); }, 566},
    {"29 Wide Toolbar - Ctrl+Shift+W - ", [](const Settings& s) { return onOff(s.WideToolbar); }, 564},
};

bool validRow(int row) { return row >= 1 && row <= kSettingsRowCount; }

}  // namespace

std::string settingsRowText(const Settings& settings, int row) {
  if (!validRow(row)) return "";
  const SettingsRow& r = kRows[row - 1];
  return r.label + r.value(settings);
}

int settingsRowCommand(int row) { return validRow(row) ? kRows[row - 1].command : 0; }

std::vector<std::string> settingsRowTexts(const Settings& settings) {
  std::vector<std::string> rows;
  for (int row = 1; row <= kSettingsRowCount; ++row) rows.push_back(settingsRowText(settings, row));
  return rows;
}

bool settingsListShown(const Finder& finder) {
  if (finder.settings.SearchType != kModeSettingsList || finder.results.count() != kSettingsRowCount) return false;
  for (int row = 1; row <= kSettingsRowCount; ++row)
    if (!common::startsWith(finder.results.at(row).Name, kRows[row - 1].label)) return false;
  return true;
}

void showSettingsList(Finder& finder) { fillShortcutList(finder, settingsRowTexts(finder.settings)); }

void openSettingsList(Finder& finder) {
  finder.settings.SearchType = kModeSettingsList;
  layoutWindow(finder);
  showSettingsList(finder);
}

SettingsChoice chooseSettingsRow(Finder& finder) {
  // Saved results shown under the list's titles after a restart are not rows of
  // the list: Space must not change a setting or rename a result.
  if (!settingsListShown(finder)) return {};
  int row = finder.list.selectedRow();
  if (!validRow(row)) {
    speak(finder, "No selection");
    return {};
  }
  return {row, settingsRowCommand(row)};
}

void refreshSettingsRow(Finder& finder, int row) {
  if (!validRow(row) || !settingsListShown(finder)) return;
  // Every row is built again, not only this one: rows 23 and 24 both show the
  // font size, and a row must never read an old value. The labels are those the
  // list was first shown with, so that the user hears the same words before the
  // new value.
  setShownRows(finder, settingsRowTexts(finder.settings));
  showSettingsSummary(finder);
  finder.list.redraw();
}

}  // namespace findaro
