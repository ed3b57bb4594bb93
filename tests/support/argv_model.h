#pragma once
// How a Windows program splits its command line into arguments: the rules of
// CommandLineToArgvW (and of the C runtimes of its era), as the system and Wine
// apply them. It is the oracle for what the finder hands the search client.
//
// The program's name comes first and ends at the first blank or tab, or, when it
// starts with a quote, at the next quote, whatever stands between. After it:
// blanks and tabs outside quotes part arguments; a quote opens or closes a quoted
// part and is dropped; 2n backslashes before a quote give n backslashes and the
// quote does its work, 2n + 1 give n backslashes and a quote character;
// backslashes before anything else are themselves; inside a quoted part two quotes
// side by side give a quote character and the part goes on, and a third quote
// closes it.
//
// Beside it, the engine's query language as the finder means its pieces: blanks
// and tabs part words outside quotes, quotes only group, backslashes are plain.
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

std::vector<std::string> commandLineToArgv(std::string_view line);

// The words a piece of a query means; an empty word (a lone "") means nothing
// and is not among them, and a control character is a blank.
std::vector<std::string> queryWords(std::string_view piece);

}  // namespace testing_support
