#include "findaro/view/result_cells.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/records/result_records.h"
#include "findaro/state/finder.h"

namespace findaro {

namespace {

// The number with a comma between groups of three digits, and its unit, made in
// place: a list of a million rows asks for many of these.
std::string groupedWithUnit(long long value, const char* unit) {
  char buffer[48];
  char* end = buffer + sizeof buffer;
  char* p = end;
  unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  int digits = 0;
  do {
    if (digits > 0 && digits % 3 == 0) *--p = ',';
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    ++digits;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  std::string out;
  size_t unitLength = std::strlen(unit);
  out.reserve(static_cast<size_t>(end - p) + unitLength);
  return out.append(p, static_cast<size_t>(end - p)).append(unit, unitLength);
}

}  // namespace

std::string formatSize(const Finder& finder, const RecordView& record) {
  long long size = record.SizeValue;
  if (finder.settings.UseKB == 0) return groupedWithUnit(size, " bytes");
  long long kilo = size / 1000;
  long long rest = size % 1000;
  if (rest > 500 || (rest == 500 && kilo % 2 != 0)) ++kilo;
  if (rest < -500 || (rest == -500 && kilo % 2 != 0)) --kilo;
  if (kilo == 0 && size > 0) kilo = 1;  // a small file never shows as 0
  return groupedWithUnit(kilo, " KB");
}

namespace {

// Pieces between backslashes, with one final backslash assumed: the first two
// pieces, "\...\" and the last piece.
void appendShortFolder(std::string& out, std::string_view folder) {
  std::string_view path = common::endsWith(folder, "\\") ? folder.substr(0, folder.size() - 1) : folder;
  size_t first = path.find('\\');
  size_t second = first == std::string_view::npos ? first : path.find('\\', first + 1);
  // Fewer than three levels would only repeat themselves around the dots.
  if (second == std::string_view::npos) {
    out.append(folder);
    return;
  }
  size_t last = path.rfind('\\');
  out.append(path.substr(0, second));
  out.append("\\...\\");
  out.append(path.substr(last + 1));
}

// The cells of a list of a million rows. A row asked for is rarely in the cache:
// its record, then its text, are waited for. The copies below read a field of
// the results text in whole blocks past its end (the buffer allows it), with no
// branch on its bytes and no call whose work depends on its length, so that the
// processor can go on to the next row while it waits.
template <size_t N>
std::string blockCopy(const char* text, size_t length) {
  std::string out(text, N);
  out.resize(length);
  return out;
}

// A field of the results text, copied.
std::string fieldCopy(std::string_view field) {
  const size_t n = field.size();
  if (n == 0) return {};
  if (n <= 15) return blockCopy<15>(field.data(), n);
  if (n <= 32) return blockCopy<32>(field.data(), n);
  return std::string(field);
}

// A bit for every backslash among the first 64 bytes of a field.
uint64_t backslashes(const char* field) {
  uint64_t mask = 0;
  const __m128i backslash = _mm_set1_epi8('\\');
  for (int i = 0; i < 4; ++i) {
    __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field + 16 * i));
    mask |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, backslash))))
            << (16 * i);
  }
  return mask;
}

// The folder column's text of a folder field, as shortenFolder gives it.
std::string shortFolderField(std::string_view folder) {
  const size_t n = folder.size();
  if (n == 0 || n > 64) return shortenFolder(folder);
  uint64_t mask = backslashes(folder.data());
  if (n < 64) mask &= (uint64_t{1} << n) - 1;
  // One final backslash is assumed, and not counted.
  const bool finalBackslash = ((mask >> (n - 1)) & 1) != 0;
  if (finalBackslash) mask &= ~(uint64_t{1} << (n - 1));
  const uint64_t afterFirst = mask & (mask - 1);
  // Fewer than three levels would only repeat themselves around the dots.
  if (afterFirst == 0) return fieldCopy(folder);
  const size_t second = static_cast<size_t>(__builtin_ctzll(afterFirst));
  const size_t last = 63 - static_cast<size_t>(__builtin_clzll(mask));
  const size_t end = n - (finalBackslash ? 1 : 0);
  // The folder's 64 bytes, the dots at the second backslash, the last level's
  // 64 bytes after them; then cut to the length.
  std::string out(folder.data(), 64 + 5 + 64);
  std::memcpy(&out[second], "\\...\\", 5);
  std::memcpy(&out[second + 5], folder.data() + last + 1, 64);
  out.resize(second + 5 + (end - last - 1));
  return out;
}

// Where a date's first blank is (its length when it has none).
size_t firstBlank(std::string_view date) {
  if (date.size() > 32) return std::min(date.find(' '), date.size());
  const __m128i blank = _mm_set1_epi8(' ');
  uint64_t mask = static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(
                      _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(date.data())), blank)))) |
                  static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                      _mm_loadu_si128(reinterpret_cast<const __m128i*>(date.data() + 16)), blank))))
                      << 16;
  // The bytes past its end are no blanks of its own; its end stands for one.
  mask = (mask & ((uint64_t{1} << date.size()) - 1)) | (uint64_t{1} << date.size());
  return static_cast<size_t>(__builtin_ctzll(mask));
}

}  // namespace

std::string shortenFolder(std::string_view folder) {
  std::string out;
  appendShortFolder(out, folder);
  return out;
}

std::string cellText(const Finder& finder, int row, int column) {
  const ResultRecords& results = finder.results;
  if (row < 1 || row > results.count()) return {};
  const Settings& s = finder.settings;
  switch (column) {
    case 1: {
      std::string_view name = results.name(row);
      if (!results.isFolder(row)) return fieldCopy(name);
      std::string text;
      text.reserve(4 + name.size());
      return text.append("(f) ").append(name);
    }
    case 2: {
      std::string_view folder = results.folder(row);
      return s.ShortPath == 0 ? fieldCopy(folder) : shortFolderField(folder);
    }
    case 3: {
      std::string_view date = results.dateText(row);
      return fieldCopy(s.EnableTime != 0 || date.empty() ? date : date.substr(0, firstBlank(date)));
    }
    case 4: {
      // Only the placeholder and "Loading ..." stand alone, and no file is named so.
      if (results.isFolder(row) || (results.count() == 1 && (results.name(1) == kPlaceholderName ||
                                                              results.name(1) == kLoadingName)))
        return {};
      RecordView size;
      size.SizeValue = results.sizeValue(row);
      return formatSize(finder, size);
    }
    default:
      return {};
  }
}

std::string statusText(const Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return {};
  RecordView r = finder.results.at(row);
  std::string text = "  " + common::plainNumber(row) + "  ";
  text += r.Name;
  text += "  " + common::trimBlanks(r.DateText) + "  " + common::trimBlanks(r.SizeText) + "  ";
  text += r.Folder;
  return text;
}

int rowImage(const Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return -1;
  return finder.results.at(row).IsFolder != 0 ? 0 : -1;
}

}  // namespace findaro
