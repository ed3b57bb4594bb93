#include "findaro/search/result_records.h"

namespace findaro {

void ResultRecords::resetToSingle(const std::string& name) {
  records_.clear();
  ResultRecord record;
  record.Name = name;
  records_.push_back(std::move(record));
}

void ResultRecords::assign(std::vector<ResultRecord> records) {
  if (records.empty()) {
    resetToPlaceholder();
    return;
  }
  records_ = std::move(records);
}

}  // namespace findaro
