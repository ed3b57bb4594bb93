#pragma once
// The colours the window draws with: the user's scheme, or the system's own
// colours while high contrast is on. The scheme stays in the settings either
// way and comes back when high contrast goes off.
#include "common/screen/display.h"
#include "findaro/state/settings.h"

namespace findaro {

struct FinderColors {
  common::ColorPair controls;  // the search box and the results list
  common::ColorPair preview;   // the pane's text, on the background behind pictures
  common::ColorPair tip;       // the toolbar's large tip
};

FinderColors finderColors(const Settings& settings, const common::SystemTheme& theme);

}  // namespace findaro
