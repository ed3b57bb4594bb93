#pragma once
// The result lines in the layout of the engine client's older releases: size
// first, path last, every line ended with CR LF.
#include <string>
#include <string_view>

#include "tools/es/result_order.h"

namespace standin {

struct Columns {
  bool size = false;
  bool dateModified = false;
};

// A moment of local time, broken down.
struct CivilTime {
  int year = 1601;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// MM/DD/YYYY HH:MM, 24-hour.
std::string formatDateModified(const CivilTime& time);

// In double quotes, a quote inside doubled.
std::string quoteField(std::string_view text);

std::string csvHeader(Columns columns);
// A folder's size field stays empty.
void appendCsvLine(std::string& out, Columns columns, const Entry& entry, const CivilTime& modified);

}  // namespace standin
