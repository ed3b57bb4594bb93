#include "findaro/search/search_run.h"

#include <optional>

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

// What stands on screen before a search, so that a failed one can leave it as it was.
struct BeforeSearch {
  ResultRecords results;
  int selectedRow = 1;
  int lastSearchType = 1;
  std::string engineArguments;
  std::optional<std::string> resultsFile;
};

void showLoading(Finder& finder) {
  finder.results.resetToSingle(kLoadingName);
  finder.list.setItemCount(1);
  finder.list.selectRow(1);
  finder.list.setColumnTitle(1, "Name");
  finder.list.redraw();
}

// The client could not run or failed: its file, the list, the title and the last
// search type stay as they were, and the user hears why.
void restore(Finder& finder, BeforeSearch& before, const std::string& message) {
  if (finder.files.readFile(kResultsFile) != before.resultsFile) {
    if (before.resultsFile) finder.files.replaceFile(kResultsFile, *before.resultsFile);
    else finder.files.deleteFile(kResultsFile);
  }
  finder.results = std::move(before.results);
  finder.settings.LastSearchType = before.lastSearchType;
  finder.engineArguments = before.engineArguments;
  finder.list.setItemCount(finder.results.count());
  finder.list.setColumnTitle(1, "Name  (" + resultCountText(finder) + ")");
  int row = before.selectedRow >= 1 && before.selectedRow <= finder.results.count() ? before.selectedRow : 1;
  finder.list.selectRow(row);
  finder.list.redraw();
  speak(finder, message);
}

std::string completionText(const Finder& finder) {
  long long count = finder.results.isPlaceholder() ? 0 : finder.results.count();
  return "Search is complete : " + formatCount(count) + (count == 1 ? " Match : " : " Matches : ") +
         std::string(finder.results.at(1).Name);
}

}  // namespace

std::string searchFailureMessage(const ProcessOutcome& outcome) {
  if (!outcome.started || outcome.exitCode == 9009) return "Everything Not Found";
  if (outcome.exitCode == 8) return "Everything Not Running";
  if (outcome.exitCode != 0) return "Search Failed";
  return "";
}

void setStatusText(Finder& finder, const std::string& text) { finder.window.setStatusText("   " + text); }

void runSearch(Finder& finder) {
  Settings& s = finder.settings;
  layoutWindow(finder);
  if (finder.files.fileExists("filelist.txt")) finder.files.deleteFile("filelist.txt");

  std::string term = common::truncateUtf16Units(finder.searchBox.text(), kSearchTermCapacity);
  s.SearchTerm = common::trimBlanks(finder.locale.lowerCase(term));
  if (s.SearchType != kModeCustom && !isValidSearchTerm(finder)) {
    speak(finder, "Invalid Search Term");
    return;
  }

  BeforeSearch before;
  before.lastSearchType = s.LastSearchType;
  before.engineArguments = finder.engineArguments;
  before.selectedRow = finder.list.selectedRow();
  before.results = std::move(finder.results);
  s.LastSearchType = s.SearchType;

  showLoading(finder);
  speakAndWait(finder, searchAnnouncement(s.SearchType) + s.SearchTerm);
  std::string exclusions = s.SearchType == kModeCustom ? std::string() : buildExclusionText(finder);
  finder.engineArguments =
      engineArgumentsFor(s.SearchType, exclusions, s.SortType, s.MaxResults, s.SearchTerm, finder.categoryLists);

  before.resultsFile = finder.files.readFile(kResultsFile);
  long long start = finder.clock.counter();
  // Delayed expansion off whatever the system's setting, so that no !name! is read.
  ProcessOutcome outcome = finder.processes.runHidden("CMD /V:OFF /C es " + finder.engineArguments);
  long long ran = finder.clock.counter();
  std::string failure = searchFailureMessage(outcome);
  if (!failure.empty()) {
    restore(finder, before, failure);
    return;
  }

  finder.clipboard.setText(finder.engineArguments);
  loadResultsFile(finder);
  long long shown = finder.clock.counter();
  double frequency = static_cast<double>(finder.counterFrequency > 0 ? finder.counterFrequency : 1);
  finder.window.setTitle(std::string("Findaro ") + kVersion + "    " + formatTenths((ran - start) / frequency) +
                         " sec : " + formatTenths((shown - start) / frequency) + " sec  " + " ... " +
                         finder.engineArguments);
  speak(finder, completionText(finder));
  setStatusText(finder, statusText(finder, 1));
}

}  // namespace findaro
