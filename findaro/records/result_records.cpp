#include "findaro/records/result_records.h"

#include <algorithm>
#include <cstring>

#include "common/number_format.h"
#include "common/text.h"

namespace findaro {
namespace {

void appendTwo(std::string& out, unsigned value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

// An order-keeping 64-bit key from eight bytes of a text, from an offset on.
uint64_t chunkKey(std::string_view text, size_t from) {
  uint64_t key = 0;
  for (size_t i = from; i < from + 8; ++i) key = (key << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  return key;
}

// A row to sort by a number: the number and the record it belongs to.
struct NumberKey {
  uint64_t key;
  uint32_t index;
};

// A row to sort by a text: its first 24 bytes as numbers, which settle almost
// every comparison without touching the text itself.
struct TextKey {
  uint64_t key[3];
  uint32_t index;
  uint32_t length;  // a text that ends within the keys needs no further look
};

// Least significant byte first; bytes that every key shares cost no pass.
void radixSort(std::vector<NumberKey, common::PageAllocator<NumberKey>>& items) {
  const size_t n = items.size();
  std::vector<NumberKey, common::PageAllocator<NumberKey>> scratch(n);
  size_t counts[8][256] = {};
  for (const NumberKey& item : items)
    for (int b = 0; b < 8; ++b) ++counts[b][(item.key >> (8 * b)) & 0xFF];
  NumberKey* from = items.data();
  NumberKey* to = scratch.data();
  for (int b = 0; b < 8; ++b) {
    size_t* count = counts[b];
    if (count[(from[0].key >> (8 * b)) & 0xFF] == n) continue;
    size_t offset = 0;
    for (int v = 0; v < 256; ++v) {
      size_t c = count[v];
      count[v] = offset;
      offset += c;
    }
    for (size_t i = 0; i < n; ++i) to[count[(from[i].key >> (8 * b)) & 0xFF]++] = from[i];
    std::swap(from, to);
  }
  if (from != items.data()) std::memcpy(items.data(), from, n * sizeof(NumberKey));
}

// Seconds from the year 0 on: dates of the client's range fit in 64 bits with
// room to spare, and sort as the calendar does.
uint64_t dateSortKey(uint64_t key) {
  uint64_t second = key % 100, minute = key / 100 % 100, hour = key / 10000 % 100;
  uint64_t day = key / 1000000 % 100, month = key / 100000000 % 100, year = key / 10000000000ULL;
  return ((((year * 13 + month) * 32 + day) * 24 + hour) * 60 + minute) * 60 + second;
}

}  // namespace

RecordView ResultRecords::at(int row) const {
  const PackedRecord& p = records_[storageIndex(row)];
  const char* base = text_.data() + p.base();
  RecordView v;
  v.Folder = std::string_view(base, p.folderLength);
  v.Name = std::string_view(base + p.nameOffset, p.nameLength);
  v.DateText = std::string_view(base + p.dateOffset, p.dateLength);
  v.SizeText = std::string_view(base + p.sizeOffset, p.sizeLength);
  v.SizeValue = p.sizeValue;
  v.IsFolder = (p.flags & PackedRecord::kFolderFlag) ? 1 : 0;
  return v;
}

std::string ResultRecords::dateKeyText(int row) const {
  const PackedRecord& p = packed(row);
  if (!(p.flags & PackedRecord::kDateParsedFlag)) return literalDateKey(at(row).DateText).substr(0, 31);
  uint64_t k = p.dateKey;
  unsigned second = k % 100, minute = k / 100 % 100, hour = k / 10000 % 100;
  unsigned day = k / 1000000 % 100, month = k / 100000000 % 100;
  unsigned year = static_cast<unsigned>(k / 10000000000ULL);
  std::string out = std::to_string(year);
  out += '/';
  appendTwo(out, month);
  out += '/';
  appendTwo(out, day);
  out += ' ';
  if (p.flags & PackedRecord::kTimeFlag) {
    appendTwo(out, hour);
    out += ':';
    appendTwo(out, minute);
    if (p.flags & PackedRecord::kSecondsFlag) {
      out += ':';
      appendTwo(out, second);
    }
  }
  return out;
}

void ResultRecords::resetToSingle(const std::string& name) {
  ResultRecord record;
  record.Name = name;
  assign({record});
}

bool ResultRecords::isPlaceholder() const {
  return records_.size() == 1 && at(1).Name == kPlaceholderName;
}

void ResultRecords::assign(const std::vector<ResultRecord>& records) {
  if (records.empty()) {
    resetToPlaceholder();
    return;
  }
  std::string text;
  PackedRecords packed;
  packed.reserve(records.size());
  for (const ResultRecord& r : records) {
    PackedRecord p;
    p.setBase(text.size());
    size_t folder = common::utf8BytesForCharacters(r.Folder, kFolderCapacity);
    size_t name = common::utf8BytesForCharacters(r.Name, kNameCapacity);
    size_t date = common::utf8BytesForCharacters(r.DateText, kDateTextCapacity);
    size_t size = common::utf8BytesForCharacters(r.SizeText, kSizeTextCapacity);
    text.append(r.Folder, 0, folder);
    p.folderLength = static_cast<uint16_t>(folder);
    p.nameOffset = static_cast<uint32_t>(folder);
    text.append(r.Name, 0, name);
    p.nameLength = static_cast<uint16_t>(name);
    p.dateOffset = static_cast<int32_t>(folder + name);
    text.append(r.DateText, 0, date);
    p.dateLength = static_cast<uint8_t>(date);
    p.sizeOffset = static_cast<int32_t>(folder + name + date);
    text.append(r.SizeText, 0, size);
    p.sizeLength = static_cast<uint8_t>(size);
    p.sizeValue = r.SizeValue;
    if (r.IsFolder) p.flags |= PackedRecord::kFolderFlag;
    bool seconds = false;
    bool time = false;
    if (parseDateKey(r.DateText.substr(0, date), p.dateKey, seconds, time)) {
      p.flags |= PackedRecord::kDateParsedFlag;
      if (seconds) p.flags |= PackedRecord::kSecondsFlag;
      if (time) p.flags |= PackedRecord::kTimeFlag;
    }
    packed.push_back(p);
  }
  adopt(common::PageBuffer::copyOf(text), std::move(packed));
}

void ResultRecords::adopt(common::PageBuffer text, PackedRecords records) {
  if (records.empty()) {
    resetToPlaceholder();
    return;
  }
  text_ = std::move(text);
  records_ = std::move(records);
  order_.clear();
  order_.shrink_to_fit();
}

void ResultRecords::sortByColumn(int column, bool descending) {
  if (column < 1 || column > 4 || records_.size() < 2) return;
  const size_t n = records_.size();
  std::vector<uint32_t, common::PageAllocator<uint32_t>> order(n);
  if (column <= 2) {
    auto textOf = [this, column](const PackedRecord& p) { return column == 1 ? nameOf(p) : folderOf(p); };
    // Folders often share a long beginning ("c:\users\ann\"): the keys start where
    // the texts start to differ.
    std::string_view first = textOf(records_[0]);
    size_t common = first.size();
    for (size_t i = 1; i < n && common > 0; ++i) {
      std::string_view text = textOf(records_[i]);
      size_t k = 0;
      while (k < common && k < text.size() && text[k] == first[k]) ++k;
      common = k;
    }
    std::vector<TextKey, common::PageAllocator<TextKey>> keys(n);
    for (size_t i = 0; i < n; ++i) {
      std::string_view text = textOf(records_[i]);
      keys[i] = {{chunkKey(text, common), chunkKey(text, common + 8), chunkKey(text, common + 16)},
                 static_cast<uint32_t>(i), static_cast<uint32_t>(text.size())};
    }
    const size_t decided = common + 24;
    auto less = [this, &textOf, decided](const TextKey& a, const TextKey& b) {
      for (int k = 0; k < 3; ++k)
        if (a.key[k] != b.key[k]) return a.key[k] < b.key[k];
      if (a.length <= decided || b.length <= decided) return a.length < b.length;
      std::string_view x = textOf(records_[a.index]);
      std::string_view y = textOf(records_[b.index]);
      return x.substr(std::min(decided, x.size())) < y.substr(std::min(decided, y.size()));
    };
    // One in-place pass by the first byte, then each part sorted while it fits the cache.
    size_t start[257] = {};
    for (const TextKey& k : keys) ++start[(k.key[0] >> 56) + 1];
    for (int b = 0; b < 256; ++b) start[b + 1] += start[b];
    size_t next[256];
    std::copy(start, start + 256, next);
    for (int b = 0; b < 256; ++b) {
      while (next[b] < start[b + 1]) {
        TextKey& item = keys[next[b]];
        size_t home = item.key[0] >> 56;
        if (home == static_cast<size_t>(b)) ++next[b];
        else std::swap(item, keys[next[home]++]);
      }
    }
    for (int b = 0; b < 256; ++b)
      if (start[b + 1] - start[b] > 1)
        std::sort(keys.begin() + static_cast<long>(start[b]), keys.begin() + static_cast<long>(start[b + 1]), less);
    for (size_t i = 0; i < n; ++i) order[i] = keys[i].index;
  } else {
    std::vector<NumberKey, common::PageAllocator<NumberKey>> keys(n);
    for (size_t i = 0; i < n; ++i) {
      const PackedRecord& p = records_[i];
      uint64_t key = column == 3 ? dateSortKey(p.dateKey) : static_cast<uint64_t>(p.sizeValue) ^ (1ULL << 63);
      keys[i] = {key, static_cast<uint32_t>(i)};
    }
    radixSort(keys);
    for (size_t i = 0; i < n; ++i) order[i] = keys[i].index;
  }
  if (descending) std::reverse(order.begin(), order.end());
  order_ = std::move(order);
}

std::string literalDateKey(std::string_view dateText) {
  size_t blank = dateText.find(' ');
  std::string_view first = dateText.substr(0, blank);
  std::string_view second;
  if (blank != std::string_view::npos) {
    std::string_view rest = dateText.substr(blank + 1);
    second = rest.substr(0, rest.find(' '));
  }
  std::string key(first.size() > 4 ? first.substr(first.size() - 4) : first);
  key += '/';
  key += first.substr(0, 5);
  key += ' ';
  key += second;
  return key;
}

}  // namespace findaro
