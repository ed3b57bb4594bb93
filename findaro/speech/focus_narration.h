#pragma once
// What is said when the search box, the results list or the toolbar takes the focus.
namespace findaro {

struct Finder;

void announceSearchBoxFocus(Finder& finder);
void announceListFocus(Finder& finder);
void announceToolbarFocus(Finder& finder);

}  // namespace findaro
