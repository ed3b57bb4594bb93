#pragma once
// The words each toolbar button is known by: shown in its large tip, spoken when
// hovered, and given to screen readers as the button's name.
#include <string>

namespace findaro {

// The tip of the button with this command, a blank before and after; empty for
// a button without one.
std::string toolbarTooltipText(int command);

}  // namespace findaro
