#pragma once
// The matches of one run, kept in the asked order and cut to the asked count.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/es/search_query.h"

namespace standin {

struct Entry {
  std::string path;        // full path as the file system spells it
  std::string foldedName;  // the name, folded, which is what name order compares
  uint32_t attributes = 0;
  uint64_t size = 0;
  uint64_t modified = 0;   // last write time in 100 ns units since 1601, UTC
  bool isFolder() const { return (attributes & kAttributeDirectory) != 0; }
};

// Name order is A to Z ignoring case; newest first is by time, then by name.
// The full path breaks the remaining ties so that every run gives the same order.
bool comesBefore(const Entry& a, const Entry& b, SortOrder order);

class ResultSet {
 public:
  ResultSet(SortOrder order, std::optional<size_t> limit);
  void add(Entry entry);
  // The kept entries in order, at most `limit` of them.
  std::vector<Entry> take();

 private:
  void dropBeyondLimit();

  SortOrder order_;
  std::optional<size_t> limit_;
  std::vector<Entry> entries_;
  size_t pruneAt_ = static_cast<size_t>(-1);
};

}  // namespace standin
