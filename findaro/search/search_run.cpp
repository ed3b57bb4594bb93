#include "findaro/search/search_run.h"

#include <memory>
#include <new>
#include <optional>
#include <utility>

#include "common/text.h"
#include "findaro/search/results_file.h"
#include "findaro/search/search_arguments.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/result_cells.h"

namespace findaro {
namespace {

constexpr const char* kResultsFile = "results.txt";
// The results file of the search before, while another search runs.
constexpr const char* kKeptResultsFile = "results.old";
constexpr const char* kClientProgram = "es.exe";
constexpr long long kFirstProgressSeconds = 3;
constexpr long long kProgressEverySeconds = 5;

long long frequencyOf(const Finder& finder) { return finder.counterFrequency > 0 ? finder.counterFrequency : 1; }

void showLoading(Finder& finder) {
  finder.results.resetToSingle(kLoadingName);
  finder.list.setItemCount(1);
  finder.list.selectRow(1);
  finder.list.setColumnTitle(1, "Name");
  finder.list.redraw();
}

// The results file is renamed, not read, for the time of the search.
void keepResultsFileAside(Finder& finder, ScreenBeforeSearch& before) {
  before.hadResultsFile = finder.files.fileExists(kResultsFile);
  if (!before.hadResultsFile) return;
  // A file left by a run that ended without putting it back is older still.
  if (finder.files.fileExists(kKeptResultsFile)) finder.files.deleteFile(kKeptResultsFile);
  before.keptAside = finder.files.moveFile(kResultsFile, kKeptResultsFile);
  if (!before.keptAside) before.resultsFile = finder.files.readFile(kResultsFile);
}

void putBackResultsFile(Finder& finder, const ScreenBeforeSearch& before) {
  if (before.keptAside) {
    if (finder.files.fileExists(kResultsFile)) finder.files.deleteFile(kResultsFile);
    finder.files.moveFile(kKeptResultsFile, kResultsFile);
  } else if (!before.hadResultsFile) {
    if (finder.files.fileExists(kResultsFile)) finder.files.deleteFile(kResultsFile);
  } else if (before.resultsFile && finder.files.readFile(kResultsFile) != before.resultsFile) {
    finder.files.replaceFile(kResultsFile, *before.resultsFile);
  }
}

// The search did not finish: its file, the list, the list mode, the title and
// the last search type stay as they were, and the user hears why.
void restore(Finder& finder, ScreenBeforeSearch& before, const std::string& message) {
  putBackResultsFile(finder, before);
  finder.results = std::move(before.results);
  finder.settings.SearchType = before.searchType;
  finder.settings.LastSearchType = before.lastSearchType;
  finder.engineArguments = before.engineArguments;
  layoutWindow(finder);
  finder.list.setItemCount(finder.results.count());
  if (finder.settings.SearchType < kModeSettingsList)
    finder.list.setColumnTitle(1, "Name  (" + resultCountText(finder) + ")");
  int row = before.selectedRow >= 1 && before.selectedRow <= finder.results.count() ? before.selectedRow : 1;
  finder.list.selectRow(row);
  finder.list.redraw();
  if (!message.empty()) speak(finder, message);
}

// From here on nothing treats the search as running: the ticks stop, and a
// command that arrives while what follows runs finds no search.
std::unique_ptr<RunningSearch> takeSearch(Finder& finder) {
  finder.window.stopSearchTicks();
  return std::move(finder.search);
}

void stopSearch(Finder& finder, const std::string& message) {
  std::unique_ptr<RunningSearch> search = takeSearch(finder);
  if (search->client) search->client->end();
  restore(finder, search->before, message);
}

std::string completionText(const Finder& finder) {
  long long count = finder.results.isPlaceholder() ? 0 : finder.results.count();
  return "Search is complete : " + formatCount(count) + (count == 1 ? " Match : " : " Matches : ") +
         std::string(finder.results.at(1).Name);
}

void finishSearch(Finder& finder, unsigned long exitCode) {
  long long ran = finder.clock.counter();
  std::unique_ptr<RunningSearch> search = takeSearch(finder);
  std::string failure = searchFailureMessage({true, exitCode});
  std::optional<ReadResults> read;
  if (failure.empty()) {
    try {
      std::optional<common::PageBuffer> left = finder.files.readLargeFile(kResultsFile);
      // Ending well but leaving nothing to read is no search that found nothing.
      if (!left || !hasHeaderLine(left->view())) failure = "Search Failed";
      else read = readResults(finder, std::move(*left));
    } catch (const std::bad_alloc&) {
      // More results than this program's memory holds: the earlier ones stay.
      read.reset();
      failure = kTooManyResults;
    }
  }
  if (!failure.empty()) {
    restore(finder, search->before, failure);
    return;
  }
  const bool keptAside = search->before.keptAside;
  finder.clipboard.setText(finder.engineArguments);
  showReadResults(finder, std::move(*read));
  long long shown = finder.clock.counter();
  double frequency = static_cast<double>(frequencyOf(finder));
  finder.window.setTitle(std::string("Findaro ") + kVersion + "    " +
                         formatTenths((ran - search->started) / frequency) + " sec : " +
                         formatTenths((shown - search->started) / frequency) + " sec  " + " ... " +
                         finder.engineArguments);
  speak(finder, completionText(finder));
  setStatusText(finder, statusText(finder, 1));
  // The earlier results go once the count is said: the user waits for nothing.
  search.reset();
  if (keptAside) finder.files.deleteFile(kKeptResultsFile);
}

// Starts the client of the search in progress; false (with everything put back)
// when there is none to start.
bool startClient(Finder& finder) {
  RunningSearch& search = *finder.search;
  std::optional<std::string> client = finder.processes.findOnPath(kClientProgram);
  // Gone before the client starts, so that a client that writes nothing is
  // never taken for one that wrote the previous results.
  if (client && search.before.hadResultsFile && !search.before.keptAside) finder.files.deleteFile(kResultsFile);
  long long start = finder.clock.counter();
  if (client)
    search.client = finder.processes.startHidden(*client, "es " + finder.engineArguments, finder.files.programFolder());
  if (!search.client) {
    stopSearch(finder, "Everything Not Found");
    return false;
  }
  search.started = start;
  long long frequency = frequencyOf(finder);
  search.nextProgress = start + kFirstProgressSeconds * frequency;
  if (finder.settings.SearchTimeLimit > 0) search.deadline = start + finder.settings.SearchTimeLimit * frequency;
  finder.window.startSearchTicks();
  return true;
}

}  // namespace

std::string searchFailureMessage(const ProcessOutcome& outcome) {
  if (!outcome.started) return "Everything Not Found";
  if (outcome.exitCode == 8) return "Everything Not Running";
  if (outcome.exitCode != 0) return "Search Failed";
  return "";
}

bool hasHeaderLine(std::string_view text) {
  if (common::startsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
  return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

void setStatusText(Finder& finder, const std::string& text) { finder.window.setStatusText("   " + text); }

void runSearch(Finder& finder, int searchType) {
  Settings& s = finder.settings;
  // A second search while one runs would have two clients write one file.
  if (searchInProgress(finder)) {
    speak(finder, kSearchInProgress);
    return;
  }
  int shownMode = s.SearchType;
  s.SearchType = searchType;
  layoutWindow(finder);
  if (finder.files.fileExists("filelist.txt")) finder.files.deleteFile("filelist.txt");

  std::string term = common::truncateUtf16Units(finder.searchBox.text(), kSearchTermCapacity);
  s.SearchTerm = common::trimBlanks(finder.locale.lowerCase(term));
  if (s.SearchType != kModeCustom && !isValidSearchTerm(finder)) {
    speak(finder, "Invalid Search Term");
    return;
  }

  // From here on the search is in progress, before its client runs: a voice that
  // lets messages through while it says the announcement lets no second search
  // start, and Esc or closing the window then ends this one.
  auto search = std::make_unique<RunningSearch>();
  ScreenBeforeSearch& before = search->before;
  before.searchType = shownMode;
  before.lastSearchType = s.LastSearchType;
  before.engineArguments = finder.engineArguments;
  before.selectedRow = finder.list.selectedRow();
  before.results = std::move(finder.results);
  keepResultsFileAside(finder, before);
  const RunningSearch* mine = search.get();
  finder.search = std::move(search);
  s.LastSearchType = s.SearchType;

  showLoading(finder);
  speakAndWait(finder, searchAnnouncement(s.SearchType) + s.SearchTerm);
  if (finder.search.get() != mine) return;  // cancelled while it was announced
  std::string exclusions = s.SearchType == kModeCustom ? std::string() : buildExclusionText(finder);
  finder.engineArguments = engineArgumentsFor(s.SearchType, exclusions, s.SortType, s.MaxResults, s.SearchTerm,
                                              finder.categoryLists, engineInstanceFor(finder));
  if (startClient(finder)) onSearchTick(finder);  // a client may be done before the first tick
}

void runSearch(Finder& finder) { runSearch(finder, finder.settings.SearchType); }

void onSearchTick(Finder& finder) {
  if (!finder.search || !finder.search->client) return;
  RunningSearch& search = *finder.search;
  if (std::optional<unsigned long> code = search.client->exitCode()) {
    finishSearch(finder, *code);
    return;
  }
  long long now = finder.clock.counter();
  if (search.deadline != 0 && now >= search.deadline) {
    stopSearch(finder, "Search Timed Out");
    return;
  }
  if (now >= search.nextProgress) {
    speak(finder, "Still Searching");
    // After a stall (a computer woken from sleep) one reminder, not a burst.
    long long every = kProgressEverySeconds * frequencyOf(finder);
    search.nextProgress += ((now - search.nextProgress) / every + 1) * every;
  }
}

void cancelSearch(Finder& finder) {
  if (finder.search) stopSearch(finder, "Search Cancelled");
}

void endSearchBeforeClosing(Finder& finder) {
  if (finder.search) stopSearch(finder, "");
}

}  // namespace findaro
