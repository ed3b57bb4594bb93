#include "findaro/speech/speech.h"

#include "findaro/state/finder.h"
#include "findaro/view/result_cells.h"

namespace findaro {
namespace {

constexpr int kVolumeMute = 0xAD;
constexpr int kVolumeDown = 0xAE;
constexpr int kVolumeUp = 0xAF;
constexpr int kExtendedKey = 1;
constexpr int kExtendedKeyUp = 3;

bool speechDisabled(const Finder& finder) { return finder.settings.DisableSpeech == 1; }

void pressSystemKey(Finder& finder, int virtualKey) {
  finder.keyboard.sendKey(virtualKey, 0, kExtendedKey);
  finder.keyboard.sendKey(virtualKey, 0, kExtendedKeyUp);
}

}  // namespace

void speak(Finder& finder, const std::string& text) {
  if (speechDisabled(finder)) return;
  std::string joined = finder.pendingAnnouncement + text;
  finder.voice.speak(joined, common::kSpeakAsyncPurge);
  finder.pendingAnnouncement.clear();
}

void speakAndWait(Finder& finder, const std::string& text) {
  if (speechDisabled(finder)) return;
  finder.voice.speak(text, common::kSpeakPurgeBeforeSpeak);
}

void stopSpeaking(Finder& finder) { finder.voice.speak("", common::kSpeakAsyncPurge); }

bool isSpeaking(Finder& finder) { return finder.voice.isSpeaking(); }

void toggleSpeech(Finder& finder) {
  int& disabled = finder.settings.DisableSpeech;
  disabled = disabled == 1 ? 0 : 1;
  // Heard in both directions: the confirmation bypasses the setting it changes.
  finder.voice.speak(std::string("Speech is ") + (disabled == 1 ? "Disabled" : "Enabled"),
                     common::kSpeakAsyncPurge);
}

void cycleSpeechRate(Finder& finder) {
  stopSpeaking(finder);
  Settings& s = finder.settings;
  int rate = s.vRate;
  std::string message;
  if (s.vRate == s.SlowRate) {
    rate = 0;
    message = "Normal speech is on!";
  } else if (s.vRate == 0) {
    rate = s.FastRate;
    message = "Fast speech is on!";
  } else if (s.vRate == s.FastRate) {
    rate = s.SlowRate;
    message = "Slow speech is on!";
  }
  s.vRate = rate;
  finder.voice.setRate(rate);
  if (s.DisableSpeech == 0) finder.voice.speak(message, common::kSpeakAsyncPurge);
}

void applySavedSpeechRate(Finder& finder) { finder.voice.setRate(finder.settings.vRate); }

void volumeUp(Finder& finder) {
  for (int i = 0; i < 5; ++i) pressSystemKey(finder, kVolumeUp);
}

void volumeDown(Finder& finder) {
  for (int i = 0; i < 5; ++i) pressSystemKey(finder, kVolumeDown);
}

void muteSpeakers(Finder& finder) {
  pressSystemKey(finder, kVolumeMute);
  // Nothing is spoken: the speakers may now be muted.
  clickBeep(finder);
  clickBeep(finder);
}

void clickBeep(Finder& finder) { finder.sound.beep(275, 150); }

void speakSelectedColumn(Finder& finder, int column) {
  if (speechDisabled(finder)) return;
  int row = finder.list.selectedRow();
  std::string text = row > 0 ? cellText(finder, row, column) : std::string();
  speak(finder, text == "<empty>" ? "List is Empty" : text);
}

}  // namespace findaro
