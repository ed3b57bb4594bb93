#pragma once
// The texts a result row shows: the list's cells, the size and folder forms, the
// status-bar line.
#include <string>
#include <string_view>

namespace findaro {

struct Finder;
struct RecordView;

// Column 1 name, 2 folder, 3 date, 4 size, of row r (from 1).
std::string cellText(const Finder& finder, int row, int column);
std::string formatSize(const Finder& finder, const RecordView& record);
std::string shortenFolder(std::string_view folder);
std::string statusText(const Finder& finder, int row);
// The list's row picture: 0 (the folder icon) for a folder row, -1 for none.
int rowImage(const Finder& finder, int row);

}  // namespace findaro
