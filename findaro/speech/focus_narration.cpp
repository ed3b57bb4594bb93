#include "findaro/speech/focus_narration.h"

#include "common/text.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/result_cells.h"

namespace findaro {

std::string spokenSearchTerm(const std::string& searchTerm) {
  if (common::trimBlanks(searchTerm).empty()) return "Empty";
  return common::replaceAll(common::replaceAll(searchTerm, "*", " *"), "?", " ?");
}

void announceSearchBoxFocus(Finder& finder) {
  finder.settings.SearchTerm = common::truncateUtf16Units(finder.searchBox.text(), kSearchTermCapacity);
  speak(finder, "SearchBox has focus. Search term is " + spokenSearchTerm(finder.settings.SearchTerm));
}

void announceListFocus(Finder& finder) {
  int row = finder.list.selectedRow();
  speak(finder, "Results List has focus. " + (row > 0 ? cellText(finder, row, 1) : std::string()));
}

void announceToolbarFocus(Finder& finder) { speak(finder, "ToolBar has focus"); }

}  // namespace findaro
