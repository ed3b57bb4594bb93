#include "findaro/app/commands.h"

#include <iterator>

#include "common/number_format.h"
#include "findaro/actions/clipboard_actions.h"
#include "findaro/actions/opening.h"
#include "findaro/actions/printing.h"
#include "findaro/actions/update.h"
#include "findaro/lists/actions_list.h"
#include "findaro/lists/colors.h"
#include "findaro/lists/font_size.h"
#include "findaro/lists/settings_list.h"
#include "findaro/lists/settings_summary.h"
#include "findaro/lists/value_names.h"
#include "findaro/search/folder_navigation.h"
#include "findaro/search/results_file.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/shortcuts.h"
#include "findaro/speech/speech.h"
#include "findaro/speech/spelling.h"
#include "findaro/speech/tooltips.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/preview.h"
#include "findaro/view/toolbar.h"

namespace findaro {
namespace {

constexpr int kEscape = 539;

// What must follow a change of a setting, in this order.
enum Effect : unsigned {
  kNoEffect = 0,
  kRebuildToolbar = 1,
  kLayout = 2,
  kRedrawList = 4,
  kShowPreview = 8,
};

// A 0/1 setting: flipped, then confirmed by its phrase and the word for the new value.
struct Toggle {
  int id;
  int Settings::*setting;
  const char* phrase;
  const char* on;   // said for 1
  const char* off;  // said for 0
  unsigned effects;
};

constexpr const char* kOn = "ON";
constexpr const char* kOff = "OFF";

const Toggle kToggles[] = {
    {504, &Settings::PreviewResize, "Preview Resize is ", kOn, kOff, kLayout},
    {528, &Settings::HideToolbarText, "Hide Toolbar Text is ", kOn, kOff, kRebuildToolbar | kLayout},
    {533, &Settings::SortType, "Sort Type is ", "Date", "File Name", kNoEffect},
    {536, &Settings::ShowToolbar, "Toolbar is ", "Displayed", "Hidden", kRebuildToolbar | kLayout},
    {538, &Settings::ExcludeSystemFolders, "Exclude System Folders is ", kOn, kOff, kNoEffect},
    {541, &Settings::UseIgnoreList, "Ignore List is ", kOn, kOff, kNoEffect},
    {542, &Settings::UseMagnora, "Use Magnora ", kOn, kOff, kNoEffect},
    {544, &Settings::PrintFont, "Print With Visual Font is ", kOn, kOff, kNoEffect},
    {545, &Settings::FocusOnRE, "Search Term Focus ", kOn, kOff, kNoEffect},
    {548, &Settings::ShortPath, "Short Path Name is ", kOn, kOff, kRedrawList},
    {550, &Settings::EnableTime, "Include Time in Date is ", kOn, kOff, kRedrawList},
    {551, &Settings::UseKB, "Format File Size is ", kOn, kOff, kRedrawList},
    {561, &Settings::ShowPreview, "Show Preview is ", kOn, kOff, kShowPreview | kLayout},
    {562, &Settings::PreviewResize, "Preview Resize is ", kOn, kOff, kLayout},
    {563, &Settings::SpeakShortcuts, "Speak Shortcuts is ", kOn, kOff, kLayout},
    {564, &Settings::WideToolbar, "Wide Toolbar is ", kOn, kOff, kRebuildToolbar},
    {565, &Settings::IncludeShortcutKey, "Include Shortcut Key is ", kOn, kOff, kLayout},
    {566, &Settings::SpeakMinimalKey, "Speak Minimal Key is ", kOn, kOff, kLayout},
};

// A mode 0 to 3: one step up, 0 after 3, confirmed by the new mode's name
// (nothing for a value outside the four, from a hand-edited file).
struct ModeCycle {
  int id;
  int Settings::*setting;
  const char* phrase;
  const char* names[4];
};

const ModeCycle kModeCycles[] = {
    {532, &Settings::EnableSpeakLetters, "Speak Text is ", {"None", "Letters", "Words", "Both"}},
    {543, &Settings::UseHover, "Magnora Hover is  ", {"OFF", "Text", "Speak", "Both"}},
};

// A limit stepped through its list of values, confirmed by the new limit.
struct LimitCycle {
  int id;
  int Settings::*setting;
  int (*next)(int);
  const char* phrase;
  unsigned effects;
};

const LimitCycle kLimitCycles[] = {
    {534, &Settings::MaxResults, nextMaxResults, "Max Search Results is ", kNoEffect},
    {552, &Settings::MaxPrintLines, nextMaxPrintLines, "Max Print Lines is ", kRedrawList},
};

void applyEffects(Finder& finder, unsigned effects) {
  if (effects & kRebuildToolbar) createToolbar(finder);
  if (effects & kShowPreview) showPreview(finder);
  if (effects & kLayout) layoutWindow(finder);
  if (effects & kRedrawList) finder.list.redraw();
}

void flip(Finder& finder, const Toggle& t) {
  int& value = finder.settings.*t.setting;
  value = value == 0 ? 1 : 0;
  applyEffects(finder, t.effects);
  speak(finder, std::string(t.phrase) + (value == 1 ? t.on : t.off));
}

void step(Finder& finder, const ModeCycle& c) {
  int& value = finder.settings.*c.setting;
  value = value + 1 > 3 ? 0 : value + 1;
  speak(finder, std::string(c.phrase) + (value >= 0 && value <= 3 ? c.names[value] : ""));
}

void cycle(Finder& finder, const LimitCycle& c) {
  int& value = finder.settings.*c.setting;
  value = c.next(value);
  applyEffects(finder, c.effects);
  speak(finder, c.phrase + limitText(value));
}

// Commands that do one thing, each a row: its id, whether it starts with the
// short tone, and what it does.
struct Command {
  int id;
  bool beep;
  void (*action)(Finder&);
};

void search(Finder& finder, int searchType) { runSearch(finder, searchType); }

void enterKey(Finder& finder) {
  if (finder.window.focus() == Focus::ResultsList) {
    openSelectedFile(finder);
    return;
  }
  finder.searchBox.focus();
  search(finder, kModeFiles);
}

template <int SearchType>
void searchFor(Finder& finder) {
  search(finder, SearchType);
}

void changeColors(Finder& finder) {
  cycleColorScheme(finder);
  layoutWindow(finder);
}

void closeWindow(Finder& finder) { finder.window.closeWindow(); }

void displayActionsList(Finder& finder) {
  finder.settings.SearchType = kModeActionsList;
  layoutWindow(finder);
  speakAndWait(finder, "Opening Actions List");
  showActionsList(finder);
}

void copySearchTerm(Finder& finder) {
  // Confirmed only when something went to the clipboard.
  if (copySearchText(finder)) speak(finder, "Selection Copied");
}

void openEngine(Finder& finder) {
  // After "Everything Not Found" the program is not said to be opening.
  if (openEngineWindow(finder)) speak(finder, "Opening Everything");
}

void selectAll(Finder& finder) {
  finder.searchBox.selectAll();
  speak(finder, "Select All");
}

void clearSearchTerm(Finder& finder) {
  finder.searchBox.setText("");
  speak(finder, "Search Term Cleared");
}

template <int Column>
void speakColumn(Finder& finder) {
  speakSelectedColumn(finder, Column);
}

void iconSize(Finder& finder) {
  cycleIconSize(finder);
  speak(finder, "Icon Size is " + common::formatNumber(finder.settings.IconSize));
}

// Esc cancels a running search. Otherwise the first Esc silences the voice; the
// next leaves a list, or closes the program.
void escape(Finder& finder) {
  if (searchInProgress(finder)) {
    cancelSearch(finder);
    return;
  }
  if (isSpeaking(finder)) {
    stopSpeaking(finder);
    return;
  }
  Settings& s = finder.settings;
  if (s.SearchType == kModeSettingsList || s.SearchType == kModeActionsList) {
    s.SearchType = s.LastSearchType;
    layoutWindow(finder);
    speakAndWait(finder, "Returning to Results");
    reloadLastResults(finder);
    return;
  }
  finder.window.closeWindow();
}

void fitToContent(Finder& finder) {
  fitColumnsToContent(finder);
  speak(finder, "Columns Resized");
}

template <int Step>
void stepFontSize(Finder& finder) {
  changeFontSize(finder, Step);
  applyColors(finder);
  layoutWindow(finder);
}

void louder(Finder& finder) {
  volumeUp(finder);
  speak(finder, "Louder");
}

void softer(Finder& finder) {
  volumeDown(finder);
  speak(finder, "Softer");
}

const Command kCommands[] = {
    {1, true, enterKey},
    {505, true, searchFor<kModeFiles>},
    {506, true, searchFor<kModeFolders>},
    {507, true, searchFor<kModeBoth>},
    {508, true, searchFor<kModeCustom>},
    {509, true, changeColors},
    {510, false, copySelectedFile},
    {511, true, openSelectedFile},
    {512, true, openSelectedFolder},
    {513, true, expandFolder},
    {514, true, expandParentFolder},
    {515, true, openSettingsList},
    {516, true, printResults},
    {517, true, closeWindow},
    {518, false, nextToolbarPage},
    {519, true, selectAll},
    {520, true, copySearchTerm},
    {521, true, cutSearchText},
    {522, true, pasteSearchText},
    {523, true, clearSearchTerm},
    {524, false, speakColumn<1>},
    {525, false, speakColumn<2>},
    {526, false, speakColumn<3>},
    {527, false, speakColumn<4>},
    {529, false, speakSearchTerm},
    {530, false, spellSearchTerm},
    {531, false, spellFileName},
    {535, true, printResults},
    {537, true, iconSize},
    {539, false, escape},
    {540, true, fitToContent},
    {546, false, displayActionsList},
    {547, true, openEngine},
    {549, true, cycleTooltipMode},
    {553, false, updateProgram},
    {554, false, cycleSpeechRate},
    {555, false, jumpToNextFolder},
    {556, false, speakLocation},
    {557, false, stepFontSize<4>},
    {558, false, stepFontSize<-4>},
    {559, false, copyResultsFile},
    {560, true, showSettingsSummary},
    {567, true, cycleImageBackground},
    {568, false, muteSpeakers},  // its two tones come after the key, not before
    {569, false, louder},
    {570, false, softer},
    {571, false, toggleSpeech},
};

// While a search runs only these do what they do: Esc (which cancels it), the
// toolbar's Exit, and the controls of the voice: speed, mute, louder, softer and
// speech off or on. Every other command says why it does nothing.
constexpr int kCommandsDuringSearch[] = {kEscape, 517, 554, 568, 569, 570, 571};

bool runsDuringSearch(int command) {
  for (int id : kCommandsDuringSearch)
    if (id == command) return true;
  return false;
}

template <typename Row, size_t N>
const Row* find(const Row (&rows)[N], int id) {
  for (const Row& row : rows)
    if (row.id == id) return &row;
  return nullptr;
}

bool isCommand(int id) {
  return find(kCommands, id) || find(kToggles, id) || find(kModeCycles, id) || find(kLimitCycles, id);
}

}  // namespace

int nextMaxResults(int maxResults) {
  constexpr int kSteps[] = {50, 100, 250, 1000, 10000, 100000, 0};
  for (size_t i = 0; i < std::size(kSteps); ++i)
    if (kSteps[i] == maxResults) return kSteps[(i + 1) % std::size(kSteps)];
  return 50;
}

int nextMaxPrintLines(int maxPrintLines) {
  constexpr int kSteps[] = {0, 10, 50, 100};
  for (size_t i = 0; i < std::size(kSteps); ++i)
    if (kSteps[i] == maxPrintLines) return kSteps[(i + 1) % std::size(kSteps)];
  return maxPrintLines;  // a hand-edited limit stays until edited again
}


void handleCommand(Finder& finder, int command, int code) {
  if (searchInProgress(finder) && !runsDuringSearch(command)) {
    // What the controls report through the same message (the search box's
    // changes) is no command, and the user did nothing to hear about.
    if (isCommand(command)) speak(finder, kSearchInProgress);
    return;
  }
  // Esc is never announced: the announcement would keep the voice busy, and Esc
  // would then only ever stop it, never leave a list or close the program.
  if (code == 1 && command != kEscape) {
    lookUpShortcut(finder, command);
    if (finder.settings.SpeakShortcuts > 0) announceShortcut(finder, command);
  }
  if (const Command* c = find(kCommands, command)) {
    if (c->beep) clickBeep(finder);
    c->action(finder);
  } else if (const Toggle* t = find(kToggles, command)) {
    clickBeep(finder);
    flip(finder, *t);
  } else if (const ModeCycle* m = find(kModeCycles, command)) {
    clickBeep(finder);
    step(finder, *m);
  } else if (const LimitCycle* l = find(kLimitCycles, command)) {
    clickBeep(finder);
    cycle(finder, *l);
  }
  // A command in none of the tables does nothing.
}

void runCommand(Finder& finder, int command) { handleCommand(finder, command, 0); }

}  // namespace findaro
