#pragma once
// One search, from the text of the search box to a spoken, timed, shown result.
// The client runs while the window goes on answering: the search starts it and
// returns, the window's ticks watch it, and it ends in the results, or is
// cancelled, timed out or failed with everything on screen as it was.
#include <string>
#include <string_view>

#include "findaro/system/processes.h"

namespace findaro {

struct Finder;

// What every command but the few that may run during a search says instead.
constexpr const char* kSearchInProgress = "Search in Progress";

// Runs a search of the given type (1 to 4), which becomes SearchType; what the
// list showed before comes back if the search does not finish.
void runSearch(Finder& finder, int searchType);
// The same for the SearchType already set.
void runSearch(Finder& finder);

// A tick of the window while the client runs: its end, "Still Searching" 3 s after
// it started and every 5 s after that, and the time limit.
void onSearchTick(Finder& finder);
// Esc: the client ends at once and all stays as before the search.
void cancelSearch(Finder& finder);
// The window closes: the client ends first and all is put back as it was, so
// that what is saved is what stood before the search.
void endSearchBeforeClosing(Finder& finder);

// Three blanks and the text into the status bar.
void setStatusText(Finder& finder, const std::string& text);

// What a client run that did not succeed is called; empty when it succeeded.
std::string searchFailureMessage(const ProcessOutcome& outcome);
// Whether the results file the client left can be read: it has a header line.
bool hasHeaderLine(std::string_view bytes);

}  // namespace findaro
