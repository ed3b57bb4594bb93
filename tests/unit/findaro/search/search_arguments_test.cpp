#include "findaro/search/search_arguments.h"
#include "findaro/speech/focus_narration.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

namespace {

const std::string kDefaultExclusions = " !c:\\windows\\ !c:\\$recycle.bin\\ ";

std::string arguments(int type, const std::string& term, int sortType = 1, int maxResults = 100) {
  return engineArgumentsFor(type, type == 4 ? "" : kDefaultExclusions, sortType, maxResults, term,
                            categoryListTable());
}

}  // namespace

TEST(SearchArguments, AFilesSearchWithTheDefaults) {
  EXPECT_EQ(arguments(1, "texas"),
            " !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas");
  EXPECT_EQ(arguments(2, "x"), kDefaultExclusions + " -size -size-format 2 -dm /ad " + " -sort dm " + " -n 100" +
                                   " -export-csv results.txt x");
  EXPECT_EQ(arguments(3, "x"), kDefaultExclusions + " -size -size-format 2 -dm " + " -sort dm " + " -n 100" +
                                   " -export-csv results.txt x");
}

TEST(SearchArguments, SortAndCountOptions) {
  EXPECT_EQ(arguments(1, "a", 0, 0), kDefaultExclusions + " -size -size-format 2 -dm /a-d " + " -sort name " +
                                         " -export-csv results.txt a");
  EXPECT_EQ(countOption(100000), " -n 100000");
  EXPECT_EQ(countOption(0), "");
  EXPECT_EQ(countOption(-5), " -n-5");
}

TEST(SearchArguments, ABarReachesTheClientAsItIs) {
  EXPECT_EQ(arguments(1, "cat|dog").substr(arguments(1, "cat|dog").find("results.txt")), "results.txt cat|dog");
}

TEST(SearchArguments, CategoryPrefixesExpandInEveryType) {
  const std::string& audio = categoryListTable()[0].second;
  EXPECT_EQ(audio.substr(0, 16), "ext:aac;ac3;aif;");
  EXPECT_EQ(audio.substr(audio.size() - 10), "wav;wma;xm");
  EXPECT_EQ(arguments(4, "audio: beatles"), " -export-csv results.txt " + audio + " beatles");
  EXPECT_NE(arguments(1, "pic: paris").find("ext:ani;bmp;gif;ico"), std::string::npos);
  EXPECT_NE(arguments(2, "video:").find("ext:3g2;3gp"), std::string::npos);
  EXPECT_NE(arguments(3, "zip: doc:").find("r29;rar;tar;tgz;z;zip ext:c;chm"), std::string::npos);
  EXPECT_NE(arguments(1, "exe:").find("ext:bat;cmd;exe;msi;msp;scr"), std::string::npos);
  EXPECT_EQ(categoryListTable().size(), 6u);
  EXPECT_NE(categoryListTable()[2].second.find("pptm;pptx;rtf"), std::string::npos);
}

TEST(SearchArguments, TheInstanceGoesFirstAndIsNoQuery) {
  EXPECT_EQ(engineArgumentsFor(4, "", 1, 100, "x", categoryListTable(), "1.5a"),
            " -instance 1.5a -export-csv results.txt x");
  EXPECT_EQ(engineArgumentsFor(4, "", 1, 100, "pic:", categoryListTable(), "pic: two").substr(0, 26),
            " -instance \"pic: two\" -exp");
}

TEST(SearchArguments, TheEnginesInstanceIsTheOneItsWindowNames) {
  const std::string usual = "EVERYTHING_TASKBAR_NOTIFICATION";
  EXPECT_EQ(chooseEngineInstance("", {}), "");  // no engine: the client says so itself
  EXPECT_EQ(chooseEngineInstance("", {usual}), "");
  EXPECT_EQ(chooseEngineInstance("", {usual + "_(1.5a)"}), "1.5a");
  // The usual instance wins wherever its window stands among the others.
  EXPECT_EQ(chooseEngineInstance("", {usual + "_(1.5a)", usual}), "");
  EXPECT_EQ(chooseEngineInstance("", {usual + "_(1.5a)", usual + "_(work)"}), "1.5a");
  // Class names are the system's, without regard to case; a class only like it is none.
  EXPECT_EQ(chooseEngineInstance("", {"everything_taskbar_notification_(Beta 2)"}), "Beta 2");
  EXPECT_EQ(chooseEngineInstance("", {usual + "_()", usual + "_(x", usual + "X", usual + "_1.5a"}), "");
  // The setting names an instance outright.
  EXPECT_EQ(chooseEngineInstance(" 1.5a ", {usual}), "1.5a");
  EXPECT_EQ(chooseEngineInstance("   ", {usual + "_(1.5a)"}), "1.5a");
}

TEST(SearchArguments, TheTermCheckTakesItsAlphabetAndTheLettersOfEveryLanguage) {
  testing_support::FakeLocale locale;
  EXPECT_TRUE(isAllowedSearchTerm("c:\\users\\ann\\ *.txt | doc: \"two words\" 100% (x)-_=+/?!", locale));
  EXPECT_TRUE(isAllowedSearchTerm("", locale));
  // Letters and digits of other scripts, as the locale classifies them.
  for (const char* good : {"caf\xC3\xA9", "m\xC3\xBCller", "c:\\jos\xC3\xA9\\", "\xD0\xBC\xD0\xB8\xD1\x80"})
    EXPECT_TRUE(isAllowedSearchTerm(good, locale)) << good;
  // Outside ASCII only letters and digits: not the multiplication sign, a
  // currency sign, a CJK letter this locale does not know, or broken UTF-8.
  for (const char* bad : {"o'brien", "a&b", "a,b", "#1", "[x]", "a;b", "~", "a\xC3\x97" "b", "\xE2\x82\xAC" "5",
                          "\xE4\xB8\xAD", "caf\xC3", "\xA9x", "\xC3\xA9\x80", "\xF0\x9F\x98\x80"})
    EXPECT_FALSE(isAllowedSearchTerm(bad, locale)) << bad;
}

TEST(SearchArguments, SpokenFormsAndMasks) {
  EXPECT_EQ(spokenSearchTerm("   "), "Empty");
  EXPECT_EQ(spokenSearchTerm("*.txt a?c"), " *.txt a ?c");
  EXPECT_EQ(formatTenths(0.04), ".0");
  EXPECT_EQ(formatTenths(0.25), ".3");
  EXPECT_EQ(formatTenths(12.34), "12.3");
  EXPECT_EQ(formatTenths(1234.56), "1234.6");
  EXPECT_EQ(formatCount(0), "0");
  EXPECT_EQ(formatCount(1234567), "1,234,567");
  EXPECT_EQ(searchAnnouncement(4), "Custom Search");
}

class ExclusionTest : public FinderTest {};

TEST_F(ExclusionTest, ComesFromTheFileWhenThereIsOne) {
  EXPECT_EQ(buildExclusionText(finder), kDefaultExclusions);
  files.files["exclusion.txt"] = "c:\\temp\\\r\nd:\\old\\";
  EXPECT_EQ(buildExclusionText(finder), " !c:\\temp\\ !d:\\old\\");
  files.files["exclusion.txt"] = "c:\\temp\\\r\nd:\\old\\\r\n";
  EXPECT_EQ(buildExclusionText(finder), " !c:\\temp\\ !d:\\old\\ !");
  files.files["exclusion.txt"] = "";
  EXPECT_EQ(buildExclusionText(finder), " !");
  finder.settings.ExcludeSystemFolders = 0;
  EXPECT_EQ(buildExclusionText(finder), "");
}
