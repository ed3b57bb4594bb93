#include "findaro/search/results_file.h"

#include <new>

#include "findaro/records/results_reader.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/layout.h"
#include "findaro/view/toolbar.h"

namespace findaro {
namespace {

constexpr const char* kResultsFile = "results.txt";

ResultsFileRules rulesFor(Finder& finder) {
  ResultsFileRules rules;
  rules.useIgnoreList = finder.settings.UseIgnoreList != 0;
  rules.ignoreList = finder.settings.IgnoreList;
  rules.lowerCase = [&locale = finder.locale](std::string_view text) { return locale.lowerCase(std::string(text)); };
  rules.ansiToUtf8 = [&locale = finder.locale](const std::string& bytes) { return locale.ansiToUtf8(bytes); };
  rules.dateFormat = finder.locale.dateFormat();
  rules.foldersOnly = finder.settings.LastSearchType == kModeFolders;
  return rules;
}

}  // namespace

void resetResults(Finder& finder) {
  finder.results.resetToPlaceholder();
  finder.list.setItemCount(1);
  finder.list.selectRow(1);
}

void showResults(Finder& finder) {
  finder.list.setColumnTitle(1, "Name  (" + resultCountText(finder) + ")");
  finder.list.setGridStyle();
  finder.list.setItemCount(finder.results.count());
  finder.list.selectRow(1);
  finder.list.focus();
}

void loadResultsFile(Finder& finder) {
  try {
    std::optional<common::PageBuffer> bytes = finder.files.readLargeFile(kResultsFile);
    if (!bytes) {
      finder.files.writeFile(kResultsFile, "");
      bytes.emplace();
    }
    loadResultsBytes(finder, std::move(*bytes));
  } catch (const std::bad_alloc&) {
    speak(finder, kTooManyResults);
  }
}

void loadResultsBytes(Finder& finder, common::PageBuffer bytes) {
  showReadResults(finder, readResults(finder, std::move(bytes)));
}

ReadResults readResults(Finder& finder, common::PageBuffer bytes) {
  return readResultsText(std::move(bytes), rulesFor(finder));
}

void showReadResults(Finder& finder, ReadResults read) {
  finder.list.deleteAllItems();
  if (!read.records.empty()) finder.results.adopt(std::move(read.text), std::move(read.records), read.dates);
  else resetResults(finder);
  showResults(finder);
  createToolbar(finder);
  if (finder.settings.FocusOnRE != 0) {
    finder.searchBox.postSelectAll();
    finder.searchBox.focus();
  }
}

void reloadLastResults(Finder& finder) {
  layoutWindow(finder);
  loadResultsFile(finder);
}

void sortResults(Finder& finder, int column) {
  finder.sortDescending = !finder.sortDescending;
  finder.results.sortByColumn(column, finder.sortDescending);
  finder.list.selectRow(1);
}

}  // namespace findaro
