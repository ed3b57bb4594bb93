#include "common/audio_log.h"

namespace common {

std::string AudioLog::speakLine(unsigned flags, std::string_view text) {
  std::string line = "Speak " + std::to_string(flags) + " ";
  line.reserve(line.size() + text.size());
  for (char c : text) {
    if (c == '\r') line += "\\r";
    else if (c == '\n') line += "\\n";
    else line += c;
  }
  return line;
}

void AudioLog::write(const std::string& line) const {
  if (writer_) writer_(line + "\n");
}

void AudioLog::speak(unsigned flags, std::string_view text) const { write(speakLine(flags, text)); }

void AudioLog::setRate(int rate) const { write("SetRate " + std::to_string(rate)); }

void AudioLog::beep(int hertz, int milliseconds) const {
  write("Beep " + std::to_string(hertz) + " " + std::to_string(milliseconds));
}

void LoggedVoice::speak(const std::string& text, unsigned flags) {
  log_.speak(flags, text);
  if (engine_) engine_->speak(text, flags);
}

bool LoggedVoice::isSpeaking() { return engine_ && engine_->isSpeaking(); }

void LoggedVoice::setRate(int rate) {
  log_.setRate(rate);
  if (engine_) engine_->setRate(rate);
}

}  // namespace common
