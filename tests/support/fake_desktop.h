#pragma once
// The system as an in-memory stand-in: files in a map, sounds and keys recorded.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/text.h"
#include "findaro/core/desktop.h"

namespace testing_support {

struct KeyEvent {
  int virtualKey;
  int scanCode;
  int flags;
  bool operator==(const KeyEvent& o) const {
    return virtualKey == o.virtualKey && scanCode == o.scanCode && flags == o.flags;
  }
};

class FakeDesktop : public findaro::Desktop {
 public:
  std::string settingsPath() override { return "C:\\prog\\findaro.ini"; }
  bool fileExists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> readFile(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::optional<common::PageBuffer> readLargeFile(const std::string& path) override {
    std::optional<std::string> bytes = readFile(path);
    if (!bytes) return std::nullopt;
    return common::PageBuffer::copyOf(*bytes);
  }
  bool replaceFile(const std::string& path, const std::string& bytes) override {
    if (failWrites) return false;
    files[path] = bytes;
    return true;
  }
  bool writeFile(const std::string& path, const std::string& bytes) override { return replaceFile(path, bytes); }
  bool deleteFile(const std::string& path) override {
    files.erase(path);
    return true;
  }
  // Stands in for a Western code page: each byte is the Latin-1 character.
  std::string ansiToUtf8(const std::string& bytes) override {
    std::u16string units;
    for (unsigned char c : bytes) units += static_cast<char16_t>(c);
    return common::utf16ToUtf8(units);
  }
  // Lower-cases ASCII, Latin-1 and Cyrillic capitals, as the system would.
  std::string lowerCase(const std::string& text) override {
    std::u16string units = common::utf8ToUtf16(text);
    for (char16_t& c : units) {
      if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F)) c += 0x20;
    }
    return common::utf16ToUtf8(units);
  }
  findaro::DateFormat dateFormat() override { return dates; }
  void beep(int hertz, int milliseconds) override { beeps.emplace_back(hertz, milliseconds); }
  void sendKey(int virtualKey, int scanCode, int flags) override { keys.push_back({virtualKey, scanCode, flags}); }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  findaro::ProcessOutcome runHidden(const std::string& commandLine) override {
    commandLines.push_back(commandLine);
    if (onRun) onRun();
    return processOutcome;
  }
  bool startProgram(const std::string& path, const std::string& arguments) override {
    started.push_back(path + " " + arguments);
    return true;
  }
  long long counter() override { return counterValue += counterStep; }
  long long counterFrequency() override { return 1000; }

  std::map<std::string, std::string> files;
  findaro::DateFormat dates;  // the United States forms unless a test says otherwise
  bool failWrites = false;
  std::vector<std::pair<int, int>> beeps;
  std::vector<KeyEvent> keys;
  std::string clipboard;
  std::vector<std::string> commandLines;
  findaro::ProcessOutcome processOutcome{true, 0};
  std::function<void()> onRun;  // what the program run does, such as writing its file
  std::vector<std::string> started;
  long long counterValue = 0;
  long long counterStep = 100;
};

}  // namespace testing_support
