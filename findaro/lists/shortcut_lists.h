#pragma once
// What the two spoken menus share: they are shown in the results list in place
// of the results, one row per record name.
#include <string>
#include <vector>

namespace findaro {

struct Finder;

// Replaces the records by the rows, selects row 1 and gives the list the focus.
void fillShortcutList(Finder& finder, const std::vector<std::string>& rows);
// Replaces the records by the rows and nothing else: the list keeps its selection.
void setShownRows(Finder& finder, const std::vector<std::string>& rows);
// The record names, in the list's order.
std::vector<std::string> shownRows(const Finder& finder);
// True while either menu, not results, fills the list: a restart in list mode 5
// or 6 shows the saved results under the menu's titles until Esc.
bool shortcutListShown(const Finder& finder);

}  // namespace findaro
