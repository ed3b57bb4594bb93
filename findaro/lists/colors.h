#pragma once
// The colours of the large-print controls.
namespace findaro {

struct Finder;

// Gives FG and BG to the search box and the results list.
void applyColors(Finder& finder);

}  // namespace findaro
