#include "magnora/actions/bookmarks.h"

#include "common/number_format.h"
#include "common/text.h"

namespace magnora {
namespace {

std::string withoutQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '"') out += c;
  return out;
}

// The line from a 1-based position to its end; empty when the line is shorter.
std::string_view from(std::string_view line, size_t position) {
  return line.size() >= position ? line.substr(position - 1) : std::string_view();
}

}  // namespace

BookmarkStores bookmarkStorePaths(std::string_view localAppData) {
  size_t last = localAppData.find_last_of("\\:");
  std::string parent(last == std::string_view::npos ? std::string_view() : localAppData.substr(0, last + 1));
  return {parent + "local\\google\\chrome\\user data\\default\\bookmarks",
          parent + "local\\microsoft\\edge\\user data\\default\\bookmarks"};
}

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string bookmarksPage(std::string_view chromeStore, std::string_view edgeStore) {
  std::string combined = withoutQuotes(chromeStore) + "\r\n\r\n" + withoutQuotes(edgeStore);
  std::string name;
  std::string links;
  int count = 0;
  for (const std::string& raw : common::split(combined, "\r\n")) {
    std::string line = common::trimBlanks(raw);
    std::string_view view = line;
    if (view.substr(0, 4) == "name") {
      name = std::string(from(view, 7));
    } else if (view.substr(0, 3) == "url") {
      ++count;
      links += "<a href=\"" + escapeHtml(from(view, 6)) + "\"><b>" + escapeHtml(name) + "</b></a><p>\r\n";
    }
  }
  return "<html><body><h1>Bookmarks (" + common::plainNumber(count) + ")</h1><font size=5>\r\n" + links +
         "\r\n</font></body></html>\r\n";
}

void showBookmarks(Bar& bar) {
  BookmarkStores stores = bookmarkStorePaths(bar.system.environmentVariable("LocalAppData"));
  std::string page = bookmarksPage(bar.system.readFile(stores.chrome).value_or(""),
                                   bar.system.readFile(stores.edge).value_or(""));
  std::string path = bar.system.programFolder() + kBookmarksPage;
  bar.system.writeFile(path, page);
  bar.system.openDocument(path);
}

}  // namespace magnora
