#pragma once
// What the finder's behaviour asks of the rest of the system: files, processes,
// the clipboard, sound and keys, the counter. Paths are UTF-8; plain file names
// are relative to the program's folder, which is the working directory.
#include <cstdint>
#include <optional>
#include <string>

#include "common/page_memory.h"
#include "findaro/search/date_key.h"

namespace findaro {

struct ProcessOutcome {
  bool started = false;
  unsigned long exitCode = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The settings file: the program's folder + its base name + ".ini".
  virtual std::string settingsPath() = 0;

  virtual bool fileExists(const std::string& path) = 0;
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  // The same for a file that may be very large (the results of a search).
  virtual std::optional<common::PageBuffer> readLargeFile(const std::string& path) = 0;
  // Replaces the file in one step: a failed write leaves the old file whole.
  virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool deleteFile(const std::string& path) = 0;

  // Text in the system's ANSI code page, as UTF-8.
  virtual std::string ansiToUtf8(const std::string& bytes) = 0;
  // Lower-casing as the system does it, for any letter.
  virtual std::string lowerCase(const std::string& text) = 0;
  // The user's short-date and time forms, which the search client writes dates in.
  virtual DateFormat dateFormat() = 0;

  virtual void beep(int hertz, int milliseconds) = 0;
  // One synthesized key event (virtual key, scan code, flags).
  virtual void sendKey(int virtualKey, int scanCode, int flags) = 0;
  virtual void setClipboardText(const std::string& text) = 0;

  // Runs a command line hidden and waits for it to end.
  virtual ProcessOutcome runHidden(const std::string& commandLine) = 0;
  // Starts a program with a normal window and does not wait.
  virtual bool startProgram(const std::string& path, const std::string& arguments) = 0;

  virtual long long counter() = 0;
  virtual long long counterFrequency() = 0;
};

}  // namespace findaro
