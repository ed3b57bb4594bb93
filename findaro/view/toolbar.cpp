#include "findaro/view/toolbar.h"

#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/toolbar_layout.h"

namespace findaro {

void createToolbar(Finder& finder) {
  const Settings& s = finder.settings;
  finder.toolbar.destroy();
  if (s.ShowToolbar == 0) return;
  finder.toolbar.build(toolbarLayout(s.WideToolbar, finder.toolbarPage, s.HideToolbarText, finder.window.scale()));
}

void createToolbarImages(Finder& finder) {
  finder.toolbar.rebuildImages(finder.window.scale().pixels(finder.settings.IconSize), toolbarIconNames());
}

void cycleIconSize(Finder& finder) {
  IconSizeStep step = nextIconSize(finder.settings.IconSize);
  finder.settings.IconSize = step.iconSize;
  createToolbarImages(finder);
  createToolbar(finder);
  // This font stays with this toolbar only; the next rebuild takes the default again.
  finder.toolbar.setFont("Arial Black", step.fontPoints);
  layoutWindow(finder);
}

void nextToolbarPage(Finder& finder) {
  finder.toolbarPage = pageAfter(finder.toolbarPage);
  createToolbar(finder);
}

void previousToolbarPage(Finder& finder) {
  finder.toolbarPage = pageBefore(finder.toolbarPage);
  createToolbar(finder);
}

}  // namespace findaro
