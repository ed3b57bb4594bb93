#pragma once
// Reading the text of "results.txt", the comma-separated file the search client
// writes, into result records.
#include <functional>
#include <string>
#include <string_view>

#include "findaro/records/result_records.h"

namespace findaro {

struct ResultsFileRules {
  bool useIgnoreList = false;
  std::string ignoreList;
  // Lower-casing as the system does it, for runs of letters outside ASCII.
  std::function<std::string(std::string_view)> lowerCase;
  // Text that is not UTF-8 is taken in the system's ANSI code page.
  std::function<std::string(const std::string&)> ansiToUtf8;
  // How the system writes dates, which is how the client writes them.
  DateFormat dateFormat;
  // The file holds a search for folders only: every row is a folder, whatever
  // its size column says (older clients write folder sizes and no final backslash
  // when the engine indexes them).
  bool foldersOnly = false;
};

struct ReadResults {
  common::PageBuffer text;
  PackedRecords records;
  DateFormat dates;  // in which the records' dates are read
};

// The whole clean-up and split: the paths lower-cased, quotes removed, the header
// read, one record per line that passes the ignore list; lines end at CR LF or LF.
// The text is cleaned in the buffer it came in, and a large one is read in two
// parts side by side. Throws std::bad_alloc when memory runs out.
ReadResults readResultsText(common::PageBuffer bytes, const ResultsFileRules& rules);
ReadResults readResultsText(std::string_view bytes, const ResultsFileRules& rules);

}  // namespace findaro
