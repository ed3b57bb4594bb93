#pragma once
// Building the toolbar from the settings and stepping its pages and icon size.
namespace findaro {

struct Finder;

// Destroys the toolbar and, unless ShowToolbar is 0, builds it anew.
void createToolbar(Finder& finder);
// The toolbar's image list anew, its pictures IconSize pixels at 100 %.
void createToolbarImages(Finder& finder);
void cycleIconSize(Finder& finder);
void nextToolbarPage(Finder& finder);
void previousToolbarPage(Finder& finder);

}  // namespace findaro
