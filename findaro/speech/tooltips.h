#pragma once
// The toolbar's large tips in their four modes: off, shown, spoken, both.
namespace findaro {

struct Finder;

// Gives the tip window the current tooltipText.
void showTooltipText(Finder& finder);
// The toolbar asks for the tip of the button with this command.
void toolbarTooltipNeeded(Finder& finder, int command);
void cycleTooltipMode(Finder& finder);

}  // namespace findaro
