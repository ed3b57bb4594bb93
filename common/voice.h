#pragma once
// The speech engine as both programs use it: speak with flags, ask whether it is
// still speaking, set the rate. The Win32 side wraps the SAPI voice; tests use fakes.
#include <string>

namespace common {

// The engine's own flag values; they are also what the audio log writes.
constexpr unsigned kSpeakAsync = 1;
constexpr unsigned kSpeakPurgeBeforeSpeak = 2;
constexpr unsigned kSpeakAsyncPurge = kSpeakAsync | kSpeakPurgeBeforeSpeak;

class Voice {
 public:
  virtual ~Voice() = default;
  virtual void speak(const std::string& text, unsigned flags) = 0;
  virtual bool isSpeaking() = 0;
  virtual void setRate(int rate) = 0;
};

}  // namespace common
