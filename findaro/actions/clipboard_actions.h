#pragma once
// Results and the search term on the clipboard: the selected file as the file
// manager pastes it, the whole result as text, and the search box's own copy,
// cut and paste that say what they did.
#include <string>
#include <string_view>

namespace findaro {

struct Finder;
class Locale;

// The drop-files block for one path: a 20-byte header (list offset 20, drop
// point 0, 0, not in the non-client area, wide characters), then the path in
// UTF-16 and two NUL characters.
std::string dropFilesBlock(const std::string& path);
void putFileOnClipboard(Finder& finder, const std::string& path);

// The bytes the search client wrote, as text: UTF-8 as it is (without a byte
// order mark), anything else taken in the system's code page.
std::string resultsFileText(std::string_view bytes, Locale& locale);

void copySelectedFile(Finder& finder);
void copyResultsFile(Finder& finder);
// The search box's selection (or all of it), or the selected row's folder when
// the list has the focus; false when nothing was copied.
bool copySearchText(Finder& finder);
void cutSearchText(Finder& finder);
void pasteSearchText(Finder& finder);

}  // namespace findaro
