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
// " !" and a folder for each exclusion, each quoted for the client.
std::string buildExclusionText(Finder& finder);
// The instance for this search, from the setting and the windows now open.
std::string engineInstanceFor(Finder& finder);

// A piece of the client's query (an exclusion line, the term) as it must stand on
// the client's command line, so that the client's own argument parsing (the
// CommandLineToArgvW rules) gives back exactly the words the piece means in the
// engine's query language: blanks and tabs part words, double quotes only group
// (a blank between them stays in the word), backslashes are plain characters.
// So backslashes before a quote are doubled, a run of quotes becomes the one quote
// or none that it amounts to, a quote left open is closed at the piece's end and
// control characters become blanks; a piece written plainly stays as it is.
std::string quoteQueryPiece(const std::string& piece);

// One argument taken literally (an instance's name): in quotes, with its quotes
// and the backslashes before them escaped, when it holds a blank, tab or quote.
// Control characters, which no name holds, become blanks.
std::string quoteArgument(const std::string& text);

std::string expandCategories(const std::string& arguments, const CategoryLists& lists);

// The engine's window, and that of a named instance: "EVERYTHING_TASKBAR_NOTIFICATION_(1.5a)".
constexpr const char* kEngineWindowClass = "EVERYTHING_TASKBAR_NOTIFICATION";

// The instance of the engine the client must ask: the one the setting names; none
// when the engine's usual window is among the classes; otherwise the name in the
// class of the first named instance's window; none when no engine runs at all.
std::string chooseEngineInstance(const std::string& setting, const std::vector<std::string>& windowClasses);
// " -instance " and the name, or nothing for the usual instance.
std::string instanceOption(const std::string& instance);

// The whole argument string for a search of the given type (1 to 4): the instance
// option, then the exclusions (already quoted, as buildExclusionText gives them),
// the type, sort and count options, the export and the term.
std::string engineArgumentsFor(int searchType, const std::string& exclusions, int sortType, int maxResults,
                               const std::string& term, const CategoryLists& lists,
                               const std::string& instance = "");

// The masks of the title and the announcement: "###.0" and "##,##0".
std::string formatTenths(double seconds);
std::string formatCount(long long count);

}  // namespace findaro
