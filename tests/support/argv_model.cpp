#include "support/argv_model.h"

namespace testing_support {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> commandLineToArgv(std::string_view line) {
  std::vector<std::string> args;
  size_t i = 0;
  const size_t n = line.size();
  std::string program;
  if (i < n && line[i] == '"') {
    for (++i; i < n && line[i] != '"'; ++i) program += line[i];
    if (i < n) ++i;
  } else {
    for (; i < n && !isBlank(line[i]); ++i) program += line[i];
  }
  args.push_back(program);
  while (i < n && isBlank(line[i])) ++i;
  if (i >= n) return args;

  std::string arg;
  int quotes = 0;  // 1 inside a quoted part
  size_t backslashes = 0;
  while (i < n) {
    char c = line[i];
    if (isBlank(c) && quotes == 0) {
      args.push_back(arg);
      arg.clear();
      backslashes = 0;
      while (i < n && isBlank(line[i])) ++i;
      if (i >= n) return args;  // blanks at the end start no argument
      continue;
    }
    if (c == '\\') {
      arg += c;
      ++backslashes;
      ++i;
      continue;
    }
    if (c != '"') {
      arg += c;
      backslashes = 0;
      ++i;
      continue;
    }
    if (backslashes % 2 == 0) {
      arg.resize(arg.size() - backslashes / 2);
      ++quotes;
    } else {
      arg.resize(arg.size() - backslashes / 2 - 1);
      arg += '"';
    }
    backslashes = 0;
    for (++i; i < n && line[i] == '"'; ++i) {
      if (++quotes == 3) {
        arg += '"';
        quotes = 0;
      }
    }
    if (quotes == 2) quotes = 0;
  }
  args.push_back(arg);
  return args;
}

std::vector<std::string> queryWords(std::string_view piece) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : piece) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    if (c == '"') {
      quoted = !quoted;
    } else if (isBlank(c) && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

}  // namespace testing_support
