#pragma once
// The names screen readers and magnifiers read for the finder's controls, which
// show no label of their own.
#include <string>

#include "findaro/core/controls.h"

namespace findaro {

// "Search term", "Results", "Preview"; empty for a control that needs no name
// of ours.
std::string controlName(ControlId id);

// A toolbar button is known by its tip words, whether or not its caption is
// shown; the page button, which has no tip, by what it does.
std::string toolbarButtonName(int command);

}  // namespace findaro
