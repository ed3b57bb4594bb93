#pragma once
// The search words of a query turned into a test on one file or folder.
//
// Every term must hold (the blanks between words are AND); a term holds when
// any of its alternatives does (a '|' inside or between words is OR); an
// alternative written with a leading '!' holds when its word does not.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/es/search_query.h"

namespace standin {

struct Alternative {
  enum class Kind {
    NameText,      // the name contains the text
    PathText,      // the full path contains the text
    NameWildcard,  // the whole name fits the pattern
    PathWildcard,  // the whole path fits the pattern
    Extensions,    // a file whose extension is one of the list
  };
  Kind kind = Kind::NameText;
  bool negated = false;
  std::string text;                     // folded; '/' already turned into '\'
  std::vector<std::string> extensions;  // folded, without dots
};

struct Term {
  std::vector<Alternative> alternatives;
};

std::vector<Term> parseSearchWords(const std::vector<std::string>& words);

// One file or folder as the matcher sees it: name and path already folded.
struct Candidate {
  std::string_view foldedName;
  std::string_view foldedPath;
  uint32_t attributes = 0;
};

// `*` is any run of characters but '\', `?` one character but '\'; both
// strings are folded.
bool wildcardMatches(std::string_view pattern, std::string_view text);

class Matcher {
 public:
  explicit Matcher(const Query& query);
  bool matches(const Candidate& candidate) const;
  // True when no entry below the folder can match, because some term only
  // excludes path words that the folder's own path already holds (the
  // finder's " !c:\windows\ "). `foldedFolder` ends with a backslash.
  bool excludesEverythingBelow(std::string_view foldedFolder) const;

 private:
  std::vector<Term> terms_;
  uint32_t requiredAttributes_;
  uint32_t forbiddenAttributes_;
};

}  // namespace standin
