#pragma once
// The records behind the results list: one per match, numbered from 1, never
// fewer than one (the placeholder "<empty>" when nothing was found).
#include <string>
#include <string_view>
#include <vector>

namespace findaro {

constexpr const char* kPlaceholderName = "<empty>";
constexpr const char* kLoadingName = "Loading ...";

struct ResultRecord {
  std::string Name;
  std::string Folder;
  std::string DateText;
  std::string SizeText;
  std::string DateKey;
  long long SizeValue = 0;
  int IsFolder = 0;
};

class ResultRecords {
 public:
  ResultRecords() { resetToPlaceholder(); }

  int count() const { return static_cast<int>(records_.size()); }
  const ResultRecord& at(int row) const { return records_[static_cast<size_t>(row - 1)]; }
  ResultRecord& at(int row) { return records_[static_cast<size_t>(row - 1)]; }

  // One record with only a name (the placeholder, "Loading ...", a list row).
  void resetToSingle(const std::string& name);
  void resetToPlaceholder() { resetToSingle(kPlaceholderName); }
  void assign(std::vector<ResultRecord> records);
  bool isPlaceholder() const { return records_.size() == 1 && records_[0].Name == kPlaceholderName; }

 private:
  std::vector<ResultRecord> records_;
};

}  // namespace findaro
