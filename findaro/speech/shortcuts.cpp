#include "findaro/speech/shortcuts.h"

#include "common/text.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

struct Shortcut {
  int command;
  const char* entry;  // name :: key text
};

constexpr Shortcut kShortcuts[] = {
    {546, "Display Actions List :: F2"},
    {547, "Open Everything :: F3"},
    {523, "Clear Search Term :: F4"},
    {514, "Expand Parent Folder :: F5"},
    {569, "Louder :: F6"},
    {570, "Softer :: F7"},
    {568, "Mute Speakers :: F8"},
    {571, "Disable Speech :: F9"},
    {541, "Use Ignore List :: F10"},
    {519, "Select All :: C-A"},
    {528, "Hide Toolbar Text :: C-B"},
    {520, "Copy Search Term :: C-C"},
    {510, "Copy File :: C-D"},
    {537, "Icon Size :: C-E"},
    {505, "Search for Files :: C-F"},
    {506, "Search for Folders :: C-G"},
    {507, "Search All :: C-H"},
    {508, "Custom Search :: C-I"},
    {511, "Open File :: C-J"},
    {512, "Open Folder :: C-K"},
    {529, "Speak Search Term :: C-L"},
    {530, "Spell Search Term :: C-M"},
    {532, "Speak Letters :: C-N"},
    {553, "Update Findaro :: C-O"},
    {535, "Print Results :: C-P"},
    {538, "Exclude System Folders :: C-Q"},
    {540, "Fit To Content :: C-R"},
    {513, "Expand Folder :: C-S"},
    {534, "Max Results :: C-T"},
    {533, "Search Sort Type :: C-U"},
    {522, "Paste :: C-V"},
    {536, "Show Toolbar :: C-W"},
    {521, "Cut :: C-X"},
    {509, "Change Colors :: C-Y"},
    {531, "Spell Name :: C-Z"},
    {524, "Speak Name :: C-1"},
    {525, "Speak Folder :: C-2"},
    {526, "Speak Date :: C-3"},
    {527, "Speak File Size :: C-4"},
    {548, "Folder Short Path :: C-5"},
    {549, "Enable Tool Tips :: C-6"},
    {550, "Show Time in Date :: C-7"},
    {554, "Speech Speed :: C-8"},
    {555, "Jump To Folders in List :: C-9"},
    {556, "Speak Location :: C-0"},
    {561, "Preview :: CS-A"},
    {542, "Use Magnora :: CS-B"},
    {559, "Copy Results :: CS-C"},
    {560, "Show Settings :: CS-D"},
    {552, "MaxPrintLines :: CS-E"},
    {545, "Focus On Search Term :: CS-F"},
    {543, "Toolbar Hover :: CS-H"},
    {567, "Image BG Color :: CS-I"},
    {551, "Format as KB :: CS-K"},
    {557, "Increase Font Size :: CS-L"},
    {558, "Decrease Font Size :: CS-M"},
    {518, "Next Menu :: CS-N"},
    {544, "Visual Print Font :: CS-P"},
    {562, "Preview Resize :: CS-R"},
    {563, "Speak Shortcuts :: CS-S"},
    {565, "Include Shortcut Key :: CS-T"},
    {566, "Speak Minimal Key :: CS-U"},
    {564, "Wide Toolbar :: CS-W"},
};

constexpr const char* kUnknownShortcut = "Unknown Shortcut :: ";

std::string afterFirstDash(const std::string& key) { return key.substr(key.find('-') + 1); }

}  // namespace

std::string lookUpShortcut(Finder& finder, int command) {
  std::string entry = kUnknownShortcut;
  for (const Shortcut& s : kShortcuts) {
    if (s.command == command) {
      entry = s.entry;
      break;
    }
  }
  std::vector<std::string> fields = common::split(entry, "::");
  finder.lastShortcutName = common::trimBlanks(fields[0]);
  finder.lastShortcutKey = fields.size() > 1 ? common::trimBlanks(fields[1]) : std::string();
  return entry;
}

std::string spellOutKey(const std::string& key) {
  if (key.size() == 1) return "Letter " + key;
  // "CS-" holds no "C-", so the order of these tests keeps the two apart.
  if (key.find("C-") != std::string::npos) return "Control " + afterFirstDash(key);
  if (key.find("CS-") != std::string::npos) return "Control Shift " + afterFirstDash(key);
  if (key.find("CA-") != std::string::npos) return "Control Alt " + afterFirstDash(key);
  if (!key.empty() && key[0] == 'F') return key;
  return "...";
}

void announceShortcut(Finder& finder, int command) {
  lookUpShortcut(finder, command);
  const Settings& s = finder.settings;
  if (s.IncludeShortcutKey == 1) {
    if (s.SpeakMinimalKey != 1) finder.lastShortcutKey = spellOutKey(finder.lastShortcutKey);
    speak(finder, "Shortcut Pressed: " + finder.lastShortcutName + " : " + finder.lastShortcutKey);
  } else {
    speak(finder, "Shortcut Pressed: " + finder.lastShortcutName);
  }
}

}  // namespace findaro
