#include "findaro/records/result_records.h"

#include <algorithm>
#include <cstring>

#include "common/number_format.h"
#include "common/parallel.h"
#include "common/text.h"

namespace findaro {
namespace {

void appendTwo(std::string& out, unsigned value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

// An order-keeping 64-bit key from eight bytes of a text, from an offset on
// (bytes past its end count as 0). The text lies in the results buffer, which
// may be read past its end: the eight bytes are read at once.
uint64_t chunkKey(std::string_view text, size_t from) {
  if (from >= text.size()) return 0;
  uint64_t key;
  std::memcpy(&key, text.data() + from, 8);
  key = __builtin_bswap64(key);
  const size_t left = text.size() - from;
  return left >= 8 ? key : key & (~uint64_t{0} << (8 * (8 - left)));
}

// A row to sort by a number: the number and the record it belongs to.
struct NumberKey {
  uint64_t key;
  uint32_t index;
};

// A row to sort by a text: 24 of its bytes as numbers, which settle almost every
// comparison without touching the text itself, from `depth` bytes on.
struct TextKey {
  uint64_t key[3];
  uint32_t index;
  uint32_t length;  // of the text from `depth` on
};

constexpr size_t kKeyBytes = 24;

template <typename T>
using PageVector = std::vector<T, common::PageAllocator<T>>;
// A sort's keys and scratch, given back when it ends.
template <typename T>
using ScratchVector = std::vector<T, common::PageAllocator<T, common::Pages::Small>>;

// Least significant byte first; bytes that every key shares cost no pass.
void radixSort(ScratchVector<NumberKey>& items) {
  const size_t n = items.size();
  ScratchVector<NumberKey> scratch(n);
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

// Calls work(from, to) for the two halves of [0, n), side by side when n is large.
template <typename Work>
void inHalves(size_t n, const Work& work) {
  if (n < common::kWorthASecondThread) {
    work(size_t{0}, n);
    return;
  }
  common::runBoth([&work, n] { work(size_t{0}, n / 2); }, [&work, n] { work(n / 2, n); });
}

// Sorting by a text (the name or the folder): the keys are sorted first, and
// only where 24 bytes do not settle the order is the text read further.
template <typename TextOf>
class TextSort {
 public:
  TextSort(size_t n, const TextOf& textOf) : keys_(n), text_(textOf) {}

  void run(PageVector<uint32_t>& order) {
    const size_t n = keys_.size();
    // The keys are made from where a sample of the texts starts to differ, and
    // each text is checked to share that start as its key is made; in the rare
    // case one does not, they are made again from where all of them differ.
    const std::string_view first = text_(0);
    depth_ = sampledStart();
    size_t shared[2] = {depth_, depth_};
    inHalves(n, [this, &shared, first](size_t from, size_t to) {
      size_t common = depth_;
      for (size_t i = from; i < to; ++i) {
        common = sameStart(text_(static_cast<uint32_t>(i)), first, common);
        keys_[i] = keyOf(static_cast<uint32_t>(i), depth_);
      }
      shared[from == 0 ? 0 : 1] = common;
    });
    if (std::min(shared[0], shared[1]) < depth_) {
      depth_ = std::min(shared[0], shared[1]);
      inHalves(n, [this](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) keys_[i] = keyOf(static_cast<uint32_t>(i), depth_);
      });
    }
    inHalves(n, [this](size_t from, size_t to) { sortRange(keys_.data() + from, keys_.data() + to, depth_); });
    if (n < common::kWorthASecondThread) {
      for (size_t i = 0; i < n; ++i) order[i] = keys_[i].index;
      return;
    }
    // The two sorted halves, merged straight into the order: the first half of
    // the order on one core, the second on the other, from where the halves
    // meet in the middle of the order.
    const TextKey* a = keys_.data();
    const TextKey* b = a + n / 2;
    const size_t na = n / 2;
    const size_t nb = n - na;
    const size_t k = n / 2;
    size_t lo = k > nb ? k - nb : 0;
    size_t hi = std::min(k, na);
    while (lo < hi) {
      size_t i = (lo + hi) / 2;
      size_t j = k - i;
      // a[i] before b[j - 1] (a's key first when alike): more of a is in the first half.
      if (j > 0 && !less(b[j - 1], a[i])) lo = i + 1;
      else hi = i;
    }
    const size_t i = lo;
    const size_t j = k - lo;
    common::runBoth([&] { merge(a, a + i, b, b + j, order.data()); },
                    [&] { merge(a + i, a + na, b + j, b + nb, order.data() + k); });
  }

 private:
  void merge(const TextKey* a, const TextKey* aEnd, const TextKey* b, const TextKey* bEnd, uint32_t* out) const {
    while (a != aEnd && b != bEnd) *out++ = less(*b, *a) ? (b++)->index : (a++)->index;
    while (a != aEnd) *out++ = (a++)->index;
    while (b != bEnd) *out++ = (b++)->index;
  }

  // How many bytes two texts share at their start, at most `most`.
  static size_t sameStart(std::string_view text, std::string_view other, size_t most) {
    most = std::min({most, text.size(), other.size()});
    size_t k = 0;
    for (; k + 8 <= most; k += 8) {
      uint64_t a;
      uint64_t b;
      std::memcpy(&a, text.data() + k, 8);
      std::memcpy(&b, other.data() + k, 8);
      // The lowest set bit of the difference is in the first byte that differs.
      if (a != b) return k + static_cast<size_t>(__builtin_ctzll(a ^ b)) / 8;
    }
    while (k < most && text[k] == other[k]) ++k;
    return k;
  }

  // Where a sample of the texts starts to differ: folders often share a long
  // beginning ("c:\users\ann\"), which no key needs to hold.
  size_t sampledStart() const {
    const size_t n = keys_.size();
    const std::string_view first = text_(0);
    size_t common = first.size();
    const size_t step = std::max<size_t>(1, n / 1024);
    for (size_t i = 1; i < n && common > 0; i += step) common = sameStart(text_(static_cast<uint32_t>(i)), first, common);
    return common;
  }

  TextKey keyOf(uint32_t index, size_t depth) const {
    std::string_view text = text_(index);
    text.remove_prefix(std::min(depth, text.size()));
    TextKey k;
    k.index = index;
    k.length = static_cast<uint32_t>(text.size());
    for (int part = 0; part < 3; ++part) k.key[part] = chunkKey(text, 8 * static_cast<size_t>(part));
    return k;
  }

  // Keys that are equal and both of texts longer than the keys are alike here;
  // sortRange settles them by the following bytes.
  struct KeyLess {
    bool operator()(const TextKey& a, const TextKey& b) const {
      // The first two parts in one test: they settle most comparisons.
      if (((a.key[0] ^ b.key[0]) | (a.key[1] ^ b.key[1])) != 0)
        return (a.key[0] < b.key[0]) | ((a.key[0] == b.key[0]) & (a.key[1] < b.key[1]));
      if (a.key[2] != b.key[2]) return a.key[2] < b.key[2];
      return std::min<uint32_t>(a.length, kKeyBytes + 1) < std::min<uint32_t>(b.length, kKeyBytes + 1);
    }
  };
  static bool keyLess(const TextKey& a, const TextKey& b) { return KeyLess()(a, b); }
  static bool sameKey(const TextKey& a, const TextKey& b) {
    return a.key[0] == b.key[0] && a.key[1] == b.key[1] && a.key[2] == b.key[2];
  }

  // The whole comparison, from the common start on.
  bool less(const TextKey& a, const TextKey& b) const {
    if (keyLess(a, b)) return true;
    if (keyLess(b, a) || a.length <= kKeyBytes) return false;
    return text_(a.index).substr(depth_) < text_(b.index).substr(depth_);
  }

  // The byte of a key at `at` (0 to 23), as the keys' order reads them.
  static unsigned byteOf(const TextKey& k, int at) {
    return static_cast<unsigned>(k.key[at >> 3] >> (56 - 8 * (at & 7))) & 0xFF;
  }

  // Sorts by the keys a byte at a time from `at` on: each run of keys alike so
  // far is spread into its 256 places in place. A run of few keys, or of keys
  // alike in all their bytes, is left to a comparison sort.
  static void byteSort(TextKey* begin, TextKey* end, int at) {
    while (true) {
      const size_t n = static_cast<size_t>(end - begin);
      if (n < 64 || at == static_cast<int>(kKeyBytes)) {
        std::sort(begin, end, KeyLess());
        return;
      }
      size_t count[256] = {};
      for (const TextKey* k = begin; k != end; ++k) ++count[byteOf(*k, at)];
      // All alike in this byte: on to the next, with nothing moved.
      if (count[byteOf(*begin, at)] == n) {
        ++at;
        continue;
      }
      TextKey* start[257];
      TextKey* next[256];
      start[0] = begin;
      for (int b = 0; b < 256; ++b) {
        next[b] = start[b];
        start[b + 1] = start[b] + count[b];
      }
      for (int b = 0; b < 256; ++b) {
        while (next[b] != start[b + 1]) {
          TextKey k = *next[b];
          unsigned d = byteOf(k, at);
          while (d != static_cast<unsigned>(b)) {
            std::swap(k, *next[d]++);
            d = byteOf(k, at);
          }
          *next[b]++ = k;
        }
      }
      for (int b = 0; b < 256; ++b)
        if (count[b] > 1) byteSort(start[b], start[b + 1], at + 1);
      return;
    }
  }

  void sortRange(TextKey* begin, TextKey* end, size_t depth) const {
    byteSort(begin, end, 0);
    // Runs of texts alike in their first bytes (files of one folder) are keyed
    // again on their next bytes, each text read once for each step.
    for (TextKey* run = begin; run != end;) {
      TextKey* runEnd = run + 1;
      while (runEnd != end && sameKey(*run, *runEnd)) ++runEnd;
      TextKey* longer = std::partition_point(run, runEnd, [](const TextKey& k) { return k.length <= kKeyBytes; });
      if (runEnd - longer > 1) {
        // Their key here is the run's, and their length 24 more than further on:
        // put back without reading the texts again.
        const TextKey alike = *longer;
        for (TextKey* k = longer; k != runEnd; ++k) *k = keyOf(k->index, depth + kKeyBytes);
        sortRange(longer, runEnd, depth + kKeyBytes);
        for (TextKey* k = longer; k != runEnd; ++k) {
          std::memcpy(k->key, alike.key, sizeof k->key);
          k->length += kKeyBytes;
        }
      }
      run = runEnd;
    }
  }

  ScratchVector<TextKey> keys_;
  const TextOf& text_;
  size_t depth_ = 0;
};

}  // namespace

void PackedRecord::keepPlainSize(std::string_view sizeText) {
  // Twelve digits are always below 2^40; a leading zero or a sign would not read
  // back as the same text.
  if (sizeText.empty() || sizeText.size() > 12 || (sizeText[0] == '0' && sizeText.size() > 1)) return;
  int64_t fromDate = static_cast<int64_t>(sizeOffset) - dateOffset;
  if (fromDate < INT8_MIN || fromDate > INT8_MAX) return;
  uint64_t value = 0;
  for (char c : sizeText) {
    if (c < '0' || c > '9') return;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  sizeOffset = static_cast<int32_t>(static_cast<uint32_t>(value));
  sizeHigh = static_cast<uint8_t>(value >> 32);
  sizeFromDate = static_cast<int8_t>(fromDate);
  flags |= kSizeKeptFlag;
}

RecordView ResultRecords::at(int row) const {
  const PackedRecord& p = records_[storageIndex(row)];
  const char* base = text_.data() + p.base();
  RecordView v;
  v.Folder = std::string_view(base, p.folderLength);
  v.Name = std::string_view(base + p.nameOffset, p.nameLength);
  v.DateText = std::string_view(base + p.dateOffset, p.dateLength);
  v.SizeText = std::string_view(base + p.sizeTextOffset(), p.sizeLength);
  v.SizeValue = sizeValueOf(p);
  v.IsFolder = (p.flags & PackedRecord::kFolderFlag) ? 1 : 0;
  return v;
}

uint64_t ResultRecords::dateKeyOf(const PackedRecord& p) const {
  uint64_t key = 0;
  bool seconds = false;
  bool time = false;
  std::string_view text(text_.data() + p.base() + p.dateOffset, p.dateLength);
  return dates_.read(text, key, seconds, time) ? key : 0;
}

uint64_t ResultRecords::dateKey(int row) const { return dateKeyOf(packed(row)); }

std::string ResultRecords::dateKeyText(int row) const {
  std::string_view text = at(row).DateText;
  uint64_t k = 0;
  bool seconds = false;
  bool time = false;
  if (!dates_.read(text, k, seconds, time)) return literalDateKey(text).substr(0, 31);
  unsigned second = k % 100, minute = k / 100 % 100, hour = k / 10000 % 100;
  unsigned day = k / 1000000 % 100, month = k / 100000000 % 100;
  unsigned year = static_cast<unsigned>(k / 10000000000ULL);
  std::string out = std::to_string(year);
  out += '/';
  appendTwo(out, month);
  out += '/';
  appendTwo(out, day);
  out += ' ';
  if (time) {
    appendTwo(out, hour);
    out += ':';
    appendTwo(out, minute);
    if (seconds) {
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
    PackedRecord p{};
    p.setBase(text.size());
    size_t folder = common::utf8BytesForCharacters(r.Folder, kFolderCapacity);
    size_t name = common::utf8BytesForCharacters(r.Name, kNameCapacity);
    size_t date = common::utf8BytesForCharacters(r.DateText, kDateTextCapacity);
    size_t size = common::utf8BytesForCharacters(r.SizeText, kSizeTextCapacity);
    text.append(r.Folder, 0, folder);
    p.folderLength = static_cast<uint16_t>(folder);
    p.nameOffset = static_cast<uint16_t>(folder);
    text.append(r.Name, 0, name);
    p.nameLength = static_cast<uint16_t>(name);
    p.dateOffset = static_cast<int32_t>(folder + name);
    text.append(r.DateText, 0, date);
    p.dateLength = static_cast<uint8_t>(date);
    p.sizeOffset = static_cast<int32_t>(folder + name + date);
    text.append(r.SizeText, 0, size);
    p.sizeLength = static_cast<uint8_t>(size);
    p.keepPlainSize(std::string_view(r.SizeText).substr(0, size));
    if (r.IsFolder) p.flags |= PackedRecord::kFolderFlag;
    packed.push_back(p);
  }
  adopt(common::PageBuffer::copyOf(text), std::move(packed));
}

void ResultRecords::adopt(common::PageBuffer text, PackedRecords records, const DateFormat& dates) {
  if (records.empty()) {
    resetToPlaceholder();
    return;
  }
  text_ = std::move(text);
  records_ = std::move(records);
  order_.clear();
  order_.shrink_to_fit();
  dates_ = DateReader(dates);
}

void ResultRecords::sortByColumn(int column, bool descending) {
  if (column < 1 || column > 4 || records_.size() < 2) return;
  const size_t n = records_.size();
  PageVector<uint32_t> order(n);
  if (column <= 2) {
    auto textOf = [this, column](uint32_t i) { return column == 1 ? nameOf(records_[i]) : folderOf(records_[i]); };
    TextSort<decltype(textOf)>(n, textOf).run(order);
  } else {
    ScratchVector<NumberKey> keys(n);
    inHalves(n, [this, &keys, column](size_t from, size_t to) {
      for (size_t i = from; i < to; ++i) {
        const PackedRecord& p = records_[i];
        uint64_t key = column == 3 ? dateSortKey(dateKeyOf(p))
                                   : static_cast<uint64_t>(sizeValueOf(p)) ^ (1ULL << 63);
        keys[i] = {key, static_cast<uint32_t>(i)};
      }
    });
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
