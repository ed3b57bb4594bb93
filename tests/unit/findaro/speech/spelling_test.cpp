#include "findaro/speech/spelling.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class SpellingTest : public FinderTest {
 protected:
  void SetUp() override {
    std::vector<ResultRecord> rows(2);
    rows[0].Name = "a_b-c.txt";
    rows[0].Folder = "c:\\x\\";
    rows[1].Name = "My Docs";
    rows[1].Folder = "c:\\";
    rows[1].IsFolder = 1;
    finder.results.assign(rows);
  }
};

TEST_F(SpellingTest, TheSearchTermIsStoredAndSpelled) {
  searchBox.content = "a.b";
  spellSearchTerm(finder);
  EXPECT_EQ(voice.lastText(), "Spelling Search Term: a :  period : b :");
  EXPECT_EQ(finder.settings.SearchTerm, "a.b");
  searchBox.content = "";
  spellSearchTerm(finder);
  EXPECT_EQ(voice.lastText(), "Spelling Search Term: ");
  EXPECT_EQ(finder.settings.SearchTerm, "");
}

TEST_F(SpellingTest, EachPunctuationMarkHasItsWord) {
  EXPECT_EQ(spellingOf("*?\\:.,_- x"),
            "asterisk :  question mark :  backslash :  colon :  period :  comma :  underscore :  dash :  "
            "space : x :");
  EXPECT_EQ(spellingOf(" "), "space :");
  EXPECT_EQ(spellingOf("#"), "# :");
  // A letter outside ASCII is one character, not its bytes.
  EXPECT_EQ(spellingOf("\xC3\xA9t\xC3\xA9"), "\xC3\xA9 : t : \xC3\xA9 :");
  EXPECT_EQ(spellingOf(""), "");
}

TEST_F(SpellingTest, TheSelectedRowsNameIsSpelled) {
  list.selected = 1;
  spellFileName(finder);
  EXPECT_EQ(voice.lastText(), "Spelling File Name: a :  underscore : b :  dash : c :  period : t : x : t :");
  list.selected = 2;  // a folder row shows its mark in front of the name
  spellFileName(finder);
  EXPECT_EQ(voice.lastText(), "Spelling File Name: ( : f : ) :  space : M : y :  space : D : o : c : s :");
  list.selected = 0;
  spellFileName(finder);
  EXPECT_EQ(voice.lastText(), "Spelling File Name: ");
  searchBox.content = "kept";
  spellFileName(finder);
  EXPECT_NE(finder.settings.SearchTerm, "kept");
}

TEST_F(SpellingTest, SpeakSearchTermSaysTheBoxTextAsTyped) {
  searchBox.content = "*.txt ?";
  finder.pendingAnnouncement = "Opening Settings List";
  speakSearchTerm(finder);
  EXPECT_EQ(voice.lastText(), "Opening Settings List*.txt ?");
  EXPECT_EQ(finder.settings.SearchTerm, "*.txt ?");
  searchBox.content = std::string(120, 'q');
  speakSearchTerm(finder);
  EXPECT_EQ(finder.settings.SearchTerm, std::string(99, 'q'));
  EXPECT_EQ(voice.lastText(), std::string(99, 'q'));
}
