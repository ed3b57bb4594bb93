#pragma once
// What is said when the search box, the results list or the toolbar takes the focus.
#include <string>

namespace findaro {

struct Finder;

void announceSearchBoxFocus(Finder& finder);
void announceListFocus(Finder& finder);
void announceToolbarFocus(Finder& finder);

// The stored search term as it is spoken: "Empty" for a blank one, and a blank
// before each "*" and "?" so that the voice names them.
std::string spokenSearchTerm(const std::string& searchTerm);

}  // namespace findaro
