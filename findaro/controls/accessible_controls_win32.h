#pragma once
// Gives the finder's controls the names screen readers and magnifiers read: they
// show no label of their own.
#include <windows.h>

#include <string>
#include <vector>

#include "findaro/controls/controls.h"

namespace findaro {

// Called once a control is made: "Search term", "Results", "Preview".
void nameForScreenReaders(HWND control, ControlId id);
// A toolbar's buttons and separators in order; a button is known by the name
// it was built with, a separator by nothing. The names are read when a reader
// asks, so they must live as long as the toolbar does.
void nameToolbarButtonsForScreenReaders(HWND toolbar, const std::vector<std::wstring>* names);

}  // namespace findaro
