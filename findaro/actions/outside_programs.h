#pragma once
// The programs the finder starts beside itself: the help page in the browser and
// the toolbar utility magnora.
#include <string>

namespace findaro {

struct Finder;

// Where the finder's help lives on the web.
extern const char* const kHelpPageAddress;

// The 19 words magnora is started with: the bar the finder wants, with its hover mode.
std::string toolbarUtilityArguments(int useHover);
void startToolbarUtility(Finder& finder);
// The help page in the browser and, when the user wants it and it lies beside
// the program, magnora with it.
void openOnlineHelp(Finder& finder);

}  // namespace findaro
