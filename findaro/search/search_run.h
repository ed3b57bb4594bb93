#pragma once
// One search, from the text of the search box to a spoken, timed, shown result.
#include <string>

#include "findaro/system/processes.h"

namespace findaro {

struct Finder;

void runSearch(Finder& finder);

// Three blanks and the text into the status bar.
void setStatusText(Finder& finder, const std::string& text);

// What a client run that did not succeed is called; empty when it succeeded.
std::string searchFailureMessage(const ProcessOutcome& outcome);

}  // namespace findaro
