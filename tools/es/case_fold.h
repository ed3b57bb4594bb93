#pragma once
// Case-insensitive matching over UTF-8 names, in the manner of the file
// system's own comparison: every letter that has a simple upper/lower pair in
// the Latin, Greek and Cyrillic blocks (and full-width Latin) folds to lower.
#include <string>
#include <string_view>

namespace standin {

char32_t foldCodePoint(char32_t c);

// Bytes that are not valid UTF-8 are passed through unchanged, so that a
// name the file system gave us still matches itself.
std::string foldCase(std::string_view utf8);

// Length in bytes of the UTF-8 sequence starting at text[at] (1 for a stray byte).
size_t sequenceLength(std::string_view text, size_t at);

}  // namespace standin
