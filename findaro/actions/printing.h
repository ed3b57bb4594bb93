#pragma once
// The names of the results on the default printer, in the large screen font or
// a small one, and the same names on the clipboard.
namespace findaro {

struct Finder;

void printResults(Finder& finder);

}  // namespace findaro
