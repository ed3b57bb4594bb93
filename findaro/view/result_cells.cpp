#include "findaro/view/result_cells.h"

#include <emmintrin.h>

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

// A bit for every backslash of a text of at most 64 bytes.
uint64_t backslashes(std::string_view text) {
  alignas(16) char bytes[64] = {};
  std::memcpy(bytes, text.data(), text.size());
  uint64_t mask = 0;
  const __m128i backslash = _mm_set1_epi8('\\');
  for (int i = 0; i < 4; ++i) {
    __m128i chunk = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
    mask |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, backslash))))
            << (16 * i);
  }
  return mask;
}

// The folder as shortenFolder gives it, added to out.
void appendShortFolder(std::string& out, std::string_view folder) {
  if (folder.empty()) return;
  // Most folders fit 64 bytes: their backslashes are found all at once, with no
  // branch on each byte, which a list of a million rows, rarely in the cache,
  // pays for in waiting.
  if (folder.size() <= 64) {
    bool finalBackslash = folder.back() == '\\';
    uint64_t mask = backslashes(folder);
    // One final backslash is assumed, and not counted.
    if (finalBackslash) mask &= ~(uint64_t{1} << (folder.size() - 1));
    uint64_t afterFirst = mask & (mask - 1);
    // Fewer than three levels would only repeat themselves around the dots.
    if (afterFirst == 0) {
      out.append(folder);
      return;
    }
    size_t second = static_cast<size_t>(__builtin_ctzll(afterFirst));
    size_t last = 63 - static_cast<size_t>(__builtin_clzll(mask));
    size_t end = folder.size() - (finalBackslash ? 1 : 0);
    out.append(folder.data(), second);
    out.append("\\...\\", 5);
    out.append(folder.data() + last + 1, end - last - 1);
    return;
  }
  // Pieces between backslashes, with one final backslash assumed: the first two
  // pieces, "\...\" and the last piece.
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

}  // namespace

std::string shortenFolder(std::string_view folder) {
  std::string out;
  appendShortFolder(out, folder);
  return out;
}

namespace {

// A row of a million is rarely in the cache: its text is asked for as soon as
// the record says where it is, and the string it goes into is made meanwhile.
std::string copyOf(std::string_view text, size_t room = 0) {
  __builtin_prefetch(text.data());
  std::string out;
  out.reserve(text.size() + room);
  return out.append(text);
}

}  // namespace

std::string cellText(const Finder& finder, int row, int column) {
  const ResultRecords& results = finder.results;
  if (row < 1 || row > results.count()) return {};
  const Settings& s = finder.settings;
  switch (column) {
    case 1: {
      std::string_view name = results.name(row);
      if (!results.isFolder(row)) return std::string(name);
      __builtin_prefetch(name.data());
      std::string text;
      text.reserve(4 + name.size());
      return text.append("(f) ").append(name);
    }
    case 2: {
      std::string_view folder = results.folder(row);
      if (s.ShortPath == 0) return copyOf(folder);
      __builtin_prefetch(folder.data());
      __builtin_prefetch(folder.data() + folder.size());
      std::string text;
      text.reserve(folder.size() + 5);
      appendShortFolder(text, folder);
      return text;
    }
    case 3: {
      std::string_view date = results.dateText(row);
      return copyOf(s.EnableTime != 0 ? date : date.substr(0, date.find(' ')));
    }
    case 4: {
      // Only the placeholder and "Loading ..." stand alone, and no file is named so.
      if (results.isFolder(row) || (results.count() == 1 && (results.name(1) == kPlaceholderName ||
                                                              results.name(1) == kLoadingName)))
        return {};
      RecordView size;
      size.SizeValue = common::readNumber64(results.sizeText(row));
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
