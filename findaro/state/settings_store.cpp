#include "findaro/state/settings_store.h"

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

constexpr const char* kSection = "All";
constexpr size_t kProfileBufferCharacters = 259;

struct NumberKey {
  const char* name;
  const char* defaultText;
  int Settings::*field;
};

struct TextKey {
  const char* name;
  const char* defaultText;
  std::string Settings::*field;
  size_t capacity;
};

// Window placement first, then the texts, then the numbers, in file order.
const NumberKey kPlacementKeys[] = {
    {"Left", "0", &Settings::Left},
    {"Top", "0", &Settings::Top},
    {"Width", "1600", &Settings::Width},
    {"Height", "800", &Settings::Height},
};

const TextKey kTextKeys[] = {
    {"SearchTerm", "texas", &Settings::SearchTerm, kSearchTermCapacity},
    {"FontName", "Arial Black", &Settings::FontName, kFontNameCapacity},
    {"IgnoreList", ".lnk", &Settings::IgnoreList, kIgnoreListCapacity},
};

const NumberKey kNumberKeys[] = {
    {"Minimized", "0", &Settings::Minimized},
    {"Maximized", "0", &Settings::Maximized},
    {"FontSize", "48", &Settings::FontSize},
    {"FG", "65535", &Settings::FG},
    {"BG", "16711680", &Settings::BG},
    {"ShowToolbar", "1", &Settings::ShowToolbar},
    {"IconSize", "64", &Settings::IconSize},
    {"SortType", "1", &Settings::SortType},
    {"HideToolbarText", "0", &Settings::HideToolbarText},
    {"MaxResults", "100", &Settings::MaxResults},
    {"ExcludeSystemFolders", "1", &Settings::ExcludeSystemFolders},
    {"EnableSpeakLetters", "1", &Settings::EnableSpeakLetters},
    {"SpeakNonLetters", "1", &Settings::SpeakNonLetters},
    {"ShortPath", "1", &Settings::ShortPath},
    {"EnableToolTips", "1", &Settings::EnableToolTips},
    {"EnableTime", "1", &Settings::EnableTime},
    {"vRate", "0", &Settings::vRate},
    {"SlowRate", "-3", &Settings::SlowRate},
    {"FastRate", "+3", &Settings::FastRate},
    {"UseIgnoreList", "0", &Settings::UseIgnoreList},
    {"UseMagnora", "1", &Settings::UseMagnora},
    {"FocusOnRE", "0", &Settings::FocusOnRE},
    {"UseHover", "1", &Settings::UseHover},
    {"UseKB", "1", &Settings::UseKB},
    {"PrintFont", "0", &Settings::PrintFont},
    {"MaxPrintLines", "50", &Settings::MaxPrintLines},
    {"SearchType", "0", &Settings::SearchType},
    {"ShowPreview", "0", &Settings::ShowPreview},
    {"LastRow", "1", &Settings::LastRow},
    {"TopRow", "1", &Settings::TopRow},
    {"SpeakShortcuts", "1", &Settings::SpeakShortcuts},
    {"IncludeShortcutKey", "1", &Settings::IncludeShortcutKey},
    {"SpeakMinimalKey", "1", &Settings::SpeakMinimalKey},
    {"PreviewResize", "1", &Settings::PreviewResize},
    {"ImageBG", "2", &Settings::ImageBG},
    {"WideToolbar", "1", &Settings::WideToolbar},
    {"DisableSpeech", "0", &Settings::DisableSpeech},
    {"LastSearchType", "1", &Settings::LastSearchType},
};

// Keys added after the first 45 go after them, so that those keep their places.
const NumberKey kSearchTimeLimitKey = {"SearchTimeLimit", "60", &Settings::SearchTimeLimit};
const TextKey kEngineInstanceKey = {"EngineInstance", "", &Settings::EngineInstance, kEngineInstanceCapacity};

std::string trimProfileBlanks(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(begin, end - begin + 1));
}

std::string readText(const ProfileText& file, const char* key, const char* defaultText) {
  return file.value(kSection, key).value_or(defaultText);
}

int readInt(const ProfileText& file, const NumberKey& key) {
  return common::readNumber(readText(file, key.name, key.defaultText));
}

// A saved size is the one the user last saw; without one the window's first
// size is pixels at 100 %, grown with the display's scale.
int readWindowSize(const ProfileText& file, const NumberKey& key, const common::Scale& scale) {
  if (file.value(kSection, key.name)) return readInt(file, key);
  return scale.pixels(common::readNumber(key.defaultText));
}

// The text of a value as it is written: one that the reader would change (cut at
// a NUL, split at a line break, trimmed of blanks, stripped of enclosing quotes)
// is changed or quoted here so that it reads back as it stands.
std::string profileValueText(std::string_view value) {
  std::string text(value.substr(0, value.find('\0')));
  // A line break inside a value would end its line early and lose the rest.
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  if (text.empty()) return text;
  auto changesAtTheEnd = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
  if (changesAtTheEnd(text.front()) || changesAtTheEnd(text.back())) return '"' + text + '"';
  return text;
}

void readNumberKeys(Settings& settings, const ProfileText& file) {
  for (const TextKey& key : kTextKeys)
    settings.*key.field = common::truncateUtf16Units(readText(file, key.name, key.defaultText), key.capacity);
  for (const NumberKey& key : kNumberKeys) settings.*key.field = readInt(file, key);
  settings.SearchTimeLimit =
      searchTimeLimitFrom(readText(file, kSearchTimeLimitKey.name, kSearchTimeLimitKey.defaultText));
  settings.EngineInstance = common::truncateUtf16Units(
      readText(file, kEngineInstanceKey.name, kEngineInstanceKey.defaultText), kEngineInstanceKey.capacity);
}

void saveSettings(Finder& finder) {
  Settings& s = finder.settings;
  Rect bounds = finder.window.normalBounds();
  s.Left = bounds.left;
  s.Top = bounds.top;
  s.Width = bounds.width();
  s.Height = bounds.height();
  s.Minimized = finder.window.isMinimized() ? 1 : 0;
  s.Maximized = finder.window.isMaximized() ? 1 : 0;
  finder.files.replaceFile(finder.files.settingsPath(), settingsFileText(s));
}

void getSettings(Finder& finder) {
  std::string path = finder.files.settingsPath();
  bool exists = finder.files.fileExists(path);
  ProfileText file;
  if (exists) {
    std::optional<std::string> bytes = finder.files.readFile(path);
    if (bytes) {
      file = ProfileText::parse(decodeSettingsBytes(
          *bytes, [&finder](const std::string& ansi) { return finder.locale.ansiToUtf8(ansi); }));
    }
  }
  Settings& s = finder.settings;
  s.Width = readWindowSize(file, kPlacementKeys[2], finder.window.scale());
  s.Height = readWindowSize(file, kPlacementKeys[3], finder.window.scale());
  finder.window.setWindowSize(s.Width, s.Height);
  s.Left = readInt(file, kPlacementKeys[0]);
  s.Top = readInt(file, kPlacementKeys[1]);
  if (exists) finder.window.moveWindow(s.Left, s.Top);
  readNumberKeys(s, file);
}

}  // namespace

ProfileText ProfileText::parse(std::string_view text) {
  ProfileText result;
  std::string section;
  bool inSection = false;
  // A section pasted in a second time is not read: the profile reader stops at the
  // first section of a name.
  std::vector<std::string> sectionsSeen;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string line = trimProfileBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    if (line.empty()) {
      if (end >= text.size()) break;
      continue;
    }
    if (line.front() == '[') {
      size_t close = line.find(']');
      section = trimProfileBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      inSection = true;
      for (const std::string& seen : sectionsSeen)
        if (common::equalsIgnoreAsciiCase(seen, section)) inSection = false;
      if (inSection) sectionsSeen.push_back(section);
    } else if (inSection) {
      size_t equals = line.find('=');
      if (equals != std::string::npos) {
        // A value ends at a NUL, as it does in the profile reader's buffer.
        std::string_view raw = std::string_view(line).substr(equals + 1);
        std::string value = trimProfileBlanks(raw.substr(0, raw.find('\0')));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
          value = value.substr(1, value.size() - 2);
        result.entries_.push_back(
            {section, trimProfileBlanks(line.substr(0, equals)),
             common::truncateUtf16Units(value, kProfileBufferCharacters)});
      }
    }
    if (end >= text.size()) break;
  }
  return result;
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const {
  for (const Entry& e : entries_)
    if (common::equalsIgnoreAsciiCase(e.section, section) && common::equalsIgnoreAsciiCase(e.key, key))
      return e.value;
  return std::nullopt;
}

std::string decodeSettingsBytes(std::string_view bytes,
                                const std::function<std::string(const std::string&)>& ansiToUtf8) {
  auto byteAt = [&bytes](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])); };
  bool littleEndian = bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE;
  bool bigEndian = bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF;
  if (littleEndian || bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      unsigned low = byteAt(littleEndian ? i : i + 1);
      unsigned high = byteAt(littleEndian ? i + 1 : i);
      units += static_cast<char16_t>(low | (high << 8));
    }
    return common::utf16ToUtf8(units);
  }
  if (common::startsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (common::isValidUtf8(bytes)) return std::string(bytes);
  return ansiToUtf8(std::string(bytes));
}

const std::vector<std::string>& savedKeyOrder() {
  static const std::vector<std::string> order = [] {
    std::vector<std::string> keys;
    for (const NumberKey& k : kPlacementKeys) keys.push_back(k.name);
    for (const TextKey& k : kTextKeys) keys.push_back(k.name);
    for (const NumberKey& k : kNumberKeys) keys.push_back(k.name);
    keys.push_back(kSearchTimeLimitKey.name);
    keys.push_back(kEngineInstanceKey.name);
    return keys;
  }();
  return order;
}

void readSettings(Settings& settings, const ProfileText& file) {
  for (const NumberKey& key : kPlacementKeys) settings.*key.field = readInt(file, key);
  readNumberKeys(settings, file);
}

std::string settingsFileText(const Settings& settings) {
  std::string text = "[All]\r\n";
  auto line = [&text](const char* key, const std::string& value) {
    text += key;
    text += '=';
    text += value;
    text += "\r\n";
  };
  for (const NumberKey& k : kPlacementKeys) line(k.name, common::formatNumber(settings.*k.field));
  for (const TextKey& k : kTextKeys) line(k.name, profileValueText(settings.*k.field));
  for (const NumberKey& k : kNumberKeys) line(k.name, common::formatNumber(settings.*k.field));
  line(kSearchTimeLimitKey.name, common::formatNumber(settings.SearchTimeLimit));
  line(kEngineInstanceKey.name, profileValueText(settings.EngineInstance));
  return text;
}

int searchTimeLimitFrom(std::string_view text) {
  std::string value = trimProfileBlanks(text);
  size_t digit = !value.empty() && value.front() == '+' ? 1 : 0;
  // Text that is no number is no limit the user chose: it is not taken as 0.
  if (digit >= value.size() || value[digit] < '0' || value[digit] > '9') return kDefaultSearchTimeLimit;
  int seconds = common::readNumber(value);
  return seconds >= 0 && seconds <= kLongestSearchTimeLimit ? seconds : kDefaultSearchTimeLimit;
}

void loadOrSaveSettings(Finder& finder, const std::string& mode) {
  if (mode == "get") getSettings(finder);
  else if (mode == "save") saveSettings(finder);
}

}  // namespace findaro
