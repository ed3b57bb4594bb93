#pragma once
// A voice that remembers what it was asked to say.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/voice.h"

namespace testing_support {

struct Utterance {
  std::string text;
  unsigned flags;
  bool operator==(const Utterance& o) const { return text == o.text && flags == o.flags; }
};

class FakeVoice : public common::Voice {
 public:
  void speak(const std::string& text, unsigned flags) override {
    spoken.push_back({text, flags});
    // What the window takes in while a sentence is said and waited for, once.
    if (!(flags & common::kSpeakAsync) && whileWaiting) std::exchange(whileWaiting, nullptr)();
  }
  bool isSpeaking() override { return speaking; }
  void setRate(int rate) override { rates.push_back(rate); }

  std::string lastText() const { return spoken.empty() ? std::string("<nothing>") : spoken.back().text; }

  std::vector<Utterance> spoken;
  std::vector<int> rates;
  bool speaking = false;
  std::function<void()> whileWaiting;
};

}  // namespace testing_support
