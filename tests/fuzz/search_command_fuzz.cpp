// Whatever the user types and exclusion.txt holds, the command interpreter sees
// one command, no variable and no line break, and starts the client with exactly
// the arguments meant.
#include <string>

#include "common/text.h"
#include "findaro/search/search_arguments.h"
#include "findaro/search/search_run.h"
#include "findaro/state/finder.h"
#include "fuzz_support.h"
#include "support/command_interpreter_model.h"
#include "support/fake_finder.h"
#include "support/fake_voice.h"

using namespace findaro;

namespace {

// The arguments as the client should receive them: control characters, which
// no name holds and the interpreter cannot pass, as blanks.
std::string meant(const std::string& arguments) {
  std::string out = arguments;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  uint8_t options = input.byte();
  testing_support::FakeFinder parts;
  Finder& finder = parts.finder;
  buildCategoryLists(finder);
  finder.settings.SearchType = 1 + options % 4;
  finder.settings.SortType = (options >> 2) & 1;
  finder.settings.MaxResults = (options >> 3) & 1 ? 0 : 100;
  finder.settings.ExcludeSystemFolders = (options >> 4) & 1 ? 0 : 1;
  parts.searchBox.content = input.shortText();
  if ((options >> 5) & 1) parts.files.files["exclusion.txt"] = input.rest();

  runSearch(finder);
  if (parts.processes.commandLines.empty()) {
    FUZZ_CHECK(finder.settings.SearchType != 4 && !isAllowedSearchTerm(finder.settings.SearchTerm, parts.locale),
               "only a term the check refuses runs nothing");
    return 0;
  }
  FUZZ_CHECK(parts.processes.commandLines.size() == 1, "one run of the client");
  const std::string& line = parts.processes.commandLines[0];
  const std::string start = "CMD /V:OFF /C ";
  FUZZ_CHECK(line.rfind(start, 0) == 0, "delayed expansion switched off");
  testing_support::InterpretedLine read =
      testing_support::interpretCommandLine(line.substr(start.size()), testing_support::everyNameDefined(), false);
  FUZZ_CHECK(read.commands.size() == 1, "the interpreter sees one command");
  FUZZ_CHECK(!read.redirected, "nothing redirected or piped");
  FUZZ_CHECK(!read.expanded, "no variable expanded");
  FUZZ_CHECK(!read.lineBreak, "no line break");
  FUZZ_CHECK(!read.danglingCaret, "no caret asks for another line");

  const Settings& s = finder.settings;
  std::string exclusions = s.SearchType == 4 ? std::string() : buildExclusionText(finder);
  FUZZ_CHECK(exclusions.find_first_of("\r\n") == std::string::npos, "exclusion lines split at every line end");
  std::string arguments = s.SearchType == 4
                              ? " -export-csv results.txt " + s.SearchTerm
                              : exclusions + typeOptions(s.SearchType) + sortOption(s.SortType) +
                                    countOption(s.MaxResults) + " -export-csv results.txt " + s.SearchTerm;
  FUZZ_CHECK(read.commands[0] == "es " + meant(expandCategories(arguments, finder.categoryLists)),
             "the client receives the arguments unchanged");
  return 0;
}
