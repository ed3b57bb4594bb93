#pragma once
// The results file the search client writes, read onto the list, and the
// operations that put records on the list.
#include "common/page_memory.h"
#include "findaro/records/results_reader.h"

namespace findaro {

struct Finder;

// Said when a results file is more than the program's memory can hold; the list
// keeps what it showed.
constexpr const char* kTooManyResults = "Too Many Results";

void loadResultsFile(Finder& finder);
// The same for the file's bytes, already read.
void loadResultsBytes(Finder& finder, common::PageBuffer bytes);
// The two halves of that: reading the bytes with the finder's rules (throws
// std::bad_alloc when memory runs out, with the list untouched), and putting the
// records read on the list.
ReadResults readResults(Finder& finder, common::PageBuffer bytes);
void showReadResults(Finder& finder, ReadResults read);
void reloadLastResults(Finder& finder);
void resetResults(Finder& finder);
void showResults(Finder& finder);
void sortResults(Finder& finder, int column);

}  // namespace findaro
