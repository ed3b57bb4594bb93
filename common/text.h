#pragma once
// Small text helpers over UTF-8 std::string, shared by both programs.
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Blanks (spaces) removed at both ends; tabs and other characters stay.
std::string trimBlanks(std::string_view text);
// Blanks, tabs, carriage returns and line feeds removed at both ends.
std::string trimSpace(std::string_view text);

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// n separators give n + 1 pieces; empty pieces are kept.
std::vector<std::string> split(std::string_view text, std::string_view separator);

// Lines ended by CR LF, LF or a lone CR; n line ends give n + 1 lines.
std::vector<std::string> splitLines(std::string_view text);

bool startsWith(std::string_view text, std::string_view prefix);
bool endsWith(std::string_view text, std::string_view suffix);

// ASCII-only case folding, for names and keys that are plain ASCII by nature.
std::string asciiLower(std::string_view text);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// UTF-8 <-> UTF-16, portable (std::wstring is 32 bits wide on Linux, so the
// Win32 layer converts from these). Invalid input bytes become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

bool isValidUtf8(std::string_view text);

// Number of UTF-16 units the text takes, which is what a wide-character field of
// the Windows side counts.
size_t utf16Length(std::string_view utf8);

// Characters of UTF-8 text, and how many bytes its first maxCharacters characters
// take: a field cut there never cuts a character in half. A byte that is not part
// of a well-formed sequence counts as one character, so no text ever takes more
// than four bytes a character, whatever its bytes.
size_t utf8Characters(std::string_view text);
size_t utf8BytesForCharacters(std::string_view text, size_t maxCharacters);

// The longest prefix that fits in maxUnits UTF-16 units without cutting a character.
std::string truncateUtf16Units(std::string_view utf8, size_t maxUnits);

}  // namespace common
