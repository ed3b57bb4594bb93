#include "findaro/search/search_run.h"

#include <gtest/gtest.h>

#include "findaro/search/results_file.h"
#include "findaro/search/search_arguments.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::Utterance;

namespace {

const std::string kTwoResults =
    "Size,Date Modified,Filename\r\n10,05/17/2023 10:30,\"C:\\Maps\\Texas.png\"\r\n"
    "2000,05/16/2023 09:00,\"C:\\Maps\\Dallas Texas.pdf\"\r\n";

}  // namespace

class SearchRunTest : public FinderTest {
 protected:
  void SetUp() override {
    buildCategoryLists(finder);
    finder.counterFrequency = 1000;
    finder.settings.SearchType = 1;
    searchBox.content = "  TEXAS ";
  }
  // The client writes the given file when it runs.
  void clientWrites(const std::string& text, unsigned long exitCode = 0, bool started = true) {
    processes.outcome = {started, exitCode};
    processes.onRun = [this, text] { files.files["results.txt"] = text; };
  }
};

TEST_F(SearchRunTest, ASearchIsAnnouncedRunTimedAndSpoken) {
  clientWrites(kTwoResults);
  runSearch(finder);
  EXPECT_EQ(finder.settings.SearchTerm, "texas");
  EXPECT_EQ(finder.settings.LastSearchType, 1);
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(processes.commandLines[0],
            "CMD /V:OFF /C es  !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas");
  EXPECT_EQ(clipboard.text_, processes.commandLines[0].substr(17));
  EXPECT_EQ(finder.engineArguments, clipboard.text_);
  // The counter reads 100, 200, 300 at one per millisecond.
  EXPECT_EQ(window.titleText, "Findaro 4.1    .1 sec : .2 sec   ... " + finder.engineArguments);
  std::vector<std::string> said = spokenTexts();
  ASSERT_GE(said.size(), 2u);
  EXPECT_EQ(voice.spoken.front(), (Utterance{"Searching for files matching texas", 2}));
  EXPECT_EQ(said.back(), "Search is complete : 2 Matches : texas.png");
  EXPECT_EQ(window.status, "     1  texas.png  05/17/2023 10:30  10  c:\\maps\\");
  EXPECT_EQ(finder.results.count(), 2);
}

TEST_F(SearchRunTest, OneMatchAndNoMatchAreCountedInWords) {
  clientWrites("Size,Date Modified,Filename\r\n1,d,c:\\a.txt\r\n");
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Search is complete : 1 Match : a.txt");
  clientWrites("Size,Date Modified,Filename\r\n");
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Search is complete : 0 Matches : <empty>");
}

TEST_F(SearchRunTest, TheListShowsLoadingWhileTheClientRuns) {
  std::string seen;
  processes.onRun = [this, &seen] {
    seen = std::string(finder.results.at(1).Name) + "|" + list.columns[1].title;
    files.files["results.txt"] = kTwoResults;
  };
  runSearch(finder);
  EXPECT_EQ(seen, "Loading ...|Name");
}

TEST_F(SearchRunTest, AnInvalidTermChangesNothing) {
  files.files["results.txt"] = kTwoResults;
  loadResultsFile(finder);
  finder.settings.LastSearchType = 2;
  window.titleText = "before";
  searchBox.content = "o'brien";
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Invalid Search Term");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_EQ(finder.settings.LastSearchType, 2);
  EXPECT_EQ(finder.results.count(), 2);
  EXPECT_EQ(window.titleText, "before");
  EXPECT_EQ(window.focused, Focus::SearchBox);
}

TEST_F(SearchRunTest, ACustomSearchIsNotCheckedButIsEscaped) {
  finder.settings.SearchType = 4;
  searchBox.content = "audio: o'brien & x";
  clientWrites("Filename\r\n\"C:\\Music\\O'Brien.mp3\"\r\n");
  runSearch(finder);
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(processes.commandLines[0], "CMD /V:OFF /C es  -export-csv results.txt " + categoryListTable()[0].second +
                                         " o'brien ^& x");
  EXPECT_EQ(voice.spoken.front(), (Utterance{"Custom Searchaudio: o'brien & x", 2}));
  EXPECT_EQ(finder.results.at(1).Name, "o'brien.mp3");
  EXPECT_EQ(finder.settings.LastSearchType, 4);
}

TEST_F(SearchRunTest, AClientThatCannotRunLeavesEverythingAsItWas) {
  files.files["results.txt"] = kTwoResults;
  loadResultsFile(finder);
  list.selected = 2;
  finder.settings.LastSearchType = 3;
  finder.engineArguments = "earlier";
  window.titleText = "before";
  // The real client empties its file before it fails.
  clientWrites("", 9009);
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Everything Not Found");
  EXPECT_EQ(files.files.at("results.txt"), kTwoResults);
  EXPECT_EQ(finder.results.count(), 2);
  EXPECT_EQ(finder.results.at(1).Name, "texas.png");
  EXPECT_EQ(list.items, 2);
  EXPECT_EQ(list.selected, 2);
  EXPECT_EQ(list.columns[1].title, "Name  (2)");
  EXPECT_EQ(finder.settings.LastSearchType, 3);
  EXPECT_EQ(finder.engineArguments, "earlier");
  EXPECT_EQ(window.titleText, "before");
  EXPECT_FALSE(clipboard.text_.has_value());
  for (const std::string& text : spokenTexts()) EXPECT_EQ(text.find("Search is complete"), std::string::npos);
}

TEST_F(SearchRunTest, EachFailureIsNamed) {
  EXPECT_EQ(searchFailureMessage({false, 0}), "Everything Not Found");
  EXPECT_EQ(searchFailureMessage({true, 9009}), "Everything Not Found");
  EXPECT_EQ(searchFailureMessage({true, 8}), "Everything Not Running");
  EXPECT_EQ(searchFailureMessage({true, 1}), "Search Failed");
  EXPECT_EQ(searchFailureMessage({true, 0}), "");

  clientWrites("Size,Date Modified,Filename\r\n", 8);
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Everything Not Running");
  EXPECT_EQ(files.files.count("results.txt"), 0u);  // there was none before
  clientWrites("", 0, false);
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Everything Not Found");
}

TEST_F(SearchRunTest, AStaleFileListIsRemoved) {
  files.files["filelist.txt"] = "old";
  clientWrites(kTwoResults);
  runSearch(finder);
  EXPECT_EQ(files.files.count("filelist.txt"), 0u);
}
