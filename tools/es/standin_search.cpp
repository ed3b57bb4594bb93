#include "tools/es/standin_search.h"

#include "tools/es/result_order.h"
#include "tools/es/word_match.h"

namespace standin {

std::string searchToCsv(const Query& query, const std::vector<std::string>& roots, FolderSource& source,
                        const LocalTimeOf& localTime) {
  Matcher matcher(query);
  ResultSet results(query.sort, query.limit);
  walkFolders(source, roots, matcher, results);
  Columns columns{query.sizeColumn, query.dateModifiedColumn};
  std::string csv = csvHeader(columns);
  for (const Entry& entry : results.take()) {
    appendCsvLine(csv, columns, entry, columns.dateModified ? localTime(entry.modified) : CivilTime{});
  }
  return csv;
}

}  // namespace standin
