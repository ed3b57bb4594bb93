#pragma once
// The rest of the system, as the finder's behaviour sees it.
#include <windows.h>

#include "common/audio_log.h"
#include "findaro/core/desktop.h"

namespace findaro {

class Win32Desktop : public Desktop {
 public:
  explicit Win32Desktop(const common::AudioLog& log) : log_(log) {}
  void setOwnerWindow(HWND window) { owner_ = window; }

  std::string settingsPath() override;
  bool fileExists(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path) override;
  std::optional<common::PageBuffer> readLargeFile(const std::string& path) override;
  bool replaceFile(const std::string& path, const std::string& bytes) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
  bool deleteFile(const std::string& path) override;
  std::string ansiToUtf8(const std::string& bytes) override;
  std::string lowerCase(const std::string& text) override;
  DateFormat dateFormat() override;
  void beep(int hertz, int milliseconds) override;
  void sendKey(int virtualKey, int scanCode, int flags) override;
  void setClipboardText(const std::string& text) override;
  ProcessOutcome runHidden(const std::string& commandLine) override;
  bool startProgram(const std::string& path, const std::string& arguments) override;
  long long counter() override;
  long long counterFrequency() override;

 private:
  const common::AudioLog& log_;
  HWND owner_ = nullptr;
};

}  // namespace findaro
