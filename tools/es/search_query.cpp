#include "tools/es/search_query.h"

#include <limits>

#include "common/text.h"

namespace standin {

namespace {

bool isOptionWord(const std::string& word) {
  return word.size() > 1 && (word[0] == '-' || word[0] == '/');
}

std::optional<size_t> parseCount(const std::string& text) {
  if (text.empty()) return std::nullopt;
  size_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    size_t digit = static_cast<size_t>(c - '0');
    if (value > (std::numeric_limits<size_t>::max() - digit) / 10) return std::numeric_limits<size_t>::max();
    value = value * 10 + digit;
  }
  return value;
}

// The sort names of the engine's client; anything else falls back to its
// default, A to Z by name.
SortOrder parseSort(const std::string& value) {
  std::string v = common::asciiLower(value);
  if (v == "dm" || v == "date-modified" || v == "dm-descending" || v == "date-modified-descending")
    return {SortKey::DateModified, true};
  if (v == "dm-ascending" || v == "date-modified-ascending") return {SortKey::DateModified, false};
  if (v == "name-descending") return {SortKey::Name, true};
  return {SortKey::Name, false};
}

uint32_t attributeBit(char letter) {
  switch (letter) {
    case 'r': return kAttributeReadOnly;
    case 'h': return kAttributeHidden;
    case 's': return kAttributeSystem;
    case 'd': return kAttributeDirectory;
    case 'a': return kAttributeArchive;
    default: return 0;
  }
}

// "/a" followed by attribute letters, each optionally preceded by '-' for
// "not": /ad folders only, /a-d files only, /ah-s hidden but not system.
bool applyAttributes(const std::string& letters, Query& query) {
  uint32_t required = query.requiredAttributes;
  uint32_t forbidden = query.forbiddenAttributes;
  bool negate = false;
  for (char c : letters) {
    if (c == '-') {
      negate = true;
      continue;
    }
    uint32_t bit = attributeBit(c);
    if (bit == 0) return false;
    (negate ? forbidden : required) |= bit;
    (negate ? required : forbidden) &= ~bit;
    negate = false;
  }
  if (negate) return false;
  query.requiredAttributes = required;
  query.forbiddenAttributes = forbidden;
  return true;
}

// Reads the option at args[i], moving i past its value; false when the word
// names no option.
bool readOption(const std::vector<std::string>& args, size_t& i, Query& query) {
  std::string name = common::asciiLower(std::string_view(args[i]).substr(1));
  auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
  if (name == "size") {
    query.sizeColumn = true;
  } else if (name == "dm" || name == "date-modified") {
    query.dateModifiedColumn = true;
  } else if (name == "size-format") {
    value();  // sizes are always written in bytes, which is what the reader expects
  } else if (name == "sort") {
    if (const std::string* v = value()) query.sort = parseSort(*v);
  } else if (name == "n" || name == "max-results") {
    if (const std::string* v = value()) {
      if (std::optional<size_t> count = parseCount(*v)) query.limit = count;
    }
  } else if (name == "export-csv") {
    if (const std::string* v = value()) query.exportFile = *v;
  } else if (name == "instance") {
    if (const std::string* v = value()) query.instance = *v;
  } else if (name.size() > 1 && name[0] == 'a') {
    return applyAttributes(name.substr(1), query);
  } else {
    return false;
  }
  return true;
}

}  // namespace

Query parseCommandLine(const std::vector<std::string>& args) {
  Query query;
  for (size_t i = 0; i < args.size(); ++i) {
    if (!isOptionWord(args[i]) || !readOption(args, i, query)) query.words.push_back(args[i]);
  }
  return query;
}

}  // namespace standin
