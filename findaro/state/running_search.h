#pragma once
// A search whose client is running: what it needs to finish, to give progress and
// to be undone. The window keeps answering while it runs.
#include <memory>
#include <optional>
#include <string>

#include "findaro/records/result_records.h"
#include "findaro/system/processes.h"

namespace findaro {

// What stood on screen before a search, so that a search that does not finish
// leaves it as it was.
struct ScreenBeforeSearch {
  ResultRecords results;
  int selectedRow = 1;
  int searchType = 0;
  int lastSearchType = 1;
  std::string engineArguments;
  // The results file: whether there was one, and whether it waits under another
  // name to be put back (a million results are not held twice in memory). Its
  // bytes are kept only when it could not be renamed.
  bool hadResultsFile = false;
  bool keptAside = false;
  std::optional<std::string> resultsFile;
};

struct RunningSearch {
  std::unique_ptr<RunningProgram> client;  // none yet while the search is announced
  ScreenBeforeSearch before;
  // Counter readings: when the client started, when "Still Searching" is next
  // due, and when the time limit passes (0 for no limit).
  long long started = 0;
  long long nextProgress = 0;
  long long deadline = 0;
};

}  // namespace findaro
