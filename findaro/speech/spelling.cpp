#include "findaro/speech/spelling.h"

#include <string_view>

#include "common/text.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/result_cells.h"

namespace findaro {
namespace {

std::string spellingPiece(std::string_view character) {
  if (character == "*") return " asterisk : ";
  if (character == "?") return " question mark : ";
  if (character == "\\") return " backslash : ";
  if (character == ":") return " colon : ";
  if (character == ".") return " period : ";
  if (character == ",") return " comma : ";
  if (character == "_") return " underscore : ";
  if (character == "-") return " dash : ";
  if (character == " ") return " space : ";
  return std::string(character) + " : ";
}

std::string storeSearchTerm(Finder& finder) {
  finder.settings.SearchTerm = common::truncateUtf16Units(finder.searchBox.text(), kSearchTermCapacity);
  return finder.settings.SearchTerm;
}

}  // namespace

std::string spellingOf(const std::string& text) {
  std::string spelled;
  std::string_view rest = text;
  while (!rest.empty()) {
    // Whole characters, so that a letter outside ASCII is spelled as one.
    size_t length = common::utf8BytesForCharacters(rest, 1);
    if (length == 0) break;
    spelled += spellingPiece(rest.substr(0, length));
    rest.remove_prefix(length);
  }
  return common::trimBlanks(spelled);
}

void speakSearchTerm(Finder& finder) { speak(finder, storeSearchTerm(finder)); }

void spellSearchTerm(Finder& finder) {
  speak(finder, "Spelling Search Term: " + spellingOf(storeSearchTerm(finder)));
}

void spellFileName(Finder& finder) {
  int row = finder.list.selectedRow();
  std::string name = row > 0 ? cellText(finder, row, 1) : std::string();
  speak(finder, "Spelling File Name: " + spellingOf(name));
}

}  // namespace findaro
