#pragma once
// A finder on fakes, fresh for each test.
#include <gtest/gtest.h>

#include "findaro/core/finder.h"
#include "support/fake_desktop.h"
#include "support/fake_screen.h"
#include "support/fake_voice.h"

namespace testing_support {

class FinderTest : public ::testing::Test {
 protected:
  FakeScreen screen;
  FakeVoice voice;
  FakeDesktop desktop;
  findaro::Finder finder{screen, voice, desktop};

  std::vector<std::string> spokenTexts() const {
    std::vector<std::string> texts;
    for (const Utterance& u : voice.spoken) texts.push_back(u.text);
    return texts;
  }
};

}  // namespace testing_support
