#include "findaro/search/result_cells.h"

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/core/finder.h"
#include "findaro/search/result_records.h"

namespace findaro {

std::string formatSize(const Finder& finder, const ResultRecord& record) {
  long long size = record.SizeValue;
  if (finder.settings.UseKB == 0) return common::groupThousands(size) + " bytes";
  long long kilo = size / 1000;
  long long rest = size % 1000;
  if (rest > 500 || (rest == 500 && kilo % 2 != 0)) ++kilo;
  if (rest < -500 || (rest == -500 && kilo % 2 != 0)) --kilo;
  if (kilo == 0 && size > 0) kilo = 1;  // a small file never shows as 0
  return common::groupThousands(kilo) + " KB";
}

std::string shortenFolder(const std::string& folder) {
  if (folder.empty()) return {};
  std::string withSlash = common::endsWith(folder, "\\") ? folder : folder + "\\";
  std::vector<std::string> pieces = common::split(withSlash, "\\");
  // Fewer than three levels would only repeat themselves around the dots.
  if (pieces.size() < 4) return folder;
  return pieces[0] + "\\" + pieces[1] + "\\...\\" + pieces[pieces.size() - 2];
}

std::string cellText(const Finder& finder, int row, int column) {
  if (row < 1 || row > finder.results.count()) return {};
  const ResultRecord& r = finder.results.at(row);
  const Settings& s = finder.settings;
  switch (column) {
    case 1:
      return r.IsFolder != 0 ? "(f) " + r.Name : r.Name;
    case 2:
      return s.ShortPath != 0 ? shortenFolder(r.Folder) : r.Folder;
    case 3:
      return s.EnableTime != 0 ? r.DateText : r.DateText.substr(0, r.DateText.find(' '));
    case 4:
      if (r.IsFolder == 1 || r.Name == kPlaceholderName || r.Name == kLoadingName) return {};
      return formatSize(finder, r);
    default:
      return {};
  }
}

std::string statusText(const Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return {};
  const ResultRecord& r = finder.results.at(row);
  return "  " + common::plainNumber(row) + "  " + r.Name + "  " + common::trimBlanks(r.DateText) + "  " +
         common::trimBlanks(r.SizeText) + "  " + r.Folder;
}

int rowImage(const Finder& finder, int row) {
  if (row < 1 || row > finder.results.count()) return -1;
  return finder.results.at(row).IsFolder != 0 ? 0 : -1;
}

}  // namespace findaro
