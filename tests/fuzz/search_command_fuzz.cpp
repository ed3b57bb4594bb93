// Whatever the user types, exclusion.txt holds and the engine's instance is
// called, the client is started once, without an interpreter, and its own
// argument parsing gives back every piece whole: each exclusion line, each fixed
// option and the term as the words they mean, and the instance's name as it is.
#include <string>
#include <vector>

#include "common/text.h"
#include "findaro/search/search_arguments.h"
#include "findaro/search/search_run.h"
#include "findaro/state/finder.h"
#include "fuzz_support.h"
#include "support/argv_model.h"
#include "support/fake_finder.h"
#include "support/fake_voice.h"

using namespace findaro;
using testing_support::queryWords;

namespace {

void append(std::vector<std::string>& words, const std::vector<std::string>& more) {
  words.insert(words.end(), more.begin(), more.end());
}

// The arguments meant, piece by piece, computed from the settings and the files
// rather than from the argument string.
std::vector<std::string> meantArguments(Finder& finder, testing_support::FakeFinder& parts) {
  const Settings& s = finder.settings;
  std::vector<std::string> words = {"es"};
  std::string instance = common::trimBlanks(s.EngineInstance);
  for (char& c : instance)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
  if (!instance.empty()) append(words, {"-instance", instance});
  if (s.SearchType != 4 && s.ExcludeSystemFolders != 0) {
    if (!parts.files.fileExists("exclusion.txt")) {
      append(words, {"!c:\\windows\\", "!c:\\$recycle.bin\\"});
    } else {
      std::string text = *parts.files.readFile("exclusion.txt");
      if (!common::isValidUtf8(text)) text = parts.locale.ansiToUtf8(text);
      for (const std::string& line : common::splitLines(text)) append(words, queryWords("!" + line));
    }
  }
  if (s.SearchType != 4) {
    append(words, queryWords(typeOptions(s.SearchType)));
    append(words, queryWords(sortOption(s.SortType)));
    append(words, queryWords(countOption(s.MaxResults)));
  }
  append(words, {"-export-csv", "results.txt"});
  append(words, queryWords(s.SearchTerm));
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  uint8_t options = input.byte();
  testing_support::FakeFinder parts;
  Finder& finder = parts.finder;
  finder.settings.SortType = (options >> 2) & 1;
  finder.settings.MaxResults = (options >> 3) & 1 ? 0 : 100;
  finder.settings.ExcludeSystemFolders = (options >> 4) & 1 ? 0 : 1;
  parts.searchBox.content = input.shortText();
  if ((options >> 5) & 1) parts.files.files["exclusion.txt"] = input.rest();
  // The term's text again, as a name of the engine's instance.
  if ((options >> 6) & 1) finder.settings.EngineInstance = parts.searchBox.content;

  runSearch(finder, 1 + options % 4);
  if (parts.processes.commandLines.empty()) {
    FUZZ_CHECK(finder.settings.SearchType != 4 && !isAllowedSearchTerm(finder.settings.SearchTerm, parts.locale),
               "only a term the check refuses runs nothing");
    return 0;
  }
  FUZZ_CHECK(parts.processes.commandLines.size() == 1, "one run of the client");
  FUZZ_CHECK(parts.processes.programs[0] == "C:\\prog\\es.exe", "the client as found, no interpreter");
  const std::string& line = parts.processes.commandLines[0];
  FUZZ_CHECK(line == "es " + finder.engineArguments, "the command line is the argument string shown");
  FUZZ_CHECK(line.find('\0') == std::string::npos, "no NUL cuts the command line short");
  FUZZ_CHECK(testing_support::commandLineToArgv(line) == meantArguments(finder, parts),
             "the client's argument parsing gives back every piece whole");
  return 0;
}
