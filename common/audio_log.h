#pragma once
// The audio log: one line per sound a program makes, so that people and tests
// outside the program can hear what it said without a sound card.
//   Speak <flags> <text>     every call of the voice's Speak (CR as \r, LF as \n)
//   SetRate <n>              every rate handed to the voice
//   Beep <hertz> <ms>        every beep
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/voice.h"

namespace common {

class AudioLog {
 public:
  using Writer = std::function<void(const std::string& line)>;

  AudioLog() = default;
  explicit AudioLog(Writer writer) : writer_(std::move(writer)) {}

  bool enabled() const { return static_cast<bool>(writer_); }
  void speak(unsigned flags, std::string_view text) const;
  void setRate(int rate) const;
  void beep(int hertz, int milliseconds) const;

  // The line written for one call, without its line feed.
  static std::string speakLine(unsigned flags, std::string_view text);

 private:
  void write(const std::string& line) const;
  Writer writer_;
};

// A voice that logs every call and then hands it on. Without an engine (the
// speech object could not be created) it stays silent but still logs.
class LoggedVoice : public Voice {
 public:
  LoggedVoice(std::unique_ptr<Voice> engine, const AudioLog& log)
      : engine_(std::move(engine)), log_(log) {}

  void speak(const std::string& text, unsigned flags) override;
  bool isSpeaking() override;
  void setRate(int rate) override;
  bool hasEngine() const { return engine_ != nullptr; }

 private:
  std::unique_ptr<Voice> engine_;
  const AudioLog& log_;
};

}  // namespace common
