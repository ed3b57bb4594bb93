#include "findaro/view/result_cells.h"

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/records/result_records.h"
#include "findaro/state/finder.h"

namespace findaro {

std::string formatSize(const Finder& finder, const RecordView& record) {
  long long size = record.SizeValue;
  if (finder.settings.UseKB == 0) return common::groupThousands(size) + " bytes";
  long long kilo = size / 1000;
  long long rest = size % 1000;
  if (rest > 500 || (rest == 500 && kilo % 2 != 0)) ++kilo;
  if (rest < -500 || (rest == -500 && kilo % 2 != 0)) --kilo;
  if (kilo == 0 && size > 0) kilo = 1;  // a small file never shows as 0
  return common::groupThousands(kilo) + " KB";
}

std::string shortenFolder(std::string_view folder) {
  if (folder.empty()) return {};
  // Pieces between backslashes, with one final backslash assumed: the first two
  // pieces, "\...\" and the last piece.
  std::string_view path = common::endsWith(folder, "\\") ? folder.substr(0, folder.size() - 1) : folder;
  size_t first = path.find('\\');
  if (first == std::string_view::npos) return std::string(folder);
  size_t second = path.find('\\', first + 1);
  size_t last = path.rfind('\\');
  // Fewer than three levels would only repeat themselves around the dots.
  if (second == std::string_view::npos) return std::string(folder);
  std::string out;
  out.reserve(second + 5 + path.size() - last);
  out.append(path.substr(0, second));
  out.append("\\...\\");
  out.append(path.substr(last + 1));
  return out;
}

std::string cellText(const Finder& finder, int row, int column) {
  const ResultRecords& results = finder.results;
  if (row < 1 || row > results.count()) return {};
  const Settings& s = finder.settings;
  switch (column) {
    case 1: {
      std::string_view name = results.name(row);
      if (!results.isFolder(row)) return std::string(name);
      std::string text;
      text.reserve(4 + name.size());
      return text.append("(f) ").append(name);
    }
    case 2:
      return s.ShortPath != 0 ? shortenFolder(results.folder(row)) : std::string(results.folder(row));
    case 3: {
      std::string_view date = results.dateText(row);
      return std::string(s.EnableTime != 0 ? date : date.substr(0, date.find(' ')));
    }
    case 4: {
      RecordView r = results.at(row);
      if (r.IsFolder == 1 || r.Name == kPlaceholderName || r.Name == kLoadingName) return {};
      return formatSize(finder, r);
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
