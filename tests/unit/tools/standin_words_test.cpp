#include <gtest/gtest.h>

#include "tools/es/case_fold.h"
#include "tools/es/word_match.h"

using namespace standin;

namespace {

// Does an entry with this full path match the words? The name is the part
// after the last backslash, as the walk hands it over.
bool matches(const std::vector<std::string>& words, const std::string& path, uint32_t attributes = 0,
             const Query& base = {}) {
  Query query = base;
  query.words = words;
  std::string folded = foldCase(path);
  std::string name = folded.substr(folded.rfind('\\') + 1);
  return Matcher(query).matches({name, folded, attributes});
}

}  // namespace

TEST(StandinCaseFold, FoldsLettersInsideAndOutsideAscii) {
  EXPECT_EQ(foldCase("TeXaS.TXT"), "texas.txt");
  EXPECT_EQ(foldCase("\xC3\x84RGER"), "\xC3\xA4rger");                // Ärger
  EXPECT_EQ(foldCase("\xC5\x81\xC3\x93\xC5\xB9"), "\xC5\x82\xC3\xB3\xC5\xBA");  // ŁÓŹ
  EXPECT_EQ(foldCase("\xD0\x9C\xD0\x81"), "\xD0\xBC\xD1\x91");        // МЁ
  EXPECT_EQ(foldCase("\xCE\xA3\xCE\x86"), "\xCF\x83\xCE\xAC");        // ΣΆ
  EXPECT_EQ(foldCase("\xC3\x97"), "\xC3\x97");                        // × is no letter
  EXPECT_EQ(foldCase("A\xFF" "B"), "a\xFF" "b");                      // a stray byte stays
}

TEST(StandinWords, PlainWordsSearchTheNameAndPathWordsTheWholePath) {
  EXPECT_TRUE(matches({"texas"}, "C:\\data\\Texas Notes.txt"));
  EXPECT_FALSE(matches({"texas"}, "C:\\Texas\\notes.txt"));  // only the folder says texas
  EXPECT_TRUE(matches({"texas\\"}, "C:\\Texas\\notes.txt"));
  EXPECT_TRUE(matches({"c:/TEXAS/"}, "C:\\Texas\\notes.txt"));  // '/' is a backslash too
  EXPECT_TRUE(matches({"\xC3\xA4rger"}, "C:\\\xC3\x84RGER.txt"));
  // Every word must match.
  EXPECT_TRUE(matches({"notes", "c:\\texas\\"}, "C:\\Texas\\notes.txt"));
  EXPECT_FALSE(matches({"notes", "austin"}, "C:\\Texas\\notes.txt"));
  // A quoted word keeps its blank.
  EXPECT_TRUE(matches({"new york"}, "C:\\New York.txt"));
  EXPECT_FALSE(matches({"new york"}, "C:\\New-York.txt"));
  EXPECT_TRUE(matches({}, "C:\\anything"));
}

TEST(StandinWords, ExclusionsDropWhatLiesBelowAFolder) {
  std::vector<std::string> finder{"!c:\\windows\\", "!c:\\$recycle.bin\\", "notepad"};
  EXPECT_FALSE(matches(finder, "C:\\windows\\system32\\notepad.exe"));
  EXPECT_FALSE(matches(finder, "C:\\$Recycle.Bin\\S-1\\notepad.exe"));
  EXPECT_TRUE(matches(finder, "C:\\tools\\notepad.exe"));
  EXPECT_TRUE(matches(finder, "C:\\windows-old\\notepad.exe"));
  // An empty exclusion line of "exclusion.txt" reaches us as a lone '!'.
  EXPECT_TRUE(matches({"!", "notepad", "!"}, "C:\\tools\\notepad.exe"));
  EXPECT_TRUE(matches({"!!notepad"}, "C:\\tools\\notepad.exe"));
}

TEST(StandinWords, WildcardsMatchTheWholeNameOrPath) {
  EXPECT_TRUE(matches({"*.txt"}, "C:\\a\\notes.TXT"));
  EXPECT_FALSE(matches({"*.txt"}, "C:\\a\\notes.txt.bak"));
  EXPECT_FALSE(matches({"note?.txt"}, "C:\\a\\notes1.txt"));
  EXPECT_TRUE(matches({"not?s.txt"}, "C:\\a\\not\xC3\xA9s.txt"));  // '?' takes é whole
  EXPECT_TRUE(matches({"c:\\a\\*.txt"}, "C:\\a\\notes.txt"));
  EXPECT_FALSE(matches({"c:\\a\\*.txt"}, "C:\\a\\b\\notes.txt"));  // '*' stops at a backslash
  EXPECT_FALSE(matches({"c:\\a?b.txt"}, "C:\\a\\b.txt"));         // and so does '?'
  EXPECT_TRUE(matches({"c:\\*\\*\\*s.txt"}, "C:\\a\\b\\notes.txt"));
  EXPECT_TRUE(wildcardMatches("a*b*c", "axxbyybzc"));
  EXPECT_FALSE(wildcardMatches("a*b*c", "axxbyybz"));
  EXPECT_TRUE(wildcardMatches("**", ""));
}

TEST(StandinWords, ExtensionListsMatchFilesOnly) {
  std::string audio = "ext:aac;ac3;mp3;wav;xm";
  EXPECT_TRUE(matches({audio}, "C:\\m\\Song.MP3"));
  EXPECT_FALSE(matches({audio}, "C:\\m\\Song.mp3.txt"));
  EXPECT_FALSE(matches({audio}, "C:\\m\\mp3"));
  EXPECT_FALSE(matches({audio}, "C:\\m\\old.wav", kAttributeDirectory));
  EXPECT_TRUE(matches({"EXT:.Txt", "notes"}, "C:\\notes.txt"));
  EXPECT_TRUE(matches({"ext:"}, "C:\\Makefile"));
  EXPECT_FALSE(matches({"ext:"}, "C:\\Makefile.am"));
  EXPECT_TRUE(matches({"!ext:lnk"}, "C:\\a.txt"));
  EXPECT_FALSE(matches({"!ext:lnk"}, "C:\\a.lnk"));
}

TEST(StandinWords, ABarMeansOrWithinOrBetweenWords) {
  for (auto words : std::vector<std::vector<std::string>>{
           {"texas|dallas"}, {"texas", "|", "dallas"}, {"texas|", "dallas"}, {"texas", "|dallas"}}) {
    EXPECT_TRUE(matches(words, "C:\\Dallas.txt"));
    EXPECT_TRUE(matches(words, "C:\\Texas.txt"));
    EXPECT_FALSE(matches(words, "C:\\Austin.txt"));
  }
  // OR binds tighter than the blank: (a or b) and c.
  EXPECT_TRUE(matches({"a|b", "c"}, "C:\\bc"));
  EXPECT_FALSE(matches({"a|b", "c"}, "C:\\b"));
  EXPECT_TRUE(matches({"!c:\\windows\\|notepad"}, "C:\\windows\\notepad.exe"));
  EXPECT_FALSE(matches({"!c:\\windows\\|notepad"}, "C:\\windows\\calc.exe"));
  EXPECT_TRUE(matches({"|", "texas", "||"}, "C:\\Texas.txt"));
}

TEST(StandinWords, AttributesFilterFilesAndFolders) {
  Query filesOnly;
  filesOnly.forbiddenAttributes = kAttributeDirectory;
  Query foldersOnly;
  foldersOnly.requiredAttributes = kAttributeDirectory;
  EXPECT_TRUE(matches({"texas"}, "C:\\Texas", kAttributeDirectory));
  EXPECT_FALSE(matches({"texas"}, "C:\\Texas", kAttributeDirectory, filesOnly));
  EXPECT_TRUE(matches({"texas"}, "C:\\Texas.txt", kAttributeArchive, filesOnly));
  EXPECT_TRUE(matches({"texas"}, "C:\\Texas", kAttributeDirectory | kAttributeHidden, foldersOnly));
  EXPECT_FALSE(matches({"texas"}, "C:\\Texas.txt", kAttributeArchive, foldersOnly));
}

TEST(StandinWords, OnlyAPureExclusionRulesOutAWholeFolder) {
  Query q;
  q.words = {"!c:\\windows\\", "texas"};
  EXPECT_TRUE(Matcher(q).excludesEverythingBelow("c:\\windows\\system32\\"));
  EXPECT_TRUE(Matcher(q).excludesEverythingBelow("c:\\windows\\"));
  EXPECT_FALSE(Matcher(q).excludesEverythingBelow("c:\\windows-old\\"));
  EXPECT_FALSE(Matcher(q).excludesEverythingBelow("c:\\"));
  q.words = {"!c:\\windows\\|texas"};
  EXPECT_FALSE(Matcher(q).excludesEverythingBelow("c:\\windows\\"));
  q.words = {"!windows"};  // a name word says nothing about what lies below
  EXPECT_FALSE(Matcher(q).excludesEverythingBelow("c:\\windows\\"));
}
