// The stand-in client's query as any command line may give it: the run ends,
// keeps to its count, writes one CSV line per match, and the finder's reader
// reads exactly those matches back.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "findaro/records/results_reader.h"
#include "fuzz_support.h"
#include "tools/es/standin_search.h"
#include "tools/es/word_match.h"

using namespace standin;

namespace {

class Folders : public FolderSource {
 public:
  Folders() {
    add("C:\\", "Texas", kAttributeDirectory, 0);
    add("C:\\", "texas.txt", kAttributeArchive, 12);
    add("C:\\", "windows", kAttributeDirectory, 0);
    add("C:\\Texas", "Bills, 2024.pdf", kAttributeArchive, 3000);
    add("C:\\Texas", "\xC3\x84rger \"quoted\".MP3", kAttributeArchive, 5);
    add("C:\\Texas", "link", kAttributeDirectory | kAttributeReparsePoint, 0);
    add("C:\\windows", "system.ini", kAttributeArchive | kAttributeHidden | kAttributeSystem, 7);
  }
  bool list(const std::string& folder, const std::function<void(const ListedEntry&)>& each) override {
    auto it = folders_.find(folder);
    if (it == folders_.end()) return false;
    for (const ListedEntry& e : it->second) each(e);
    return true;
  }

 private:
  void add(const std::string& folder, const char* name, uint32_t attributes, uint64_t size) {
    folders_[folder].push_back({name, attributes, size, 133000000000000000ULL + size});
  }
  std::map<std::string, std::vector<ListedEntry>> folders_;
};

CivilTime noon(uint64_t) { return {2024, 2, 29, 12, 0}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Words parted by NUL, as no command line can hold one.
  std::vector<std::string> words(1);
  for (size_t i = 0; i < size && words.size() < 64; ++i) {
    if (data[i] == 0) words.emplace_back();
    else words.back() += static_cast<char>(data[i]);
  }
  Query query = parseCommandLine(words);
  FUZZ_CHECK(query.words.size() <= words.size(), "no word made up");

  Folders folders;
  std::string csv = searchToCsv(query, normalizeRoots(rootsFromSetting("C:\\")), folders, noon);
  size_t lines = 0;
  for (size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  FUZZ_CHECK(csv.size() >= 2 && csv.compare(csv.size() - 2, 2, "\r\n") == 0, "every line ends with CR LF");
  size_t matches = lines - 1;
  FUZZ_CHECK(!query.limit || matches <= *query.limit, "no more matches than asked for");
  FUZZ_CHECK(matches <= 7, "no entry listed twice");

  findaro::ResultsFileRules rules;
  findaro::ReadResults read = findaro::readResultsText(csv, rules);
  FUZZ_CHECK(read.records.size() == matches, "the finder reads every match back");
  return 0;
}
