#pragma once
// The argument string handed to the search client, and the pieces it is made of.
#include <string>
#include <utility>
#include <vector>

namespace findaro {

struct Finder;
class Locale;

// Prefix ("audio:") and the extension list it stands for ("ext:aac;ac3;...").
using CategoryLists = std::vector<std::pair<std::string, std::string>>;
const CategoryLists& categoryListTable();
void buildCategoryLists(Finder& finder);

// Every character is one of the 79 ASCII characters the engine's query language
// takes here, or a letter or digit of another script (as the locale classifies
// it), so that names in any language can be searched for and expanded.
bool isAllowedSearchTerm(const std::string& term, Locale& locale);
// The same for SearchTerm; when it fails the search box gets the focus with its
// text selected, so the user can type it anew.
bool isValidSearchTerm(Finder& finder);

std::string searchAnnouncement(int searchType);
std::string typeOptions(int searchType);
std::string sortOption(int sortType);
std::string countOption(int maxResults);
std::string buildExclusionText(Finder& finder);

// Text for the command line of "CMD /V:OFF /C": every character the interpreter
// would read as an operator, a quote or a variable is escaped, and line breaks
// become blanks, so the text reaches the client unchanged as its arguments and
// nothing else ever runs. Delayed expansion (!name!) is left to /V:OFF.
std::string escapeForCommandInterpreter(const std::string& text);

std::string expandCategories(const std::string& arguments, const CategoryLists& lists);

// The whole argument string for a search of the given type (1 to 4), escaped for
// the command interpreter.
std::string engineArgumentsFor(int searchType, const std::string& exclusions, int sortType, int maxResults,
                               const std::string& term, const CategoryLists& lists);

// The masks of the title and the announcement: "###.0" and "##,##0".
std::string formatTenths(double seconds);
std::string formatCount(long long count);

}  // namespace findaro
