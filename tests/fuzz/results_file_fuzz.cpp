// results.txt as any client, editor or disk may leave it: every record lies inside
// the text, within its capacities, with no line break or quote in a field; every
// cell and status text can be made; sorting orders and keeps every record.
#include <string>
#include <vector>

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/records/results_reader.h"
#include "findaro/state/finder.h"
#include "findaro/view/result_cells.h"
#include "fuzz_support.h"
#include "support/fake_finder.h"
#include "support/fake_voice.h"

using namespace findaro;

namespace {

DateFormat formatNumber(unsigned which) {
  DateFormat f;
  switch (which % 4) {
    case 1: f.shortDate = "dd/MM/yyyy", f.time = "HH:mm:ss", f.am = f.pm = ""; break;
    case 2: f.shortDate = "yyyy. M. d.", f.time = "tt h:mm:ss", f.am = "\xEC\x98\xA4\xEC\xA0\x84", f.pm = "PM"; break;
    case 3: f.shortDate = "d.M.yy", f.time = "H.mm", f.am = "a. m.", f.pm = "p. m."; break;
    default: break;
  }
  return f;
}

void checkField(std::string_view field, size_t capacity, const char* what) {
  FUZZ_CHECK(common::utf8Characters(field) <= capacity, what);
  FUZZ_CHECK(field.find_first_of("\r\n\"") == std::string_view::npos, "no line break or quote in a field");
}

bool inside(uint64_t base, long long offset, size_t length, size_t textSize) {
  long long start = static_cast<long long>(base) + offset;
  return start >= 0 && static_cast<size_t>(start) + length <= textSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  uint8_t options = input.byte();
  testing_support::FakeFinder parts;
  ResultsFileRules rules;
  rules.useIgnoreList = options & 1;
  rules.ignoreList = ".lnk .tmp";
  // A lower-casing that makes text longer takes the reader off its in-place path.
  if (options & 2) rules.lowerCase = [](std::string_view run) { return std::string(run) + std::string(run); };
  else rules.lowerCase = [&parts](std::string_view run) { return parts.locale.lowerCase(std::string(run)); };
  rules.ansiToUtf8 = fuzz::latin1ToUtf8;
  rules.dateFormat = formatNumber(options >> 4);
  std::string bytes = input.rest();

  ReadResults read = readResultsText(bytes, rules);
  size_t textSize = read.text.size();
  size_t lines = 1;
  for (char c : bytes) lines += c == '\n';
  FUZZ_CHECK(read.records.size() <= lines, "no more records than lines");
  for (const PackedRecord& p : read.records) {
    FUZZ_CHECK(p.base() + p.folderLength <= textSize, "the folder lies inside the text");
    FUZZ_CHECK(inside(p.base(), p.nameOffset, p.nameLength, textSize), "the name lies inside the text");
    FUZZ_CHECK(inside(p.base(), p.sizeTextOffset(), p.sizeLength, textSize), "the size lies inside the text");
    FUZZ_CHECK(inside(p.base(), p.dateOffset, p.dateLength, textSize), "the date lies inside the text");
  }

  Finder& finder = parts.finder;
  finder.settings.ShortPath = (options >> 2) & 1;
  finder.settings.EnableTime = (options >> 3) & 1;
  finder.settings.UseKB = (options >> 6) & 1;
  bool any = !read.records.empty();
  if (any) finder.results.adopt(std::move(read.text), std::move(read.records), read.dates);
  int count = finder.results.count();
  FUZZ_CHECK(count >= 1, "never fewer than one record");
  FUZZ_CHECK(any || finder.results.isPlaceholder(), "nothing read gives the placeholder");
  // Sizes summed with wrap-around: the same records give the same sum in any order.
  uint64_t sizeSum = 0;
  for (int row = 1; row <= count; ++row) {
    RecordView r = finder.results.at(row);
    checkField(r.Name, kNameCapacity, "the name within its capacity");
    checkField(r.Folder, kFolderCapacity, "the folder within its capacity");
    checkField(r.DateText, kDateTextCapacity, "the date within its capacity");
    checkField(r.SizeText, kSizeTextCapacity, "the size within its capacity");
    FUZZ_CHECK(finder.results.dateKeyText(row).size() <= kDateTextCapacity, "the date key within its capacity");
    std::string name = cellText(finder, row, 1);
    // A file may itself be called "(f) something"; only a folder gets the mark added.
    FUZZ_CHECK(name == (r.IsFolder ? "(f) " : "") + std::string(r.Name), "a folder and only a folder is marked (f)");
    if (r.IsFolder) FUZZ_CHECK(cellText(finder, row, 4).empty(), "a folder shows no size");
    FUZZ_CHECK(r.SizeValue == common::readNumber64(r.SizeText), "a size is the number its text reads as");
    std::string folder = finder.settings.ShortPath ? shortenFolder(r.Folder) : std::string(r.Folder);
    FUZZ_CHECK(cellText(finder, row, 2) == folder, "the folder cell is the folder, or its short form");
    std::string_view date = finder.settings.EnableTime ? r.DateText : r.DateText.substr(0, r.DateText.find(' '));
    FUZZ_CHECK(cellText(finder, row, 3) == date, "the date cell is the date, or its first word");
    cellText(finder, row, 4);
    statusText(finder, row);
    sizeSum += static_cast<uint64_t>(r.SizeValue);
  }

  for (int column = 1; column <= 4; ++column) {
    for (bool descending : {false, true}) {
      finder.results.sortByColumn(column, descending);
      FUZZ_CHECK(finder.results.count() == count, "sorting keeps the count");
      uint64_t sum = 0;
      for (int row = 1; row <= count; ++row) {
        sum += static_cast<uint64_t>(finder.results.at(row).SizeValue);
        if (row == 1) continue;
        RecordView a = finder.results.at(descending ? row : row - 1);
        RecordView b = finder.results.at(descending ? row - 1 : row);
        if (column == 1) FUZZ_CHECK(a.Name <= b.Name, "names in order");
        if (column == 2) FUZZ_CHECK(a.Folder <= b.Folder, "folders in order");
        if (column == 4) FUZZ_CHECK(a.SizeValue <= b.SizeValue, "sizes in order");
        if (column == 3)
          FUZZ_CHECK(finder.results.dateKey(descending ? row : row - 1) <= finder.results.dateKey(descending ? row - 1 : row),
                     "dates in order");
      }
      FUZZ_CHECK(sum == sizeSum, "sorting keeps every record");
    }
  }
  return 0;
}
