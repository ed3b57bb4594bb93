#pragma once
// The results file the search client writes, read onto the list, and the
// operations that put records on the list.
namespace findaro {

struct Finder;

void loadResultsFile(Finder& finder);
void reloadLastResults(Finder& finder);
void resetResults(Finder& finder);
void showResults(Finder& finder);
void sortResults(Finder& finder, int column);

}  // namespace findaro
