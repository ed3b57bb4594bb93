#pragma once
// The small services of the system: the keyboard, tones, the counter, the locale.
#include "common/audio_log.h"
#include "findaro/system/clock.h"
#include "findaro/system/keyboard.h"
#include "findaro/system/locale.h"
#include "findaro/system/sound.h"

namespace findaro {

class Win32Keyboard : public Keyboard {
 public:
  bool shiftDown() override;
  bool controlDown() override;
  bool capsLockOn() override;
  void sendKey(int virtualKey, int scanCode, int flags) override;
};

class Win32Sound : public Sound {
 public:
  explicit Win32Sound(const common::AudioLog& log) : log_(log) {}
  void beep(int hertz, int milliseconds) override;

 private:
  const common::AudioLog& log_;
};

class Win32Clock : public Clock {
 public:
  long long counter() override;
  long long counterFrequency() override;
};

class Win32Locale : public Locale {
 public:
  std::string ansiToUtf8(const std::string& bytes) override;
  std::string lowerCase(const std::string& text) override;
  bool isUpperCase(const std::string& character) override;
  bool isLetterOrDigit(const std::string& character) override;
  DateFormat dateFormat() override;
};

}  // namespace findaro
