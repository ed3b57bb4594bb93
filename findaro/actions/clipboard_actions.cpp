#include "findaro/actions/clipboard_actions.h"

#include <new>

#include "common/text.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

constexpr const char* kResultsFile = "results.txt";

void appendLittleEndian32(std::string& bytes, unsigned value) {
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string dropFilesBlock(const std::string& path) {
  std::string block;
  appendLittleEndian32(block, 20);  // where the list starts
  appendLittleEndian32(block, 0);   // drop point x
  appendLittleEndian32(block, 0);   // drop point y
  appendLittleEndian32(block, 0);   // not dropped on a non-client area
  appendLittleEndian32(block, 1);   // the names are wide characters
  for (char16_t unit : common::utf8ToUtf16(path)) {
    block += static_cast<char>(unit & 0xFF);
    block += static_cast<char>(unit >> 8);
  }
  block.append(4, '\0');  // the path's terminator, then the list's
  return block;
}

void putFileOnClipboard(Finder& finder, const std::string& path) { finder.clipboard.setFileDrop(dropFilesBlock(path)); }

std::string resultsFileText(std::string_view bytes, Locale& locale) {
  if (common::startsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (common::isValidUtf8(bytes)) return std::string(bytes);
  return locale.ansiToUtf8(std::string(bytes));
}

void copySelectedFile(Finder& finder) {
  int row = finder.list.selectedRow();
  if (row < 1 || row > finder.results.count()) {
    speak(finder, "No Selection");
    return;
  }
  RecordView record = finder.results.at(row);
  std::string path = common::trimBlanks(std::string(record.Folder) + std::string(record.Name));
  if (!finder.files.fileExists(path)) {
    speak(finder, std::string(record.Name) + " is not a file");
    return;
  }
  putFileOnClipboard(finder, path);
  speak(finder, "Copying File " + path);
}

void copyResultsFile(Finder& finder) {
  std::optional<common::PageBuffer> bytes;
  std::string text;
  try {
    if (finder.files.fileExists(kResultsFile)) bytes = finder.files.readLargeFile(kResultsFile);
    if (bytes) text = resultsFileText(bytes->view(), finder.locale);
  } catch (const std::bad_alloc&) {
    speak(finder, "Too Many Results");
    return;
  }
  if (!bytes) {
    speak(finder, "Search Results not Found");
    return;
  }
  bytes.reset();
  finder.clipboard.setText(text);
  speak(finder, "Search Results Copied to Clipboard");
}

bool copySearchText(Finder& finder) {
  Focus focus = finder.window.focus();
  if (focus == Focus::SearchBox) {
    std::string text = finder.searchBox.selectedText();
    std::string description = "Selection from Search String ";
    if (text.empty()) {
      text = finder.searchBox.text();
      description = "Entire Search String ";
    }
    finder.clipboard.setText(text);
    speak(finder, description + " Was Copied");
    return true;
  }
  if (focus == Focus::ResultsList) {
    int row = finder.list.selectedRow();
    if (row < 1 || row > finder.results.count()) return false;
    finder.clipboard.setText(std::string(finder.results.at(row).Folder));
    speak(finder, "Path Copied");
    return true;
  }
  return false;
}

void cutSearchText(Finder& finder) {
  if (finder.window.focus() != Focus::SearchBox) {
    speak(finder, "Cut Option not Available");
    return;
  }
  if (finder.searchBox.selectedText().empty()) {
    speak(finder, "No Selection");
    return;
  }
  finder.searchBox.cut();
  speak(finder, "Selection Cut");
}

void pasteSearchText(Finder& finder) {
  if (finder.window.focus() != Focus::SearchBox) {
    speak(finder, "Paste Option not Available");
    return;
  }
  std::optional<std::string> text = finder.clipboard.text();
  if (!text || text->empty()) {
    speak(finder, "No Text On Clipboard");
    return;
  }
  finder.searchBox.paste();
  speak(finder, "Clipboard Pasted");
}

}  // namespace findaro
