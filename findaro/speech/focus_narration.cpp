#include "findaro/speech/focus_narration.h"

#include "common/text.h"
#include "findaro/core/finder.h"
#include "findaro/search/result_cells.h"
#include "findaro/search/search_arguments.h"
#include "findaro/speech/speech.h"

namespace findaro {

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
