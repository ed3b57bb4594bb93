#include "findaro/search/search_run.h"

#include <gtest/gtest.h>

#include <algorithm>

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
const std::string kOneResult = "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\New\\Texas.txt\"\r\n";
constexpr long long kStart = 10000;  // the counter when the client starts, at 1000 a second

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
  // A client that runs until the test ends it, on a clock that moves only when
  // the test says.
  void slowClientWrites(const std::string& text, unsigned long exitCode = 0) {
    clientWrites(text, exitCode);
    processes.keepsRunning = true;
    clock.step = 0;
    clock.value = kStart;
  }
  // The window's tick, the given time after the client started.
  void tickAt(double seconds) {
    clock.value = kStart + static_cast<long long>(seconds * 1000 + 0.5);
    onSearchTick(finder);
  }
  int timesSaid(const std::string& text) const {
    std::vector<std::string> said = spokenTexts();
    return static_cast<int>(std::count(said.begin(), said.end(), text));
  }
  // The screen after an earlier search for files and folders, its second row selected.
  void earlierSearchShown() {
    files.files["results.txt"] = kTwoResults;
    finder.settings.SearchType = 3;
    finder.settings.LastSearchType = 3;
    loadResultsFile(finder);
    list.selected = 2;
    finder.engineArguments = "earlier";
    window.titleText = "before";
  }
  // Everything earlierSearchShown put on screen is there again, and the search is over.
  void expectEarlierSearchShown() {
    EXPECT_FALSE(searchInProgress(finder));
    EXPECT_FALSE(window.ticking);
    EXPECT_EQ(files.files.at("results.txt"), kTwoResults);
    EXPECT_EQ(finder.results.count(), 2);
    EXPECT_EQ(finder.results.at(1).Name, "texas.png");
    EXPECT_EQ(list.items, 2);
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(list.columns[1].title, "Name  (2)");
    EXPECT_EQ(finder.settings.SearchType, 3);
    EXPECT_EQ(finder.settings.LastSearchType, 3);
    EXPECT_EQ(finder.engineArguments, "earlier");
    EXPECT_EQ(window.titleText, "before");
    EXPECT_FALSE(clipboard.text_.has_value());
    for (const std::string& text : spokenTexts()) EXPECT_EQ(text.find("Search is complete"), std::string::npos);
  }
};

TEST_F(SearchRunTest, ASearchIsAnnouncedRunTimedAndSpoken) {
  clientWrites(kTwoResults);
  runSearch(finder);
  EXPECT_EQ(finder.settings.SearchTerm, "texas");
  EXPECT_EQ(finder.settings.LastSearchType, 1);
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(processes.commandLines[0],
            "es  !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas");
  EXPECT_EQ(clipboard.text_, processes.commandLines[0].substr(3));
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

TEST_F(SearchRunTest, ACustomSearchIsNotChecked) {
  finder.settings.SearchType = 4;
  searchBox.content = "audio: o'brien & x";
  clientWrites("Filename\r\n\"C:\\Music\\O'Brien.mp3\"\r\n");
  runSearch(finder);
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(processes.commandLines[0], "es  -export-csv results.txt " + categoryListTable()[0].second +
                                         " o'brien & x");
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
  clientWrites("", 8);
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Everything Not Running");
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
  // No es.exe in the program's folder or on the PATH: nothing is started.
  processes.onPath.clear();
  processes.commandLines.clear();
  runSearch(finder);
  EXPECT_EQ(voice.lastText(), "Everything Not Found");
  EXPECT_TRUE(processes.commandLines.empty());
  EXPECT_FALSE(searchInProgress(finder));
}

TEST_F(SearchRunTest, AStaleFileListIsRemoved) {
  files.files["filelist.txt"] = "old";
  clientWrites(kTwoResults);
  runSearch(finder);
  EXPECT_EQ(files.files.count("filelist.txt"), 0u);
}

TEST_F(SearchRunTest, WhileTheClientRunsTheWindowAnswersAndTheUserHearsProgress) {
  finder.settings.SearchTimeLimit = 0;  // no limit: the client may run past the usual 60 s
  slowClientWrites(kTwoResults);
  runSearch(finder, 1);
  // The search has returned to the window with its client still running.
  EXPECT_TRUE(searchInProgress(finder));
  EXPECT_TRUE(window.ticking);
  EXPECT_EQ(finder.results.at(1).Name, "Loading ...");
  EXPECT_EQ(spokenTexts(), (std::vector<std::string>{"Searching for files matching texas"}));
  tickAt(2.9);
  EXPECT_EQ(timesSaid("Still Searching"), 0);
  tickAt(3.0);
  EXPECT_EQ(timesSaid("Still Searching"), 1);
  tickAt(7.9);
  EXPECT_EQ(timesSaid("Still Searching"), 1);
  tickAt(8.0);
  tickAt(8.1);
  EXPECT_EQ(timesSaid("Still Searching"), 2);
  // A long stall (the computer slept) brings one reminder, not one for each 5 s missed.
  tickAt(60.0);
  EXPECT_EQ(timesSaid("Still Searching"), 3);
  tickAt(62.9);
  EXPECT_EQ(timesSaid("Still Searching"), 3);

  processes.finishClient();
  tickAt(64.0);
  EXPECT_FALSE(searchInProgress(finder));
  EXPECT_FALSE(window.ticking);
  EXPECT_EQ(voice.lastText(), "Search is complete : 2 Matches : texas.png");
  EXPECT_EQ(window.titleText, "Findaro 4.1    64.0 sec : 64.0 sec   ... " + finder.engineArguments);
  EXPECT_EQ(finder.results.count(), 2);
  tickAt(70.0);  // a tick already on its way finds nothing to do
  EXPECT_EQ(timesSaid("Still Searching"), 3);
}

TEST_F(SearchRunTest, CancellingEndsTheClientAtOnceAndLeavesEverythingAsBefore) {
  earlierSearchShown();
  voice.spoken.clear();
  slowClientWrites(kOneResult);
  runSearch(finder, 1);
  std::shared_ptr<testing_support::FakeClientState> client = processes.client;
  // The client has begun its file when the user cancels.
  files.files["results.txt"] = "Size,Da";
  tickAt(3.0);
  cancelSearch(finder);
  EXPECT_TRUE(client->endedByFinder);
  EXPECT_EQ(voice.lastText(), "Search Cancelled");
  expectEarlierSearchShown();
}

TEST_F(SearchRunTest, TheTimeLimitEndsTheClientAndLeavesEverythingAsBefore) {
  earlierSearchShown();
  finder.settings.SearchTimeLimit = 3;
  slowClientWrites(kOneResult);
  runSearch(finder, 1);
  tickAt(2.9);
  EXPECT_TRUE(searchInProgress(finder));
  tickAt(3.0);
  EXPECT_TRUE(processes.client->endedByFinder);
  EXPECT_EQ(voice.lastText(), "Search Timed Out");
  expectEarlierSearchShown();
}

TEST_F(SearchRunTest, AClientThatEndsWellButLeavesNothingToReadHasFailed) {
  // Writing nothing at all leaves no file either: the previous one does not count.
  for (const char* left : {"<untouched>", "<missing>", "", "\r\n\r\n", "\xEF\xBB\xBF", "  \t"}) {
    earlierSearchShown();
    voice.spoken.clear();
    processes.outcome = {true, 0};
    processes.onRun = [this, left] {
      if (std::string(left) == "<missing>") files.files.erase("results.txt");
      else if (std::string(left) != "<untouched>") files.files["results.txt"] = left;
    };
    runSearch(finder, 1);
    EXPECT_EQ(voice.lastText(), "Search Failed") << left;
    expectEarlierSearchShown();
  }
  // A header alone is a search that found nothing.
  clientWrites("Size,Date Modified,Filename\r\n");
  runSearch(finder, 1);
  EXPECT_EQ(voice.lastText(), "Search is complete : 0 Matches : <empty>");
  EXPECT_TRUE(hasHeaderLine("Filename"));
  EXPECT_FALSE(hasHeaderLine("\xEF\xBB\xBF\r\n"));
}

TEST_F(SearchRunTest, TheEarlierResultsWaitAsAFileNotInMemoryAndGoWhenTheSearchSucceeds) {
  earlierSearchShown();
  files.files["results.old"] = "left by a run that ended abruptly";
  slowClientWrites(kOneResult);
  runSearch(finder, 1);
  EXPECT_EQ(files.files.count("results.txt"), 0u);
  EXPECT_EQ(files.files.at("results.old"), kTwoResults);
  processes.finishClient();
  tickAt(1.0);
  EXPECT_EQ(voice.lastText(), "Search is complete : 1 Match : texas.txt");
  EXPECT_EQ(files.files.at("results.txt"), kOneResult);
  EXPECT_EQ(files.files.count("results.old"), 0u);

  // A file that cannot be renamed is kept by its bytes, and put back from them.
  earlierSearchShown();
  voice.spoken.clear();
  clipboard.text_.reset();
  files.failMoveFrom = "results.txt";
  slowClientWrites(kOneResult);
  runSearch(finder, 1);
  files.files["results.txt"] = "Size,Da";
  cancelSearch(finder);
  expectEarlierSearchShown();
  EXPECT_EQ(files.files.count("results.old"), 0u);
}

TEST_F(SearchRunTest, ResultsTooManyForMemoryAreSaidAndTheEarlierOnesStay) {
  earlierSearchShown();
  voice.spoken.clear();
  clientWrites(kOneResult);
  files.tooLargeToRead.insert("results.txt");
  runSearch(finder, 1);
  EXPECT_EQ(voice.lastText(), "Too Many Results");
  files.tooLargeToRead.clear();
  expectEarlierSearchShown();
  EXPECT_EQ(finder.results.at(2).Name, "dallas texas.pdf");
  EXPECT_EQ(files.files.count("results.old"), 0u);
  EXPECT_FALSE(searchInProgress(finder));
  // The next search that fits is read as usual.
  clientWrites(kOneResult);
  runSearch(finder, 1);
  EXPECT_EQ(voice.lastText(), "Search is complete : 1 Match : texas.txt");
}

TEST_F(SearchRunTest, ASecondSearchWhileOneRunsStartsNothingAndLeavesTheListAlone) {
  slowClientWrites(kTwoResults);
  runSearch(finder, 1);
  searchBox.content = "other";
  runSearch(finder, 2);
  EXPECT_EQ(voice.lastText(), "Search in Progress");
  EXPECT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(finder.settings.SearchType, 1);
  EXPECT_EQ(finder.settings.SearchTerm, "texas");
  EXPECT_EQ(finder.results.at(1).Name, "Loading ...");
  processes.finishClient();
  tickAt(1);
  EXPECT_EQ(voice.lastText(), "Search is complete : 2 Matches : texas.png");
}

TEST_F(SearchRunTest, WhileTheSearchIsAnnouncedNoSecondSearchStartsAndEscEndsIt) {
  clientWrites(kTwoResults);
  voice.whileWaiting = [this] { runSearch(finder, 2); };
  runSearch(finder, 1);
  EXPECT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(finder.settings.LastSearchType, 1);
  EXPECT_EQ(voice.lastText(), "Search is complete : 2 Matches : texas.png");

  earlierSearchShown();
  clipboard.text_.reset();
  voice.spoken.clear();
  voice.whileWaiting = [this] { cancelSearch(finder); };
  runSearch(finder, 1);
  EXPECT_EQ(processes.commandLines.size(), 1u);  // no client started at all
  EXPECT_EQ(voice.lastText(), "Search Cancelled");
  expectEarlierSearchShown();
}

TEST_F(SearchRunTest, ASearchFromAMenuThatDoesNotFinishShowsTheMenuAgain) {
  finder.settings.SearchType = kModeActionsList;
  finder.results.assign({{"1 Search for Files", "", "", "", 0, 0}, {"2 Search for Folders", "", "", "", 0, 0}});
  list.selected = 2;
  slowClientWrites(kTwoResults);
  runSearch(finder, 1);
  cancelSearch(finder);
  EXPECT_EQ(finder.settings.SearchType, kModeActionsList);
  EXPECT_EQ(finder.results.at(2).Name, "2 Search for Folders");
  EXPECT_EQ(list.columns[1].title, "Action Shortcuts");
  EXPECT_EQ(list.selected, 2);
}
