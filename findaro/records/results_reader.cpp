#include "findaro/records/results_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/number_format.h"
#include "common/text.h"

namespace findaro {
namespace {

constexpr size_t kLongestPath = 260;
constexpr int kMaxFields = 16;

const std::array<char, 256> kAsciiLower = [] {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return table;
}();
const std::array<char, 256> kUnchanged = [] {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c);
  return table;
}();


// Bytes that need a decision of their own; every other byte is copied, lower-cased
// in the path.
constexpr unsigned char kPlain = 0;
constexpr unsigned char kSpecial = 1;
const std::array<unsigned char, 256> kByteKind = [] {
  std::array<unsigned char, 256> kinds{};
  kinds['"'] = kSpecial;
  kinds[','] = kSpecial;
  kinds['\r'] = kSpecial;
  kinds['\n'] = kSpecial;
  for (int c = 0x80; c < 256; ++c) kinds[c] = kSpecial;
  return kinds;
}();

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

// Cleans the text in place, one line at a time: the path in lower case, no double
// quotes, no stray carriage returns, fields split at commas outside quotes. Writing
// never passes reading, except when lower-casing makes a letter longer; then the
// rest is written to a copy.
class Cleaner {
 public:
  Cleaner(common::PageBuffer& source, const ResultsFileRules& rules) : source_(source), rules_(rules) {}

  struct Line {
    size_t start[kMaxFields] = {};
    size_t end[kMaxFields] = {};
    int fields = 0;
    bool empty = true;
    size_t begin = 0;
  };

  // Cleans the line that starts at from (it ends at the next LF or CR LF, or at
  // end) and writes only the fields up to lastField, lower-casing only the field
  // lowerField; returns where the line ends. Windows names hold no line breaks, so
  // a quote cannot carry one into a field.
  size_t clean(size_t from, size_t end, int lastField, int lowerField, Line& line) {
    const size_t to = end;
    if (!inPlace_) reserve(to - from);
    line.begin = written_;
    line.start[0] = written_;
    int field = 0;
    size_t writing = lastField >= 0 ? 1 : 0;  // fields past the last one used are not kept
    const char* lower = lowerField == 0 ? kAsciiLower.data() : kUnchanged.data();
    size_t dropped = 0;  // quotes and stray carriage returns
    bool quoted = false;
    char* out = target();
    size_t w = written_;
    size_t i = from;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(source_.data());
    while (i < to) {
      unsigned char c = in[i];
      if (kByteKind[c] == kPlain) {
        // Writing one byte more than is kept costs nothing: the next write covers it.
        out[w] = lower[c];
        w += writing;
        ++i;
        continue;
      }
      if (c == '"') {
        quoted = !quoted;
        ++dropped;
        ++i;
        continue;
      }
      if (c == '\n') break;
      if (c == '\r') {
        if (i + 1 < to && in[i + 1] == '\n') break;
        ++dropped;
        ++i;
        continue;
      }
      if (c == ',') {
        ++i;
        if (quoted) {
          out[w] = ',';
          w += writing;
          continue;
        }
        if (field < kMaxFields) line.end[field] = w;
        ++field;
        if (field < kMaxFields) line.start[field] = w;
        writing = field <= lastField ? 1 : 0;
        lower = field == lowerField ? kAsciiLower.data() : kUnchanged.data();
        continue;
      }
      size_t j = i;
      while (j < to && in[j] >= 0x80) ++j;
      if (writing) {
        std::string_view run(source_.data() + i, j - i);
        std::string lowered = rules_.lowerCase && field == lowerField ? rules_.lowerCase(run) : std::string(run);
        written_ = w;
        if (inPlace_ && w + lowered.size() > j) switchToCopy(lowered.size() + (to - j));
        if (!inPlace_) reserve(lowered.size() + (to - j));
        out = target();
        std::memcpy(out + w, lowered.data(), lowered.size());
        w += lowered.size();
      }
      i = j;
    }
    if (field < kMaxFields) line.end[field] = w;
    line.fields = std::min(field + 1, kMaxFields);
    line.empty = dropped == i - from;
    written_ = w;
    return i;
  }

  void rewind(size_t to) { written_ = to; }
  const char* data() const { return inPlace_ ? source_.data() : copy_.data(); }

  common::PageBuffer take() {
    common::PageBuffer text = inPlace_ ? std::move(source_) : std::move(copy_);
    text.setSize(written_);
    return text;
  }

 private:
  char* target() { return inPlace_ ? source_.data() : copy_.data(); }
  void switchToCopy(size_t need) {
    grow(source_.size() + source_.size() / 2 + need + 16);
    inPlace_ = false;
  }
  void reserve(size_t need) {
    size_t wanted = written_ + need + need / 2 + 16;
    if (copy_.capacity() < wanted) grow(std::max(wanted, copy_.capacity() * 2));
  }
  void grow(size_t capacity) {
    common::PageBuffer bigger(capacity);
    std::memcpy(bigger.data(), inPlace_ ? source_.data() : copy_.data(), written_);
    copy_ = std::move(bigger);
  }

  common::PageBuffer& source_;
  const ResultsFileRules& rules_;
  common::PageBuffer copy_;
  bool inPlace_ = true;
  size_t written_ = 0;
};

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

// A field's place relative to the path's start, which the record keeps in 32
// bits: a field too far away (only in a line of gigabytes) is left empty.
bool relativeOffset(const char* field, const char* base, int32_t& offset) {
  long long distance = static_cast<long long>(field - base);
  if (distance < INT32_MIN || distance > INT32_MAX) return false;
  offset = static_cast<int32_t>(distance);
  return true;
}

// A field the line does not have is empty (at the line's start, so that every
// field lies within the line's text).
std::string_view fieldOf(const char* data, const Cleaner::Line& line, int index) {
  if (index < 0 || index >= line.fields) return std::string_view(data + line.begin, 0);
  return std::string_view(data + line.start[index], line.end[index] - line.start[index]);
}

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

bool makeRecord(const char* data, const Cleaner::Line& line, const Columns& columns, const ResultsFileRules& rules,
                const DateReader& dates, PackedRecord& record) {
  std::string_view size = fieldOf(data, line, columns.size);
  std::string_view date = fieldOf(data, line, columns.date);
  std::string_view path = fieldOf(data, line, columns.path);
  std::string_view splitPath = withoutFinalBackslash(path);
  if (rules.useIgnoreList) {
    std::string_view extension = extensionOf(splitPath);
    // A result without an extension names nothing to ignore.
    if (!extension.empty() && rules.ignoreList.find(extension) != std::string::npos) return false;
  }
  size_t base = static_cast<size_t>(path.data() - data);
  record.setBase(base);
  if (path.size() <= kLongestPath || common::utf8Characters(path) <= kLongestPath) {
    size_t separator = splitPath.find_last_of("\\:");
    size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    std::string_view name = splitPath.substr(nameStart);
    record.folderLength = static_cast<uint16_t>(common::utf8BytesForCharacters(path.substr(0, nameStart), kFolderCapacity));
    record.nameOffset = static_cast<uint32_t>(nameStart);
    record.nameLength = static_cast<uint16_t>(common::utf8BytesForCharacters(name, kNameCapacity));
  }
  size_t sizeLength = common::utf8BytesForCharacters(size, kSizeTextCapacity);
  size_t dateLength = common::utf8BytesForCharacters(date, kDateTextCapacity);
  if (!relativeOffset(size.data(), data + base, record.sizeOffset)) sizeLength = 0;
  if (!relativeOffset(date.data(), data + base, record.dateOffset)) dateLength = 0;
  record.sizeLength = static_cast<uint8_t>(sizeLength);
  record.dateLength = static_cast<uint8_t>(dateLength);
  record.sizeValue = common::readNumber64(size.substr(0, sizeLength));
  // A final backslash makes a folder whatever the size says: newer clients write
  // folder sizes when the engine indexes them.
  bool folder = rules.foldersOnly || (!path.empty() && path.back() == '\\') || (columns.hasSize && sizeLength == 0);
  record.flags = folder ? PackedRecord::kFolderFlag : 0;
  bool seconds = false;
  bool time = false;
  if (dates.read(date.substr(0, dateLength), record.dateKey, seconds, time)) {
    record.flags |= PackedRecord::kDateParsedFlag;
    if (seconds) record.flags |= PackedRecord::kSecondsFlag;
    if (time) record.flags |= PackedRecord::kTimeFlag;
  }
  return true;
}

}  // namespace

ReadResults readResultsText(common::PageBuffer bytes, const ResultsFileRules& rules) {
  size_t begin = common::startsWith(bytes.view(), "\xEF\xBB\xBF") ? 3 : 0;
  if (!common::isValidUtf8(bytes.view().substr(begin))) {
    std::string rest(bytes.view().substr(begin));
    bytes = common::PageBuffer::copyOf(rules.ansiToUtf8 ? rules.ansiToUtf8(rest) : rest);
    begin = 0;
  }
  std::string_view text = bytes.view();
  size_t end = text.size();
  while (begin < end && isLineBreak(text[begin])) ++begin;
  while (end > begin && isLineBreak(text[end - 1])) --end;

  size_t headerEnd = findLineEnd(text, begin, end);
  std::string header = common::asciiLower(text.substr(begin, headerEnd - begin));
  header.erase(std::remove(header.begin(), header.end(), '\r'), header.end());
  Columns columns = columnsFromHeader(header);
  int lastField = std::min(columns.last(), kMaxFields - 1);
  int pathField = columns.path < kMaxFields ? columns.path : -1;
  DateReader dates(rules.dateFormat);

  ReadResults result;
  // Room for a record per 40 bytes: capacity that is never written costs nothing,
  // and a file of shorter lines only makes the list grow once or twice.
  result.records.reserve((end - begin) / 40 + 16);
  Cleaner cleaner(bytes, rules);
  Cleaner::Line line;
  for (size_t at = headerEnd < end ? nextLine(text, headerEnd) : end; headerEnd < end;) {
    size_t lineEnd = cleaner.clean(at, end, lastField, pathField, line);
    PackedRecord record;
    if (lineEnd > at && !line.empty && makeRecord(cleaner.data(), line, columns, rules, dates, record))
      result.records.push_back(record);
    else
      cleaner.rewind(line.begin);
    if (lineEnd >= end) break;
    at = nextLine(text, lineEnd);
  }
  result.text = cleaner.take();
  return result;
}

ReadResults readResultsText(std::string_view bytes, const ResultsFileRules& rules) {
  return readResultsText(common::PageBuffer::copyOf(bytes), rules);
}

}  // namespace findaro
