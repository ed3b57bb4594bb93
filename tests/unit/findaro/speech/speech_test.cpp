#include "findaro/speech/speech.h"

#include <gtest/gtest.h>

#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::KeyEvent;
using testing_support::Utterance;

class SpeechTest : public FinderTest {};

TEST_F(SpeechTest, SpeakJoinsThePendingAnnouncementAndClearsIt) {
  finder.pendingAnnouncement = "Welcome to Findaro, version 4.1!";
  speak(finder, "SearchBox has focus. ");
  speak(finder, "next");
  EXPECT_EQ(voice.spoken[0], (Utterance{"Welcome to Findaro, version 4.1!SearchBox has focus. ", 3}));
  EXPECT_EQ(voice.spoken[1], (Utterance{"next", 3}));
  EXPECT_TRUE(finder.pendingAnnouncement.empty());
}

TEST_F(SpeechTest, SpeakAndWaitPurgesWaitsAndLeavesThePendingAnnouncement) {
  finder.pendingAnnouncement = "Opening Settings List";
  speakAndWait(finder, "Exiting Findaro");
  EXPECT_EQ(voice.spoken.back(), (Utterance{"Exiting Findaro", 2}));
  EXPECT_EQ(finder.pendingAnnouncement, "Opening Settings List");
}

TEST_F(SpeechTest, DisabledSpeechIsSilentAndKeepsThePendingTextForLater) {
  finder.settings.DisableSpeech = 1;
  finder.pendingAnnouncement = "Welcome";
  speak(finder, "a");
  speakAndWait(finder, "b");
  EXPECT_TRUE(voice.spoken.empty());
  toggleSpeech(finder);
  EXPECT_EQ(voice.spoken.back(), (Utterance{"Speech is Enabled", 3}));
  speak(finder, " back");
  EXPECT_EQ(voice.lastText(), "Welcome back");
}

TEST_F(SpeechTest, TogglingSpeechOffIsStillHeard) {
  toggleSpeech(finder);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
  EXPECT_EQ(voice.spoken.back(), (Utterance{"Speech is Disabled", 3}));
  finder.settings.DisableSpeech = 2;  // edited by hand: speech is on, so F9 turns it off
  toggleSpeech(finder);
  EXPECT_EQ(finder.settings.DisableSpeech, 1);
}

TEST_F(SpeechTest, StopAndStatusGoToTheVoice) {
  finder.settings.DisableSpeech = 1;
  stopSpeaking(finder);
  EXPECT_EQ(voice.spoken.back(), (Utterance{"", 3}));
  voice.speaking = true;
  EXPECT_TRUE(isSpeaking(finder));
}

TEST_F(SpeechTest, RateCyclesNormalFastSlowNormal) {
  cycleSpeechRate(finder);
  cycleSpeechRate(finder);
  cycleSpeechRate(finder);
  EXPECT_EQ(voice.rates, (std::vector<int>{3, -3, 0}));
  std::vector<std::string> texts = spokenTexts();
  EXPECT_EQ(texts, (std::vector<std::string>{"", "Fast speech is on!", "", "Slow speech is on!", "",
                                             "Normal speech is on!"}));
  EXPECT_EQ(finder.settings.vRate, 0);
}

TEST_F(SpeechTest, AHandEditedRateStaysAndSaysNothing) {
  finder.settings.vRate = 5;
  cycleSpeechRate(finder);
  EXPECT_EQ(voice.rates, std::vector<int>{5});
  EXPECT_EQ(voice.spoken.back(), (Utterance{"", 3}));
  EXPECT_EQ(finder.settings.vRate, 5);
}

TEST_F(SpeechTest, ASlowRateOfZeroKeepsTheRateNormalForEver) {
  finder.settings.SlowRate = 0;
  cycleSpeechRate(finder);
  cycleSpeechRate(finder);
  EXPECT_EQ(voice.rates, (std::vector<int>{0, 0}));
  EXPECT_EQ(voice.lastText(), "Normal speech is on!");
}

TEST_F(SpeechTest, RateCycleWithSpeechOffChangesTheRateSilently) {
  finder.settings.DisableSpeech = 1;
  cycleSpeechRate(finder);
  EXPECT_EQ(voice.rates, std::vector<int>{3});
  EXPECT_EQ(spokenTexts(), std::vector<std::string>{""});  // only the stop
}

TEST_F(SpeechTest, VolumeKeysAreFiveExtendedPresses) {
  volumeUp(finder);
  ASSERT_EQ(keyboard.keys.size(), 10u);
  for (size_t i = 0; i < 10; ++i)
    EXPECT_EQ(keyboard.keys[i], (KeyEvent{0xAF, 0, i % 2 == 0 ? 1 : 3}));
  keyboard.keys.clear();
  volumeDown(finder);
  ASSERT_EQ(keyboard.keys.size(), 10u);
  EXPECT_EQ(keyboard.keys[0].virtualKey, 0xAE);
}

TEST_F(SpeechTest, MuteTogglesTheSystemMuteAndBeepsTwiceWithoutSpeaking) {
  muteSpeakers(finder);
  EXPECT_EQ(keyboard.keys, (std::vector<KeyEvent>{{0xAD, 0, 1}, {0xAD, 0, 3}}));
  EXPECT_EQ(sound.beeps, (std::vector<std::pair<int, int>>{{275, 150}, {275, 150}}));
  EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(SpeechTest, SpeakingACellOfThePlaceholderSaysTheListIsEmpty) {
  list.selected = 1;
  speakSelectedColumn(finder, 1);
  EXPECT_EQ(voice.lastText(), "List is Empty");
  ResultRecord record;
  record.Name = "report.txt";
  record.Folder = "c:\\users\\ann\\documents\\";
  record.SizeText = "1500";
  record.SizeValue = 1500;
  finder.results.assign({record});
  speakSelectedColumn(finder, 1);
  EXPECT_EQ(voice.lastText(), "report.txt");
  speakSelectedColumn(finder, 4);
  EXPECT_EQ(voice.lastText(), "2 KB");
  finder.settings.DisableSpeech = 1;
  size_t before = voice.spoken.size();
  speakSelectedColumn(finder, 2);
  EXPECT_EQ(voice.spoken.size(), before);
}
