#pragma once
// The records behind the results list: one per match, numbered from 1, never
// fewer than one (the placeholder "<empty>" when nothing was found).
//
// A search may bring a million matches, so the records do not own strings: all
// texts live in one buffer (the results file after its clean-up), and a record is
// a few offsets and lengths, 24 bytes in all.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_format.h"
#include "common/page_memory.h"
#include "findaro/records/date_key.h"

namespace findaro {

constexpr const char* kPlaceholderName = "<empty>";
constexpr const char* kLoadingName = "Loading ...";

// Capacities of the record's text fields, in characters.
constexpr size_t kNameCapacity = 259;
constexpr size_t kFolderCapacity = 259;
constexpr size_t kDateTextCapacity = 31;
constexpr size_t kSizeTextCapacity = 31;

// A record as the rest of the program reads it.
struct RecordView {
  std::string_view Name;
  std::string_view Folder;
  std::string_view DateText;
  std::string_view SizeText;
  long long SizeValue = 0;
  int IsFolder = 0;
};

// A record given whole, as the lists and the tests give them.
struct ResultRecord {
  std::string Name;
  std::string Folder;
  std::string DateText;
  std::string SizeText;
  long long SizeValue = 0;
  int IsFolder = 0;
};

// The packed form: offsets into the text buffer. A plain size (digits only, as
// the client writes a file's size) is kept as its number where its offset would
// be, so that a size cell or a sort by size never waits for the text; the date's
// key is read from its text when asked for.
struct PackedRecord {
  uint32_t pathLow;      // where the path starts (low 32 bits)
  uint8_t pathHigh;      // and its high 8 bits: buffers up to 1 TB
  uint8_t flags;         // kFolderFlag, kSizeKeptFlag
  uint8_t sizeLength;
  uint8_t dateLength;
  int32_t sizeOffset;    // relative to the path's start; with kSizeKeptFlag the size's low 32 bits
  int32_t dateOffset;
  uint16_t folderLength; // the folder is the path's start
  uint16_t nameLength;
  uint16_t nameOffset;   // relative to the path's start
  uint8_t sizeHigh;      // with kSizeKeptFlag: the size's bits 32 to 39
  int8_t sizeFromDate;   // with kSizeKeptFlag: where the size's text starts, from the date's

  static constexpr uint8_t kFolderFlag = 1;
  static constexpr uint8_t kSizeKeptFlag = 2;

  uint64_t base() const { return (static_cast<uint64_t>(pathHigh) << 32) | pathLow; }
  void setBase(uint64_t offset) {
    pathLow = static_cast<uint32_t>(offset);
    pathHigh = static_cast<uint8_t>(offset >> 32);
  }
  bool sizeKept() const { return (flags & kSizeKeptFlag) != 0; }
  uint64_t keptSize() const { return (static_cast<uint64_t>(sizeHigh) << 32) | static_cast<uint32_t>(sizeOffset); }
  // Where the size's text starts, relative to the path's start.
  int64_t sizeTextOffset() const {
    return sizeKept() ? static_cast<int64_t>(dateOffset) + sizeFromDate : static_cast<int64_t>(sizeOffset);
  }
  // With sizeOffset, sizeLength and dateOffset set: keeps the size's number
  // instead of its offset when its text is plain digits near the date's text.
  void keepPlainSize(std::string_view sizeText);
};
static_assert(sizeof(PackedRecord) == 24, "a record stays small: a million of them are routine");
// A character takes at most four bytes (a stray byte counts as one character), so
// a field cut at its capacity always fits its length; a name starts within a path
// of at most 260 characters.
static_assert(4 * kSizeTextCapacity <= UINT8_MAX && 4 * kDateTextCapacity <= UINT8_MAX, "8-bit lengths");
static_assert(4 * kNameCapacity <= UINT16_MAX && 4 * kFolderCapacity <= UINT16_MAX, "16-bit lengths");
static_assert(4 * 260 <= UINT16_MAX, "16-bit name offsets");

using PackedRecords = std::vector<PackedRecord, common::PageAllocator<PackedRecord>>;

class ResultRecords {
 public:
  ResultRecords() { resetToPlaceholder(); }
  ResultRecords(const ResultRecords& other)
      : text_(other.text_.clone()), records_(other.records_), order_(other.order_), dates_(other.dates_) {}
  ResultRecords& operator=(const ResultRecords& other) {
    if (this != &other) {
      text_ = other.text_.clone();
      records_ = other.records_;
      order_ = other.order_;
      dates_ = other.dates_;
    }
    return *this;
  }
  ResultRecords(ResultRecords&&) noexcept = default;
  ResultRecords& operator=(ResultRecords&&) noexcept = default;

  int count() const { return static_cast<int>(records_.size()); }
  RecordView at(int row) const;  // row from 1
  // One field of a row, for the list's cells: a row's other fields stay untouched.
  std::string_view name(int row) const { return nameOf(packed(row)); }
  std::string_view folder(int row) const { return folderOf(packed(row)); }
  std::string_view dateText(int row) const {
    const PackedRecord& p = packed(row);
    return std::string_view(text_.data() + p.base() + p.dateOffset, p.dateLength);
  }
  std::string_view sizeText(int row) const { return sizeOf(packed(row)); }
  // The size as a number: what its text reads as.
  long long sizeValue(int row) const { return sizeValueOf(packed(row)); }
  bool isFolder(int row) const { return (packed(row).flags & PackedRecord::kFolderFlag) != 0; }
  // The sortable date: year/month/day, a blank, the 24-hour time.
  std::string dateKeyText(int row) const;
  // The date as yyyymmddhhmmss, 0 when its text is not a date.
  uint64_t dateKey(int row) const;

  // One record with only a name (the placeholder, "Loading ...").
  void resetToSingle(const std::string& name);
  void resetToPlaceholder() { resetToSingle(kPlaceholderName); }
  bool isPlaceholder() const;
  // Whole records; none gives the placeholder.
  void assign(const std::vector<ResultRecord>& records);
  // Records read from the results file, with the buffer their texts live in and
  // the system's date forms, in which their dates are read.
  void adopt(common::PageBuffer text, PackedRecords records, const DateFormat& dates = DateFormat());

  // Sorts by column 1 name, 2 folder, 3 date, 4 size; other columns sort nothing.
  void sortByColumn(int column, bool descending);

  const PackedRecord& packed(int row) const { return records_[storageIndex(row)]; }
  size_t memoryBytes() const {
    return text_.capacity() + records_.capacity() * sizeof(PackedRecord) + order_.capacity() * sizeof(uint32_t);
  }

 private:
  // Sorting orders the rows, not the records: row r shows record order_[r - 1]
  // (the file's order while nothing has been sorted).
  size_t storageIndex(int row) const {
    return order_.empty() ? static_cast<size_t>(row - 1) : order_[static_cast<size_t>(row - 1)];
  }
  std::string_view nameOf(const PackedRecord& p) const {
    return std::string_view(text_.data() + p.base() + p.nameOffset, p.nameLength);
  }
  std::string_view folderOf(const PackedRecord& p) const {
    return std::string_view(text_.data() + p.base(), p.folderLength);
  }
  std::string_view sizeOf(const PackedRecord& p) const {
    return std::string_view(text_.data() + p.base() + p.sizeTextOffset(), p.sizeLength);
  }
  long long sizeValueOf(const PackedRecord& p) const {
    return p.sizeKept() ? static_cast<long long>(p.keptSize()) : common::readNumber64(sizeOf(p));
  }

  uint64_t dateKeyOf(const PackedRecord& p) const;

  common::PageBuffer text_;
  PackedRecords records_;
  std::vector<uint32_t, common::PageAllocator<uint32_t>> order_;
  DateReader dates_;
};

// The date key as the older reader made it from the text alone: the last 4
// characters of the first word, "/", its first 5 characters, " ", the second word.
std::string literalDateKey(std::string_view dateText);

}  // namespace findaro
