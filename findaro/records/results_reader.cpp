#include "findaro/records/results_reader.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <vector>

#include "common/number_format.h"
#include "common/parallel.h"
#include "common/text.h"
#include "findaro/records/byte_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace findaro {
namespace {

constexpr size_t kLongestPath = 260;
constexpr int kMaxFields = 16;
constexpr size_t kNone = static_cast<size_t>(-1);

// Which field holds what. Older clients write "Size,Date Modified,Filename";
// newer ones put the file name first, and a custom search may name only it.
struct Columns {
  int size = 0;
  int date = 1;
  int path = 2;
  bool hasSize = true;
  int last() const { return std::max({size, date, path}); }
};

Columns columnsFromHeader(std::string_view header) {
  std::vector<std::string> names;
  std::string field;
  bool quoted = false;
  for (char c : header) {
    if (c == '"') quoted = !quoted;
    else if (c == ',' && !quoted) names.push_back(common::trimBlanks(std::exchange(field, {})));
    else field += c;
  }
  names.push_back(common::trimBlanks(field));
  auto index = [&names](const char* name) {
    auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
  };
  Columns c;
  if (index("filename") < 0) return c;
  c.path = index("filename");
  c.size = index("size");
  c.date = index("date modified");
  c.hasSize = c.size >= 0;
  return c;
}

// Where the line from `from` ends: at its LF, or at the CR of its CR LF.
size_t findLineEnd(std::string_view text, size_t from, size_t end) {
  if (from >= end) return end;  // an empty text may have no buffer at all
  const void* hit = std::memchr(text.data() + from, '\n', end - from);
  if (!hit) return end;
  size_t at = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
  return at > from && text[at - 1] == '\r' ? at - 1 : at;
}

// Where the next line starts after a line that ends at `at`.
size_t nextLine(std::string_view text, size_t at) { return at + (text[at] == '\r' ? 2 : 1); }

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// The extension: from the last "." after the last "\" or ":", the dot included.
std::string_view extensionOf(std::string_view path) {
  size_t separator = path.find_last_of("\\:");
  size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return {};
  return path.substr(dot);
}

// Newer clients end a folder's path with a backslash; the split treats such a
// path as if it did not, so the folder keeps its name.
std::string_view withoutFinalBackslash(std::string_view path) {
  if (path.size() > 1 && path.back() == '\\') {
    std::string_view shorter = path.substr(0, path.size() - 1);
    size_t separator = shorter.find_last_of("\\:");
    if (separator == std::string_view::npos || separator + 1 < shorter.size()) return shorter;
  }
  return path;
}

// The system's lower-casing of runs of bytes outside ASCII, remembered: a file's
// names repeat their letters (one language, a few accented letters).
class RunLowerCase {
 public:
  explicit RunLowerCase(const ResultsFileRules& rules) : rules_(rules) {}

  const std::string& operator()(std::string_view run) {
    if (run.size() > kLongestRemembered) return computed_ = rules_.lowerCase(run);
    uint32_t hash = 2166136261u;
    for (char c : run) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    Entry& entry = entries_[hash % entries_.size()];
    if (!entry.used || entry.run != run) {
      entry.run.assign(run);
      entry.lowered = rules_.lowerCase(run);
      entry.used = true;
    }
    return entry.lowered;
  }

 private:
  static constexpr size_t kLongestRemembered = 32;
  struct Entry {
    bool used = false;
    std::string run;
    std::string lowered;
  };
  const ResultsFileRules& rules_;
  std::array<Entry, 256> entries_;
  std::string computed_;
};

// A field's place relative to the path's start, which the record keeps in 32
// bits: a field too far away (only in a line of gigabytes) is left empty.
bool relativeOffset(const char* field, const char* base, int32_t& offset) {
  long long distance = static_cast<long long>(field - base);
  if (distance < INT32_MIN || distance > INT32_MAX) return false;
  offset = static_cast<int32_t>(distance);
  return true;
}

// Where the name starts: after the last "\\" or ":" (0 when there is none).
size_t afterLastSeparator(std::string_view path) {
  size_t end = path.size();
#if defined(__SSE2__)
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i colon = _mm_set1_epi8(':');
  for (; end >= 16; end -= 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(path.data() + end - 16));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, backslash), _mm_cmpeq_epi8(bytes, colon))));
    if (mask != 0) return end - 16 + 32 - static_cast<size_t>(__builtin_clz(mask));
  }
#endif
  while (end > 0 && path[end - 1] != '\\' && path[end - 1] != ':') --end;
  return end;
}

// Cuts a field at its capacity in characters; a field of no more bytes than that
// needs no counting.
size_t cutLength(std::string_view field, size_t capacity) {
  return field.size() <= capacity ? field.size() : common::utf8BytesForCharacters(field, capacity);
}

// The record of one line's fields. `base` is where the path starts in the text
// the record will point into; the size and date lie in the same text.
bool makeRecord(uint64_t base, std::string_view size, std::string_view date, std::string_view path,
                const Columns& columns, const ResultsFileRules& rules, PackedRecord& record) {
  std::string_view splitPath = withoutFinalBackslash(path);
  if (rules.useIgnoreList) {
    std::string_view extension = extensionOf(splitPath);
    // A result without an extension names nothing to ignore.
    if (!extension.empty() && rules.ignoreList.find(extension) != std::string::npos) return false;
  }
  record.setBase(base);
  record.flags = 0;
  record.folderLength = 0;
  record.nameLength = 0;
  record.nameOffset = 0;
  if (path.size() <= kLongestPath || common::utf8Characters(path) <= kLongestPath) {
    size_t nameStart = afterLastSeparator(splitPath);
    std::string_view name = splitPath.substr(nameStart);
    record.folderLength = static_cast<uint16_t>(cutLength(path.substr(0, nameStart), kFolderCapacity));
    record.nameOffset = static_cast<uint16_t>(nameStart);
    record.nameLength = static_cast<uint16_t>(cutLength(name, kNameCapacity));
  }
  size_t sizeLength = cutLength(size, kSizeTextCapacity);
  size_t dateLength = cutLength(date, kDateTextCapacity);
  record.sizeOffset = 0;
  record.dateOffset = 0;
  if (!relativeOffset(size.data(), path.data(), record.sizeOffset)) sizeLength = 0;
  if (!relativeOffset(date.data(), path.data(), record.dateOffset)) dateLength = 0;
  record.sizeLength = static_cast<uint8_t>(sizeLength);
  record.dateLength = static_cast<uint8_t>(dateLength);
  record.sizeHigh = 0;
  record.sizeFromDate = 0;
  record.keepPlainSize(size.substr(0, sizeLength));
  // A final backslash makes a folder whatever the size says: newer clients write
  // folder sizes when the engine indexes them.
  bool folder = rules.foldersOnly || (!path.empty() && path.back() == '\\') || (columns.hasSize && sizeLength == 0);
  if (folder) record.flags |= PackedRecord::kFolderFlag;
  return true;
}

// Marks a record whose path (lengthened by its lower-casing) lies in its part's
// own overflow text, until the parts are put together.
constexpr uint8_t kOverflowFlag = 0x80;

// Reads the lines of one part of the text, cleaning them in place: the path in
// lower case, no double quotes, no stray carriage returns, fields split at commas
// outside quotes. A field is cleaned where it lies and never grows, so the
// records point into the file's own bytes; only a path that lower-casing makes
// longer is written elsewhere, to `overflow`.
class PartReader {
 public:
  PartReader(char* text, const Columns& columns, const ResultsFileRules& rules, PackedRecord* out)
      : text_(text), columns_(columns), rules_(rules), lower_(rules), out_(out) {
    lastField_ = std::min(columns.last(), kMaxFields - 1);
    pathField_ = columns.path < kMaxFields ? columns.path : -1;
  }

  // The lines from `from` (a line's start) to `to` (a line feed or the text's
  // end); returns how many records they gave.
  size_t read(size_t from, size_t to) {
    startLine(from);
    size_t at = from;
    while (at < to) {
      size_t n = std::min<size_t>(16, to - at);
      for (uint32_t mask = specialBytes(text_ + at, n); mask != 0; mask &= mask - 1) {
        size_t q = at + static_cast<size_t>(__builtin_ctz(mask));
        switch (text_[q]) {
          case ',': comma(q); break;
          case '"': quote(); break;
          case '\r': carriageReturn(q); break;
          case '\n': endLine(q); break;
          default: if (field_ < kMaxFields) high_[field_] = true; break;
        }
      }
      at += n;
    }
    endLine(to);
    return count_;
  }

  std::string overflow;

 private:
  void startLine(size_t at) {
    lineStart_ = at;
    field_ = 0;
    quoted_ = false;
    dropped_ = 0;
    carriageReturnAt_ = kNone;
    openField(at);
  }
  void openField(size_t at) {
    start_[field_] = at;
    quotes_[field_] = 0;
    returns_[field_] = 0;
    high_[field_] = false;
  }
  void comma(size_t at) {
    if (quoted_) return;
    if (field_ < kMaxFields) end_[field_] = at;
    if (++field_ < kMaxFields) openField(at + 1);
  }
  void quote() {
    quoted_ = !quoted_;
    ++dropped_;
    if (field_ < kMaxFields) ++quotes_[field_];
  }
  void carriageReturn(size_t at) {
    carriageReturnAt_ = at;
    ++dropped_;
    if (field_ < kMaxFields) ++returns_[field_];
  }

  // A line ends at its line feed (or the part's end); a carriage return just
  // before it is part of the line's end.
  void endLine(size_t at) {
    size_t contentEnd = at;
    if (carriageReturnAt_ != kNone && carriageReturnAt_ + 1 == at) {
      contentEnd = at - 1;
      --dropped_;
      if (field_ < kMaxFields) --returns_[field_];
    }
    if (field_ < kMaxFields) end_[field_] = contentEnd;
    fields_ = std::min(field_ + 1, kMaxFields);
    // A line of nothing but quotes and stray carriage returns is an empty line.
    if (contentEnd - lineStart_ > dropped_) addRecord();
    startLine(at + 1);
  }

  // The field's text without its quotes and stray carriage returns; a field the
  // line does not have is empty, at the line's start.
  std::string_view field(int index) {
    if (index < 0 || index >= fields_) return std::string_view(text_ + lineStart_, 0);
    char* start = text_ + start_[index];
    size_t length = end_[index] - start_[index];
    if (quotes_[index] == 0 && returns_[index] == 0) return std::string_view(start, length);
    if (returns_[index] == 0 && quotes_[index] == 2 && length >= 2 && start[0] == '"' && start[length - 1] == '"')
      return std::string_view(start + 1, length - 2);
    char* write = start;
    for (size_t i = 0; i < length; ++i)
      if (start[i] != '"' && start[i] != '\r') *write++ = start[i];
    return std::string_view(start, static_cast<size_t>(write - start));
  }

  // Lower-cases a path in place; false when it grew, and then `grown` holds it.
  bool lowerPath(char* path, size_t length, bool high, std::string& grown) {
    lowerAscii(path, length);
    if (!high || !rules_.lowerCase) return true;
    for (size_t i = firstHighByte(path, 0, length); i < length; i = firstHighByte(path, i, length)) {
      size_t end = i;
      while (end < length && static_cast<unsigned char>(path[end]) >= 0x80) ++end;
      const std::string& lowered = lower_(std::string_view(path + i, end - i));
      if (lowered.size() == end - i) {
        std::memcpy(path + i, lowered.data(), lowered.size());
        i = end;
        continue;
      }
      // From here on the path is written out: it no longer fits its place.
      grown.assign(path, i);
      grown += lowered;
      for (i = end; i < length;) {
        size_t plain = i;
        while (plain < length && static_cast<unsigned char>(path[plain]) < 0x80) ++plain;
        grown.append(path + i, plain - i);
        size_t run = plain;
        while (run < length && static_cast<unsigned char>(path[run]) >= 0x80) ++run;
        if (run > plain) grown += lower_(std::string_view(path + plain, run - plain));
        i = run;
      }
      return false;
    }
    return true;
  }

  void addRecord() {
    std::string_view size = field(columns_.size);
    std::string_view date = field(columns_.date);
    std::string_view path = field(pathField_);
    PackedRecord& record = out_[count_];
    if (pathField_ >= 0 && pathField_ < fields_) {
      char* start = text_ + (path.data() - text_);
      if (!lowerPath(start, path.size(), high_[pathField_], grown_)) {
        if (grown_.size() <= path.size()) {
          std::memcpy(start, grown_.data(), grown_.size());
          path = std::string_view(start, grown_.size());
        } else {
          addGrownRecord(size, date, record);
          return;
        }
      }
    }
    if (makeRecord(static_cast<uint64_t>(path.data() - text_), size, date, path, columns_, rules_, record)) ++count_;
  }

  // The path, with the size and date after it, in the overflow text.
  void addGrownRecord(std::string_view size, std::string_view date, PackedRecord& record) {
    std::string entry = grown_;
    entry.append(size);
    entry.append(date);
    std::string_view all(entry);
    std::string_view path = all.substr(0, grown_.size());
    if (!makeRecord(overflow.size(), all.substr(grown_.size(), size.size()),
                    all.substr(grown_.size() + size.size(), date.size()), path, columns_, rules_, record))
      return;
    record.flags |= kOverflowFlag;
    overflow += entry;
    ++count_;
  }

  char* text_;
  const Columns& columns_;
  const ResultsFileRules& rules_;
  RunLowerCase lower_;
  PackedRecord* out_;
  size_t count_ = 0;
  int lastField_ = 0;
  int pathField_ = 0;
  std::string grown_;

  size_t lineStart_ = 0;
  int field_ = 0;
  int fields_ = 0;
  bool quoted_ = false;
  size_t dropped_ = 0;  // quotes and stray carriage returns
  size_t carriageReturnAt_ = kNone;
  size_t start_[kMaxFields] = {};
  size_t end_[kMaxFields] = {};
  uint32_t quotes_[kMaxFields] = {};
  uint32_t returns_[kMaxFields] = {};
  bool high_[kMaxFields] = {};
};

// A text is read in parts of at least this size, at most kMostParts of them, which
// the two threads take one after the other: the threads end together even when
// one part is slower to read than another.
constexpr size_t kPartBytes = 1u << 18;
constexpr size_t kMostParts = 8;

// Where the text's lines are: the header's end and the line feeds at which the
// parts after the first start.
struct Layout {
  size_t begin = 0;
  size_t end = 0;
  size_t headerEnd = 0;
  std::vector<size_t> splits;
  size_t parts() const { return splits.size() + 1; }
  // The text of part k with its line ends, as surveyed (the first with the header).
  size_t surveyStart(size_t k) const { return k == 0 ? begin : splits[k - 1] + 1; }
  size_t surveyEnd(size_t k, size_t size) const { return k + 1 < parts() ? splits[k] + 1 : size; }
};

Layout layoutOf(std::string_view text, size_t begin) {
  Layout layout;
  size_t end = text.size();
  while (begin < end && isLineBreak(text[begin])) ++begin;
  while (end > begin && isLineBreak(text[end - 1])) --end;
  layout.begin = begin;
  layout.end = end;
  layout.headerEnd = findLineEnd(text, begin, end);
  if (layout.headerEnd >= end) return layout;
  const size_t body = end - layout.headerEnd;
  const size_t parts = std::min(kMostParts, std::max<size_t>(1, body / kPartBytes));
  size_t last = layout.headerEnd;
  for (size_t k = 1; k < parts; ++k) {
    size_t from = std::max(last + 1, layout.headerEnd + body / parts * k);
    if (from >= end) break;
    const void* hit = std::memchr(text.data() + from, '\n', end - from);
    if (!hit) break;
    last = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    layout.splits.push_back(last);
  }
  return layout;
}

// Runs job(k) for each part k, the two threads taking the next part as they end one.
template <typename Job>
void forEachPart(size_t parts, const Job& job) {
  if (parts == 1) {
    job(size_t{0});
    return;
  }
  std::atomic<size_t> next{0};
  auto worker = [&next, parts, &job] {
    for (size_t k = next++; k < parts; k = next++) job(k);
  };
  common::runBoth(worker, worker);
}

// The text's survey, part by part.
std::vector<Survey> surveyParts(std::string_view whole, const Layout& layout) {
  std::vector<Survey> found(layout.parts());
  forEachPart(layout.parts(), [&](size_t k) {
    size_t from = layout.surveyStart(k);
    found[k] = survey(whole.substr(from, layout.surveyEnd(k, whole.size()) - from));
  });
  return found;
}

bool allUtf8(const std::vector<Survey>& found) {
  for (const Survey& s : found)
    if (!s.utf8) return false;
  return true;
}

}  // namespace

ReadResults readResultsText(common::PageBuffer bytes, const ResultsFileRules& rules) {
  size_t begin = common::startsWith(bytes.view(), "\xEF\xBB\xBF") ? 3 : 0;
  Layout layout = layoutOf(bytes.view(), begin);
  std::string_view whole = bytes.view();
  std::vector<Survey> surveys = surveyParts(whole, layout);
  if (!allUtf8(surveys)) {
    std::string rest(whole.substr(begin));
    bytes = common::PageBuffer::copyOf(rules.ansiToUtf8 ? rules.ansiToUtf8(rest) : rest);
    whole = bytes.view();
    layout = layoutOf(whole, 0);
    surveys = surveyParts(whole, layout);
  }

  ReadResults result;
  result.dates = rules.dateFormat;
  const size_t end = layout.end;
  const size_t headerEnd = layout.headerEnd;
  std::string header = common::asciiLower(whole.substr(layout.begin, headerEnd - layout.begin));
  header.erase(std::remove(header.begin(), header.end(), '\r'), header.end());
  Columns columns = columnsFromHeader(header);
  if (headerEnd >= end) {
    result.text = std::move(bytes);
    return result;
  }
  // Room for a record per line: a part's lines end at its line feeds, and the
  // last part may have one line more than it has line feeds.
  const size_t parts = layout.parts();
  std::vector<size_t> room(parts);
  std::vector<size_t> at(parts + 1, 0);
  for (size_t k = 0; k < parts; ++k) {
    room[k] = surveys[k].lineFeeds + (k + 1 == parts ? 1 : 0);
    at[k + 1] = at[k] + room[k];
  }
  PackedRecords records(at[parts]);
  std::vector<size_t> counts(parts, 0);
  std::vector<std::string> overflows(parts);
  forEachPart(parts, [&](size_t k) {
    PartReader reader(bytes.data(), columns, rules, records.data() + at[k]);
    size_t from = k == 0 ? nextLine(whole, headerEnd) : layout.splits[k - 1] + 1;
    size_t to = k + 1 < parts ? layout.splits[k] : end;
    counts[k] = reader.read(from, to);
    overflows[k] = std::move(reader.overflow);
  });
  // The parts' records side by side, and their lengthened paths after the text.
  size_t count = 0;
  std::string overflow;
  for (size_t k = 0; k < parts; ++k) {
    PackedRecord* first = records.data() + at[k];
    if (count != at[k] && counts[k] > 0) std::memmove(records.data() + count, first, counts[k] * sizeof(PackedRecord));
    if (!overflows[k].empty()) {
      for (size_t i = count; i < count + counts[k]; ++i)
        if (records[i].flags & kOverflowFlag) records[i].setBase(records[i].base() + overflow.size());
      overflow += overflows[k];
    }
    count += counts[k];
  }
  records.resize(count);
  // Lines skipped by the ignore list leave room unused; much of it is given back.
  if (records.capacity() - records.size() > records.size() / 16) records.shrink_to_fit();
  if (!overflow.empty()) {
    common::PageBuffer joined(whole.size() + overflow.size());
    std::memcpy(joined.data(), whole.data(), whole.size());
    std::memcpy(joined.data() + whole.size(), overflow.data(), overflow.size());
    joined.setSize(joined.capacity());
    for (PackedRecord& record : records) {
      if (!(record.flags & kOverflowFlag)) continue;
      record.flags &= static_cast<uint8_t>(~kOverflowFlag);
      record.setBase(record.base() + whole.size());
    }
    bytes = std::move(joined);
  }
  result.text = std::move(bytes);
  result.records = std::move(records);
  return result;
}

ReadResults readResultsText(std::string_view bytes, const ResultsFileRules& rules) {
  return readResultsText(common::PageBuffer::copyOf(bytes), rules);
}

}  // namespace findaro
