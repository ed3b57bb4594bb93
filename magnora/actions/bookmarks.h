#pragma once
// The Show BookMarks button: one large-print page of every bookmark in the two
// common browsers' default profiles, opened with the default handler.
#include <string>
#include <string_view>

#include "magnora/state/bar.h"

namespace magnora {

constexpr const char* kBookmarksPage = "pagelume_bookmarks.htm";

struct BookmarkStores {
  std::string chrome;
  std::string edge;
};

// Both stores' paths beside the folder that holds LocalAppData.
BookmarkStores bookmarkStorePaths(std::string_view localAppData);

// "&", "<", ">" and the double quote as character references, so that what a
// bookmark is called cannot become markup in the page.
std::string escapeHtml(std::string_view text);

// The page's text from the two stores' bytes: each "name" line names the links
// that follow it, each "url" line is one link.
std::string bookmarksPage(std::string_view chromeStore, std::string_view edgeStore);

void showBookmarks(Bar& bar);

}  // namespace magnora
