#pragma once
// The results file the search client writes, read onto the list, and the
// operations that put records on the list.
#include "common/page_memory.h"

namespace findaro {

struct Finder;

void loadResultsFile(Finder& finder);
// The same for the file's bytes, already read.
void loadResultsBytes(Finder& finder, common::PageBuffer bytes);
void reloadLastResults(Finder& finder);
void resetResults(Finder& finder);
void showResults(Finder& finder);
void sortResults(Finder& finder, int column);

}  // namespace findaro
