#pragma once
// A small model of how the Windows command interpreter reads the text after
// "CMD /C": percent expansion first (quotes do not protect from it), carriage
// returns dropped, then the pass that knows quotes, carets and the operators,
// then delayed expansion when it is on. It is the oracle for what the finder
// hands the interpreter: whatever its escaping, the model must see one command
// and no variable, and give the program exactly the text that was meant.
//
// It models the command-line context (not a batch file): an undefined %name%
// stays as written, and the scan then resumes right after its first percent.
// Names that begin with a caret are taken as undefined; every other name is
// looked up in the environment given.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct InterpretedLine {
  // The text of each command, carets taken away and quotes kept, as the
  // interpreter hands it on; more than one means an operator split the line.
  std::vector<std::string> commands;
  bool redirected = false;      // a <, > or | outside quotes and unescaped
  bool expanded = false;        // some %name% or !name! was replaced
  bool lineBreak = false;       // a line feed ended the line early
  bool danglingCaret = false;   // a caret as the last character asks for another line
};

using Environment = std::function<std::optional<std::string>(std::string_view name)>;

// Every name is defined (its value is "<name>"), which is the harshest case.
Environment everyNameDefined();

InterpretedLine interpretCommandLine(std::string_view text, const Environment& environment, bool delayedExpansion);

}  // namespace testing_support
