#pragma once
// The Copy button: the selection in the window in front, or its whole page when
// nothing is selected, cleaned of blank lines and padding, put on the clipboard
// and into the reader's file.
#include <string>
#include <string_view>

#include "magnora/state/bar.h"

namespace magnora {

constexpr const char* kViewerFile = "..\\temp\\viewer.txt";

// No empty lines, no blanks at either end of a line or of the whole text; lines
// end with CR LF, whatever ended them before.
std::string cleanText(std::string_view text);

void copyPageOrSelection(Bar& bar);

}  // namespace magnora
