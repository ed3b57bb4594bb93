#pragma once
// findaro.ini: one section "All", one line per key. Read with the rules of the
// platform's profile reader; written whole, in a fixed key order, to a fresh file.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "findaro/state/settings.h"

namespace findaro {

struct Finder;

// The parsed text of a settings file, answering as the profile reader does:
// section and key names without regard to case, only the first section of a name,
// values up to a NUL, without surrounding blanks or quotes, at most 259 characters
// (a 260-character buffer).
class ProfileText {
 public:
  static ProfileText parse(std::string_view text);
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

// The file's bytes as UTF-8 text: UTF-16 of either byte order with its byte-order
// mark, UTF-8 (a mark is skipped), or else the system's ANSI code page.
std::string decodeSettingsBytes(std::string_view bytes,
                                const std::function<std::string(const std::string&)>& ansiToUtf8);

// Every key of the record, in the order of the saved file (Left, Top, Width,
// Height, SearchTerm ... LastSearchType, then SearchTimeLimit and EngineInstance).
// 47 names.
const std::vector<std::string>& savedKeyOrder();

// Reads every key into the record (missing keys give their defaults).
void readSettings(Settings& settings, const ProfileText& file);

// The whole saved file: "[All]" and one "Key=Value" line per key, CR LF after each.
// A text value that begins or ends with a blank or a quote is written in double
// quotes, so that it reads back exactly.
std::string settingsFileText(const Settings& settings);

// SearchTimeLimit as written in the file: whole seconds from 0 (no limit) to 3600;
// anything else, a word or a value out of that range, is the default 60.
int searchTimeLimitFrom(std::string_view text);

// Mode "get" reads the file and applies the saved size and position to the main
// window; "save" captures the window placement and writes the whole record. Any
// other mode does nothing.
void loadOrSaveSettings(Finder& finder, const std::string& mode);

}  // namespace findaro
