#include "support/command_interpreter_model.h"

#include <utility>

namespace testing_support {
namespace {

bool defined(std::string_view name, const Environment& environment) {
  // "%path:~0,3%" and "%path:a=b%" expand when the name before the colon does.
  std::string_view base = name.substr(0, name.find(':'));
  if (base.empty() || base.front() == '^') return false;
  return environment(base).has_value();
}

// %name% of the command-line context.
std::string expandPercents(std::string_view text, const Environment& environment, bool& expanded) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%') {
      out += text[i++];
      continue;
    }
    size_t close = text.find('%', i + 1);
    if (close == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    std::string_view name = text.substr(i + 1, close - i - 1);
    if (defined(name, environment)) {
      out += environment(name.substr(0, name.find(':'))).value_or("");
      expanded = true;
      i = close + 1;
    } else {
      out += '%';
      ++i;
    }
  }
  return out;
}

std::string expandExclamations(std::string_view text, const Environment& environment, bool& expanded) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    size_t close = text[i] == '!' ? text.find('!', i + 1) : std::string_view::npos;
    if (close != std::string_view::npos && defined(text.substr(i + 1, close - i - 1), environment)) {
      expanded = true;
      i = close + 1;
      continue;
    }
    out += text[i++];
  }
  return out;
}

}  // namespace

Environment everyNameDefined() {
  return [](std::string_view name) -> std::optional<std::string> { return "<" + std::string(name) + ">"; };
}

InterpretedLine interpretCommandLine(std::string_view text, const Environment& environment, bool delayedExpansion) {
  InterpretedLine line;
  std::string expanded = expandPercents(text, environment, line.expanded);
  std::string withoutReturns;
  for (char c : expanded)
    if (c != '\r') withoutReturns += c;

  std::string current;
  bool quoted = false;
  auto endCommand = [&line, &current] { line.commands.push_back(std::exchange(current, {})); };
  for (size_t i = 0; i < withoutReturns.size(); ++i) {
    char c = withoutReturns[i];
    if (c == '\n') {
      line.lineBreak = true;
      break;
    }
    if (quoted) {
      current += c;
      if (c == '"') quoted = false;
      continue;
    }
    switch (c) {
      case '^':
        if (i + 1 >= withoutReturns.size()) {
          line.danglingCaret = true;
        } else if (withoutReturns[i + 1] == '\n') {
          line.lineBreak = true;
          i = withoutReturns.size();
        } else {
          current += withoutReturns[++i];  // an escaped quote opens nothing
        }
        break;
      case '"':
        quoted = true;
        current += c;
        break;
      case '&':
        if (i + 1 < withoutReturns.size() && withoutReturns[i + 1] == '&') ++i;
        endCommand();
        break;
      case '|':
        if (i + 1 < withoutReturns.size() && withoutReturns[i + 1] == '|') ++i;
        else line.redirected = true;
        endCommand();
        break;
      case '<':
      case '>':
        line.redirected = true;
        break;
      default:
        current += c;
    }
  }
  endCommand();
  if (delayedExpansion)
    for (std::string& command : line.commands) command = expandExclamations(command, environment, line.expanded);
  return line;
}

}  // namespace testing_support
