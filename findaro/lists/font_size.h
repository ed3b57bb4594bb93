#pragma once
// The size of the large font of the search box, the list and the preview pane.
namespace findaro {

struct Finder;

// Grows or shrinks FontSize by the step, never below 8, and says the new size.
void changeFontSize(Finder& finder, int step);

}  // namespace findaro
