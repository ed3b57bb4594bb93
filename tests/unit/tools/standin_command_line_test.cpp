#include <gtest/gtest.h>

#include "tools/es/search_query.h"

using namespace standin;

namespace {

// The command line split the way CommandLineToArgvW splits the finder's
// argument strings (no quotes in them, so at blanks).
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  size_t at = 0;
  while (at < line.size()) {
    size_t end = line.find(' ', at);
    if (end == std::string::npos) end = line.size();
    if (end > at) out.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

}  // namespace

TEST(StandinCommandLine, ReadsTheFindersFilesSearch) {
  Query q = parseCommandLine(
      words(" !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas"));
  EXPECT_EQ(q.words, (std::vector<std::string>{"!c:\\windows\\", "!c:\\$recycle.bin\\", "texas"}));
  EXPECT_TRUE(q.sizeColumn);
  EXPECT_TRUE(q.dateModifiedColumn);
  EXPECT_EQ(q.requiredAttributes, 0u);
  EXPECT_EQ(q.forbiddenAttributes, kAttributeDirectory);
  EXPECT_EQ(q.sort.key, SortKey::DateModified);
  EXPECT_TRUE(q.sort.descending);
  EXPECT_EQ(q.limit, std::optional<size_t>(100));
  EXPECT_EQ(q.exportFile, std::optional<std::string>("results.txt"));
}

TEST(StandinCommandLine, TheEnginesInstanceIsAnOptionNotAWord) {
  Query q = parseCommandLine(words(" -instance 1.5a  !c:\\windows\\ -export-csv results.txt texas"));
  EXPECT_EQ(q.instance, std::optional<std::string>("1.5a"));
  EXPECT_EQ(q.words, (std::vector<std::string>{"!c:\\windows\\", "texas"}));
}

TEST(StandinCommandLine, ReadsTheOtherSearchTypes) {
  Query folders = parseCommandLine(words(" -size -size-format 2 -dm /ad  -sort name  -export-csv results.txt a b"));
  EXPECT_EQ(folders.requiredAttributes, kAttributeDirectory);
  EXPECT_EQ(folders.forbiddenAttributes, 0u);
  EXPECT_EQ(folders.sort.key, SortKey::Name);
  EXPECT_FALSE(folders.sort.descending);
  EXPECT_FALSE(folders.limit.has_value());
  EXPECT_EQ(folders.words, (std::vector<std::string>{"a", "b"}));

  Query custom = parseCommandLine(words(" -export-csv results.txt ext:mp3;wav beatles"));
  EXPECT_FALSE(custom.sizeColumn);
  EXPECT_FALSE(custom.dateModifiedColumn);
  EXPECT_EQ(custom.requiredAttributes | custom.forbiddenAttributes, 0u);
  EXPECT_EQ(custom.words, (std::vector<std::string>{"ext:mp3;wav", "beatles"}));
}

TEST(StandinCommandLine, OptionsTakeEitherPrefixAnyCaseAnyOrder) {
  Query q = parseCommandLine({"texas", "/N", "5", "-A-D", "/SORT", "DM", "/Export-CSV", "out.csv", "/SIZE", "-DM"});
  EXPECT_EQ(q.words, (std::vector<std::string>{"texas"}));
  EXPECT_EQ(q.limit, std::optional<size_t>(5));
  EXPECT_EQ(q.forbiddenAttributes, kAttributeDirectory);
  EXPECT_EQ(q.sort.key, SortKey::DateModified);
  EXPECT_EQ(q.exportFile, std::optional<std::string>("out.csv"));
  EXPECT_TRUE(q.sizeColumn && q.dateModifiedColumn);
}

TEST(StandinCommandLine, AttributeLettersCombineAndTheLastWordOnALetterWins) {
  Query q = parseCommandLine({"/ah-s"});
  EXPECT_EQ(q.requiredAttributes, kAttributeHidden);
  EXPECT_EQ(q.forbiddenAttributes, kAttributeSystem);
  Query flipped = parseCommandLine({"/ad", "/a-d"});
  EXPECT_EQ(flipped.requiredAttributes, 0u);
  EXPECT_EQ(flipped.forbiddenAttributes, kAttributeDirectory);
}

TEST(StandinCommandLine, OddWordsAreKeptOrDroppedButNeverRefused) {
  // Unknown options and attribute letters stay search words.
  Query unknown = parseCommandLine({"-frobnicate", "/axe", "-", "/docs/"});
  EXPECT_EQ(unknown.words, (std::vector<std::string>{"-frobnicate", "/axe", "-", "/docs/"}));
  // A count that is no number leaves the search unlimited, but is used up.
  Query badCount = parseCommandLine({"-n", "lots", "texas"});
  EXPECT_FALSE(badCount.limit.has_value());
  EXPECT_EQ(badCount.words, (std::vector<std::string>{"texas"}));
  EXPECT_EQ(parseCommandLine({"-n", "99999999999999999999999"}).limit, std::optional<size_t>(SIZE_MAX));
  // An option at the end without its value is dropped.
  for (const char* option : {"-n", "-sort", "-export-csv", "-size-format"}) {
    Query q = parseCommandLine({"texas", option});
    EXPECT_EQ(q.words, (std::vector<std::string>{"texas"})) << option;
    EXPECT_FALSE(q.exportFile.has_value()) << option;
    EXPECT_FALSE(q.limit.has_value()) << option;
  }
  EXPECT_EQ(parseCommandLine({"-sort", "sideways"}).sort.key, SortKey::Name);
}
