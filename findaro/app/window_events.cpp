#include "findaro/app/window_events.h"

#include "common/text.h"
#include "findaro/actions/outside_programs.h"
#include "findaro/actions/opening.h"
#include "findaro/app/commands.h"
#include "findaro/app/shortcut_keys.h"
#include "findaro/lists/actions_list.h"
#include "findaro/lists/colors.h"
#include "findaro/lists/font_size.h"
#include "findaro/lists/settings_list.h"
#include "findaro/lists/shortcut_lists.h"
#include "findaro/search/results_file.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/preview.h"
#include "findaro/view/result_cells.h"

namespace findaro {
namespace {

// Nothing but the search's own ending may touch the list while it runs; the
// user hears why the mouse or key did nothing.
bool heldBackBySearch(Finder& finder) {
  if (!searchInProgress(finder)) return false;
  speak(finder, kSearchInProgress);
  return true;
}

bool isModifierKey(int virtualKey) {
  constexpr int kShift = 0x10, kControl = 0x11, kAlt = 0x12, kLeftWindows = 0x5B, kRightWindows = 0x5C;
  constexpr int kLeftShift = 0xA0, kRightAlt = 0xA5;
  return virtualKey == kShift || virtualKey == kControl || virtualKey == kAlt || virtualKey == kLeftWindows ||
         virtualKey == kRightWindows || (virtualKey >= kLeftShift && virtualKey <= kRightAlt);
}

}  // namespace

void onRowSelected(Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return;
  setStatusText(finder, statusText(finder, row));
  setPreviewFile(finder, row);
  showPreview(finder);
  speak(finder, std::string(finder.results.at(row).Name));
}

void setPreviewFile(Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return;
  RecordView record = finder.results.at(row);
  finder.previewFile = common::truncateUtf16Units(std::string(record.Folder) + std::string(record.Name), 259);
}

bool letterJump(Finder& finder, int virtualKey) {
  // Only keys that type a letter or digit jump; arrows and the other navigation
  // keys keep their own meaning in the list.
  bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
  bool digit = virtualKey >= '0' && virtualKey <= '9';
  if (!letter && !digit) return false;
  char wanted = static_cast<char>(letter ? virtualKey - 'A' + 'a' : virtualKey);
  int selected = finder.list.selectedRow();
  for (int row = selected + 1; row <= finder.results.count(); ++row) {
    std::string_view name = finder.results.at(row).Name;
    if (!name.empty() && common::asciiLower(name.substr(0, 1))[0] == wanted) {
      finder.list.selectRow(row);
      return true;
    }
  }
  return false;
}

bool onListKeyDown(Finder& finder, int virtualKey) {
  constexpr int kSpace = 0x20;
  if (heldBackBySearch(finder)) return false;
  if (virtualKey == kSpace && finder.settings.SearchType == kModeSettingsList) {
    SettingsChoice choice = chooseSettingsRow(finder);
    if (choice.command != 0) {
      runCommand(finder, choice.command);
      refreshSettingsRow(finder, choice.row);
    }
    return false;
  }
  if (virtualKey == kSpace && finder.settings.SearchType == kModeActionsList) {
    if (int command = chooseActionsRow(finder)) runCommand(finder, command);
    return false;
  }
  return letterJump(finder, virtualKey);
}

void onListDoubleClick(Finder& finder) {
  if (!heldBackBySearch(finder)) openSelectedFile(finder);
}

void onColumnClick(Finder& finder, int column) {
  if (heldBackBySearch(finder)) return;
  // A sorted menu would put row 10 after row 1, and Space would then run the
  // command of the row that used to stand there.
  if (shortcutListShown(finder)) return;
  sortResults(finder, column);
  finder.list.redraw();
}

bool isDragStrip(int x, int y, int lastButtonRight, int toolbarHeight) {
  return x > lastButtonRight && y < toolbarHeight;
}

void onMouseWheel(Finder& finder, int delta) {
  if (heldBackBySearch(finder)) return;
  if (delta > 0) changeFontSize(finder, 4);
  else if (delta < 0) changeFontSize(finder, -4);
  applyColors(finder);
  layoutWindow(finder);
}

void onHelpKey(Finder& finder) {
  if (heldBackBySearch(finder)) return;
  if (finder.keyboard.controlDown()) {
    openOnlineHelp(finder);
    return;
  }
  // Said in front of the list's first row.
  finder.pendingAnnouncement = "Opening Settings List";
  openSettingsList(finder);
}

void onContextMenu(Finder& finder) {
  if (heldBackBySearch(finder)) return;
  if (finder.window.focus() == Focus::SearchBox) openSettingsList(finder);
}

bool keyGoesOn(Finder& finder, int virtualKey, bool down, bool alt) {
  constexpr int kF4 = 0x73;
  if (!searchInProgress(finder) || isModifierKey(virtualKey) || (alt && virtualKey == kF4)) return true;
  bool control = finder.keyboard.controlDown();
  bool shift = finder.keyboard.shiftDown();
  for (const ShortcutKey& key : shortcutKeys())
    if (!alt && key.virtualKey == virtualKey && key.control == control && key.shift == shift) return true;
  if (down) speak(finder, kSearchInProgress);
  return false;
}

}  // namespace findaro
