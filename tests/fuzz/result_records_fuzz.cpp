// Records given whole with any bytes in their fields (the lists give them so):
// each field keeps a prefix of its text, within its capacity, whatever the bytes.
#include "common/text.h"
#include "findaro/records/result_records.h"
#include "fuzz_support.h"

using namespace findaro;

namespace {

void checkPrefix(std::string_view kept, const std::string& given, size_t capacity, const char* what) {
  FUZZ_CHECK(given.compare(0, kept.size(), kept) == 0, what);
  FUZZ_CHECK(common::utf8Characters(kept) <= capacity, what);
  FUZZ_CHECK(kept.size() == given.size() || common::utf8Characters(kept) == capacity, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  std::vector<ResultRecord> list;
  while (list.size() < 8) {
    ResultRecord r;
    r.Name = input.text();
    r.Folder = input.text();
    r.DateText = input.text();
    r.SizeText = input.text();
    r.IsFolder = input.byte() & 1;
    if (r.Name.empty() && r.Folder.empty() && r.DateText.empty() && r.SizeText.empty()) break;
    list.push_back(r);
  }
  ResultRecords records;
  records.assign(list);
  if (list.empty()) {
    FUZZ_CHECK(records.isPlaceholder(), "no records give the placeholder");
    return 0;
  }
  FUZZ_CHECK(records.count() == static_cast<int>(list.size()), "one record for each given");
  for (int row = 1; row <= records.count(); ++row) {
    const ResultRecord& given = list[static_cast<size_t>(row - 1)];
    RecordView kept = records.at(row);
    checkPrefix(kept.Name, given.Name, kNameCapacity, "the name is its text cut at its capacity");
    checkPrefix(kept.Folder, given.Folder, kFolderCapacity, "the folder is its text cut at its capacity");
    checkPrefix(kept.DateText, given.DateText, kDateTextCapacity, "the date is its text cut at its capacity");
    checkPrefix(kept.SizeText, given.SizeText, kSizeTextCapacity, "the size is its text cut at its capacity");
    FUZZ_CHECK(records.dateKeyText(row).size() <= kDateTextCapacity, "the date key within its capacity");
  }
  return 0;
}
