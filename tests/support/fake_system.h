#pragma once
// The rest of the system as in-memory stand-ins: files in a map, programs,
// the clipboard, keys, tones, the counter and the locale recorded or scripted.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "findaro/system/clipboard.h"
#include "findaro/system/clock.h"
#include "findaro/system/files.h"
#include "findaro/system/keyboard.h"
#include "findaro/system/locale.h"
#include "findaro/system/processes.h"
#include "findaro/system/signature_check.h"
#include "findaro/system/sound.h"

namespace testing_support {

class FakeFiles : public findaro::Files {
 public:
  std::string programFolder() override { return "C:\\prog\\"; }
  std::string settingsPath() override { return "C:\\prog\\findaro.ini"; }
  bool fileExists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> readFile(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::optional<common::PageBuffer> readLargeFile(const std::string& path) override {
    if (tooLargeToRead.count(path)) throw std::bad_alloc();
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
    if (failDeletes) return false;
    files.erase(path);
    return true;
  }
  bool moveFile(const std::string& from, const std::string& to) override {
    if (failMoveFrom == from || !files.count(from) || files.count(to)) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }

  std::map<std::string, std::string> files;
  bool failWrites = false;
  bool failDeletes = false;
  std::string failMoveFrom;  // a move from this path fails
  std::set<std::string> tooLargeToRead;  // more than memory holds, as readLargeFile finds
};

// A client the fake started: it ends by itself when the test says so, or when the
// finder ends it.
struct FakeClientState {
  std::optional<unsigned long> exitCode;
  bool endedByFinder = false;
  bool dropped = false;  // the finder let go of it (a job would end it then)
  bool running() const { return !exitCode && !endedByFinder && !dropped; }
};

class FakeRunningProgram : public findaro::RunningProgram {
 public:
  explicit FakeRunningProgram(std::shared_ptr<FakeClientState> state) : state_(std::move(state)) {}
  ~FakeRunningProgram() override { state_->dropped = true; }
  std::optional<unsigned long> exitCode() override {
    if (state_->endedByFinder) return std::nullopt;
    return state_->exitCode;
  }
  void end() override { state_->endedByFinder = true; }

 private:
  std::shared_ptr<FakeClientState> state_;
};

class FakeProcesses : public findaro::Processes {
 public:
  std::unique_ptr<findaro::RunningProgram> startHidden(const std::string& program, const std::string& commandLine,
                                                       const std::string& folder) override {
    commandLines.push_back(commandLine);
    programs.push_back(program);
    folders.push_back(folder);
    if (!outcome.started) return nullptr;
    client = std::make_shared<FakeClientState>();
    if (!keepsRunning) finishClient();
    return std::make_unique<FakeRunningProgram>(client);
  }
  // The client started last ends by itself: it does what onRun says and exits
  // with the outcome's code.
  void finishClient() {
    if (onRun) onRun();
    client->exitCode = outcome.exitCode;
  }
  bool startProgram(const std::string& path, const std::string& arguments) override {
    started.push_back(path + " " + arguments);
    return startSucceeds;
  }
  void openWithShell(const std::string& target) override { opened.push_back(target); }
  std::optional<std::string> associatedAppName(const std::string& extension) override {
    auto it = associations.find(extension);
    if (it == associations.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> findOnPath(const std::string& program) override {
    auto it = onPath.find(program);
    if (it == onPath.end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> windowClassesStartingWith(const std::string& prefix) override {
    ++windowLookups;
    std::vector<std::string> found;
    for (const std::string& name : windowClasses)
      if (common::startsWith(common::asciiLower(name), common::asciiLower(prefix))) found.push_back(name);
    return found;
  }

  std::vector<std::string> commandLines;  // of the hidden programs, in order
  std::vector<std::string> programs;
  std::vector<std::string> folders;
  findaro::ProcessOutcome outcome{true, 0};  // not started: startHidden gives nothing
  std::function<void()> onRun;               // what the client does, such as writing its file
  bool keepsRunning = false;                 // the client runs until finishClient or the finder ends it
  std::shared_ptr<FakeClientState> client;   // the client started last
  std::vector<std::string> started;
  bool startSucceeds = true;
  std::vector<std::string> opened;
  std::map<std::string, std::string> associations;  // extension -> friendly name
  std::map<std::string, std::string> onPath{{"es.exe", "C:\\prog\\es.exe"}};  // program -> full path
  std::vector<std::string> windowClasses;            // of the windows open on the system
  int windowLookups = 0;
};

class FakeClipboard : public findaro::Clipboard {
 public:
  void setText(const std::string& value) override {
    text_ = value;
    fileDrop.reset();
    ++puts;
  }
  std::optional<std::string> text() override { return text_; }
  void setFileDrop(const std::string& block) override {
    fileDrop = block;
    text_.reset();
    ++puts;
  }

  std::optional<std::string> text_;
  std::optional<std::string> fileDrop;
  int puts = 0;
};

struct KeyEvent {
  int virtualKey;
  int scanCode;
  int flags;
  bool operator==(const KeyEvent& o) const {
    return virtualKey == o.virtualKey && scanCode == o.scanCode && flags == o.flags;
  }
};

class FakeKeyboard : public findaro::Keyboard {
 public:
  bool shiftDown() override { return shift; }
  bool controlDown() override { return control; }
  bool capsLockOn() override { return capsLock; }
  void sendKey(int virtualKey, int scanCode, int flags) override { keys.push_back({virtualKey, scanCode, flags}); }

  bool shift = false;
  bool control = false;
  bool capsLock = false;
  std::vector<KeyEvent> keys;
};

class FakeSound : public findaro::Sound {
 public:
  void beep(int hertz, int milliseconds) override { beeps.emplace_back(hertz, milliseconds); }
  std::vector<std::pair<int, int>> beeps;
};

class FakeClock : public findaro::Clock {
 public:
  long long counter() override { return value += step; }
  long long counterFrequency() override { return 1000; }
  long long value = 0;
  long long step = 100;
};

class FakeLocale : public findaro::Locale {
 public:
  // Stands in for a Western code page: each byte is the Latin-1 character.
  std::string ansiToUtf8(const std::string& bytes) override {
    std::u16string units;
    for (unsigned char c : bytes) units += static_cast<char16_t>(c);
    return common::utf16ToUtf8(units);
  }
  // Lower-cases ASCII, Latin-1 and Cyrillic capitals, as the system would.
  std::string lowerCase(const std::string& text) override {
    std::u16string units = common::utf8ToUtf16(text);
    for (char16_t& c : units)
      if (isUpper(c)) c += 0x20;
    return common::utf16ToUtf8(units);
  }
  bool isUpperCase(const std::string& character) override {
    std::u16string units = common::utf8ToUtf16(character);
    return units.size() == 1 && isUpper(units[0]);
  }
  // Letters and digits of ASCII, Latin-1, Greek and Cyrillic.
  findaro::DateFormat dateFormat() override { return dates; }
  bool isLetterOrDigit(const std::string& character) override {
    std::u16string units = common::utf8ToUtf16(character);
    if (units.size() != 1) return false;
    char16_t c = units[0];
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x3FF) ||
           (c >= 0x400 && c <= 0x4FF);
  }

  findaro::DateFormat dates;  // the United States forms unless a test says otherwise

 private:
  static bool isUpper(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F);
  }
};

// Stands in for the platform's cryptography: a signature that `sign` made with
// a key over some bytes verifies with that key over those bytes, and nothing
// else does.
class FakeSignatureCheck : public findaro::SignatureCheck {
 public:
  static std::string sign(const std::string& publicKey, std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : publicKey + "|" + std::string(bytes)) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    std::string signature;
    while (signature.size() < 64) {
      h += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      for (int i = 0; i < 8; ++i) signature += static_cast<char>((z >> (8 * i)) & 0xFF);
    }
    // r and s are never zero, which no real signature is either.
    signature[0] = signature[32] = '\x5A';
    return signature;
  }
  bool verifies(const std::string& publicKey, std::string_view bytes, const std::string& signature) override {
    checks.push_back({publicKey, std::string(bytes), signature});
    return signature == sign(publicKey, bytes);
  }

  struct Check {
    std::string publicKey;
    std::string bytes;
    std::string signature;
  };
  std::vector<Check> checks;
};

}  // namespace testing_support
