#include "tools/es/word_match.h"

#include "common/text.h"
#include "tools/es/case_fold.h"

namespace standin {

namespace {

bool hasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

std::vector<std::string> splitExtensions(std::string_view list) {
  std::vector<std::string> extensions;
  for (std::string& piece : common::split(list, ";")) {
    while (!piece.empty() && piece[0] == '.') piece.erase(0, 1);
    if (!piece.empty()) extensions.push_back(foldCase(piece));
  }
  return extensions;
}

// One alternative as written: "!word", "ext:a;b", "c:\dir\", "*.txt" ...
// An empty word (a lone "!" from an empty exclusion line) asks for nothing.
bool parseAlternative(std::string_view written, Alternative& out) {
  size_t bangs = 0;
  while (bangs < written.size() && written[bangs] == '!') ++bangs;
  out.negated = bangs % 2 == 1;
  std::string_view word = written.substr(bangs);
  if (word.empty()) return false;
  if (word.size() >= 4 && common::equalsIgnoreAsciiCase(word.substr(0, 4), "ext:")) {
    out.kind = Alternative::Kind::Extensions;
    out.extensions = splitExtensions(word.substr(4));
    return true;
  }
  out.text = foldCase(word);
  bool isPath = out.text.find_first_of("\\/") != std::string::npos;
  if (isPath) out.text = common::replaceAll(out.text, "/", "\\");
  bool wildcard = hasWildcard(out.text);
  out.kind = isPath ? (wildcard ? Alternative::Kind::PathWildcard : Alternative::Kind::PathText)
                    : (wildcard ? Alternative::Kind::NameWildcard : Alternative::Kind::NameText);
  return true;
}

std::string_view extensionOf(std::string_view name) {
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

bool extensionListed(const std::vector<std::string>& extensions, std::string_view extension) {
  // "ext:" with nothing after it asks for files that have no extension.
  if (extensions.empty()) return extension.empty();
  for (const std::string& e : extensions) {
    if (e == extension) return true;
  }
  return false;
}

bool holds(const Alternative& a, const Candidate& c) {
  switch (a.kind) {
    case Alternative::Kind::NameText: return c.foldedName.find(a.text) != std::string_view::npos;
    case Alternative::Kind::PathText: return c.foldedPath.find(a.text) != std::string_view::npos;
    case Alternative::Kind::NameWildcard: return wildcardMatches(a.text, c.foldedName);
    case Alternative::Kind::PathWildcard: return wildcardMatches(a.text, c.foldedPath);
    case Alternative::Kind::Extensions:
      return (c.attributes & kAttributeDirectory) == 0 && extensionListed(a.extensions, extensionOf(c.foldedName));
  }
  return false;
}

// Within one stretch between backslashes, where '*' may take anything; the
// classic greedy walk with one point to fall back to is exact there.
bool segmentMatches(std::string_view pattern, std::string_view text) {
  size_t p = 0, t = 0;
  size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starT = t;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      t += sequenceLength(text, t);
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (starP != std::string_view::npos) {
      p = starP;
      starT += sequenceLength(text, starT);
      t = starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool wildcardMatches(std::string_view pattern, std::string_view text) {
  // Neither wildcard crosses a backslash, so the backslashes of pattern and
  // text must pair up one to one and each stretch between them match alone.
  while (true) {
    size_t p = pattern.find('\\');
    size_t t = text.find('\\');
    if ((p == std::string_view::npos) != (t == std::string_view::npos)) return false;
    if (p == std::string_view::npos) return segmentMatches(pattern, text);
    if (!segmentMatches(pattern.substr(0, p), text.substr(0, t))) return false;
    pattern.remove_prefix(p + 1);
    text.remove_prefix(t + 1);
  }
}

std::vector<Term> parseSearchWords(const std::vector<std::string>& words) {
  std::vector<Term> terms;
  bool joinNext = false;  // the previous word ended in '|'
  for (const std::string& word : words) {
    bool join = !terms.empty() && (joinNext || (!word.empty() && word[0] == '|'));
    joinNext = !word.empty() && word.back() == '|';
    std::vector<Alternative> alternatives;
    for (const std::string& piece : common::split(word, "|")) {
      Alternative a;
      if (parseAlternative(piece, a)) alternatives.push_back(std::move(a));
    }
    if (alternatives.empty()) continue;
    if (!join) terms.emplace_back();
    for (Alternative& a : alternatives) terms.back().alternatives.push_back(std::move(a));
  }
  return terms;
}

Matcher::Matcher(const Query& query)
    : terms_(parseSearchWords(query.words)),
      requiredAttributes_(query.requiredAttributes),
      forbiddenAttributes_(query.forbiddenAttributes) {}

bool Matcher::excludesEverythingBelow(std::string_view foldedFolder) const {
  for (const Term& term : terms_) {
    bool allExcludedHere = true;
    for (const Alternative& a : term.alternatives) {
      bool excludedHere = a.negated && a.kind == Alternative::Kind::PathText &&
                          foldedFolder.find(a.text) != std::string_view::npos;
      if (!excludedHere) {
        allExcludedHere = false;
        break;
      }
    }
    if (allExcludedHere) return true;
  }
  return false;
}

bool Matcher::matches(const Candidate& candidate) const {
  if ((candidate.attributes & requiredAttributes_) != requiredAttributes_) return false;
  if ((candidate.attributes & forbiddenAttributes_) != 0) return false;
  for (const Term& term : terms_) {
    bool any = false;
    for (const Alternative& a : term.alternatives) {
      if (holds(a, candidate) != a.negated) {
        any = true;
        break;
      }
    }
    if (!any) return false;
  }
  return true;
}

}  // namespace standin
