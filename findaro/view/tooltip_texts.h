#pragma once
// The words each toolbar button is known by: shown in its large tip, spoken when
// hovered, and given to screen readers as the button's name.
#include <string>

namespace findaro {

// The tip of the button with this command, a blank before and after; empty for
// a button without one.
std::string toolbarTooltipText(int command);

// A toolbar button is known to screen readers by its tip words, whether or not
// its caption is shown; the page button, which has no tip, by what it does.
std::string toolbarButtonName(int command);

}  // namespace findaro
