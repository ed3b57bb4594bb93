#include "findaro/search/folder_navigation.h"

#include <algorithm>

#include "common/number_format.h"
#include "findaro/lists/shortcut_lists.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

constexpr const char* kNoSelection = "No Selection";

// Puts the folder into the search box and searches it; the search checks the
// text like any term typed.
void searchFolder(Finder& finder, std::string (*folderOf)(const std::string&)) {
  // A row of either menu has no folder: expanding it would empty the search box
  // and search for everything.
  if (shortcutListShown(finder)) {
    speak(finder, "Not available when Shortcuts are displayed");
    return;
  }
  int row = finder.list.selectedRow();
  if (row < 1 || row > finder.results.count()) {
    speak(finder, kNoSelection);
    return;
  }
  finder.searchBox.setText(folderOf(std::string(finder.results.at(row).Folder)));
  runSearch(finder, kModeBoth);
}

std::string sameFolder(const std::string& folder) { return folder; }

}  // namespace

void expandFolder(Finder& finder) { searchFolder(finder, sameFolder); }

void expandParentFolder(Finder& finder) { searchFolder(finder, parentFolder); }

std::string parentFolder(const std::string& folder) {
  size_t first = folder.find_first_not_of('\\');
  if (first == std::string::npos) return "";
  size_t last = folder.find_last_not_of('\\');
  std::string inner = folder.substr(first, last - first + 1);
  size_t cut = inner.rfind('\\');
  if (cut == std::string::npos) return "";
  return inner.substr(0, cut + 1);
}

void jumpToNextFolder(Finder& finder) {
  int row = finder.list.selectedRow();
  if (row < 1) {
    speak(finder, kNoSelection);
    return;
  }
  int count = std::min(finder.list.itemCount(), finder.results.count());
  for (int next = row + 1; next <= count; ++next) {
    if (finder.results.at(next).IsFolder == 1) {
      speakAndWait(finder, "Folder Found");
      finder.list.selectRow(next);
      return;
    }
  }
  speak(finder, "Folder Not Found in List");
}

std::string locationText(int row, int count, const std::string& name, bool isFolder, int listMode) {
  std::string text = "Line" + common::formatNumber(row) + " of " + common::formatNumber(count) + " : ";
  // A row of either menu is neither a file nor a folder.
  if (listMode != kModeSettingsList && listMode != kModeActionsList) text += isFolder ? "Folder : " : "File : ";
  return text + name;
}

void speakLocation(Finder& finder) {
  if (finder.settings.DisableSpeech == 1) return;
  int row = finder.list.selectedRow();
  if (row < 1 || row > finder.results.count()) {
    speak(finder, kNoSelection);
    return;
  }
  RecordView record = finder.results.at(row);
  speak(finder, locationText(row, finder.list.itemCount(), std::string(record.Name), record.IsFolder == 1,
                             finder.settings.SearchType));
}

}  // namespace findaro
