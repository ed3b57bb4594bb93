#include "tools/es/result_order.h"

#include <algorithm>
#include <limits>

namespace standin {

bool comesBefore(const Entry& a, const Entry& b, SortOrder order) {
  if (order.key == SortKey::DateModified && a.modified != b.modified)
    return order.descending ? a.modified > b.modified : a.modified < b.modified;
  int byName = a.foldedName.compare(b.foldedName);
  if (byName != 0) return (order.key == SortKey::Name && order.descending) ? byName > 0 : byName < 0;
  return a.path < b.path;
}

ResultSet::ResultSet(SortOrder order, std::optional<size_t> limit) : order_(order), limit_(limit) {
  constexpr size_t most = std::numeric_limits<size_t>::max();
  if (limit_) pruneAt_ = *limit_ > (most - 64) / 2 ? most : 2 * *limit_ + 64;
}

void ResultSet::add(Entry entry) {
  entries_.push_back(std::move(entry));
  // A limited search over a whole drive keeps a bounded number of matches:
  // whenever twice the limit has piled up, the better half is kept.
  if (entries_.size() >= pruneAt_) dropBeyondLimit();
}

void ResultSet::dropBeyondLimit() {
  if (!limit_ || entries_.size() <= *limit_) return;
  auto before = [this](const Entry& a, const Entry& b) { return comesBefore(a, b, order_); };
  std::nth_element(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(*limit_), entries_.end(), before);
  entries_.resize(*limit_);
}

std::vector<Entry> ResultSet::take() {
  dropBeyondLimit();
  std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) { return comesBefore(a, b, order_); });
  return std::move(entries_);
}

}  // namespace standin
