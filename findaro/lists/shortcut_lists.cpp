#include "findaro/lists/shortcut_lists.h"

#include "findaro/lists/actions_list.h"
#include "findaro/lists/settings_list.h"
#include "findaro/state/finder.h"

namespace findaro {

void fillShortcutList(Finder& finder, const std::vector<std::string>& rows) {
  finder.list.deleteAllItems();
  setShownRows(finder, rows);
  finder.list.setItemCount(finder.results.count());
  finder.list.selectRow(1);
  finder.list.focus();
}

void setShownRows(Finder& finder, const std::vector<std::string>& rows) {
  std::vector<ResultRecord> records(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) records[i].Name = rows[i];
  finder.results.assign(records);
}

std::vector<std::string> shownRows(const Finder& finder) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<size_t>(finder.results.count()));
  for (int row = 1; row <= finder.results.count(); ++row) rows.emplace_back(finder.results.at(row).Name);
  return rows;
}

bool shortcutListShown(const Finder& finder) { return settingsListShown(finder) || actionsListShown(finder); }

}  // namespace findaro
