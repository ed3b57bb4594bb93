#include "tools/es/csv_output.h"

#include <cstdio>

namespace standin {

std::string formatDateModified(const CivilTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d", time.month, time.day, time.year, time.hour,
                time.minute);
  return text;
}

std::string quoteField(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  out += '"';
  return out;
}

std::string csvHeader(Columns columns) {
  std::string header;
  if (columns.size) header += "Size,";
  if (columns.dateModified) header += "Date Modified,";
  header += "Filename\r\n";
  return header;
}

void appendCsvLine(std::string& out, Columns columns, const Entry& entry, const CivilTime& modified) {
  if (columns.size) {
    if (!entry.isFolder()) out += std::to_string(entry.size);
    out += ',';
  }
  if (columns.dateModified) {
    out += formatDateModified(modified);
    out += ',';
  }
  out += quoteField(entry.path);
  out += "\r\n";
}

}  // namespace standin
