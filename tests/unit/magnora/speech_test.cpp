#include "magnora/actions/speech.h"

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::MagnoraTest;

namespace {

const char* kAllGroups = "0 1 1 1 1 1 1 1 1 1 2 1 0 0 0 1 0 0 1";

// Id, the name said on hover, the name said on a right-click.
const std::vector<std::tuple<int, std::string, std::string>> kNames = {
    {500, "Exit Magnora", "Exit Magnora"},
    {501, "Next", "Next"},
    {502, "Previous", "Previous"},
    {503, "Zoom In", "Zoom In"},
    {504, "Zoom Out", "Zoom Out"},
    {505, "No Zoom", "No Zoom"},
    {506, "Copy", "Copy"},
    {507, "Speak Clipboard", "Speak Clipboard"},
    {508, "Print All", "Print All"},
    {509, "Set BookMark", "Set BookMark"},
    {510, "Show BookMarks", "Show BookMarks"},
    {511, "Contrast", "Contrast"},
    {512, "OSK", "OSK"},
    {513, "Magnifier Plus", "Magnifier Plus"},
    {514, "Magnifier Minus", "Magnifier Minus"},
    {515, "Magnifier Type", "Magnifier Type"},
    {516, "Magnifier Exit", "Magnifier Exit"},
    {517, "Capture Plus", "Capture Plus"},
    {518, "New TAB", "New TAB"},
    {520, "Next TAB", "Next TAB"},
    {521, "Previous TAB", "Previous TAB"},
    {522, "Delete TAB", "Delete TAB"},
    {523, "Current TAB is 1", "TAB Information"},
    {526, "Speed", "Change Speed"},
    {527, "Dictation", "Dictation"},
    {528, "Increase Volume", "Increase Volume"},
    {529, "Decrease Volume", "Decrease Volume"},
    {530, "Mute", "Mute"},
    {531, "Print Screen", "Print Screen"},
};

}  // namespace

class MagnoraSpeech : public MagnoraTest {};

TEST_F(MagnoraSpeech, EveryButtonHasItsHoverAndRightClickName) {
  start(kAllGroups);
  ASSERT_EQ(window.buttons.size(), kNames.size());
  for (const auto& [id, hover, rightClick] : kNames) {
    window.pointAt(id);
    events.clear();
    hoverNarration(bar);
    ASSERT_TRUE(rightClickNarration(bar));
    EXPECT_EQ(spoken(), (std::vector<std::string>{hover, rightClick})) << id;
  }
}

TEST_F(MagnoraSpeech, HoverNamesEachNewButtonOnce) {
  start(kAllGroups);
  window.pointAt(id::kZoomIn);
  hoverNarration(bar);
  window.cursor.x += 5;  // wiggling inside the same button
  hoverNarration(bar);
  window.pointAt(id::kZoomOut);
  hoverNarration(bar);
  window.pointAt(id::kNoZoom);
  hoverNarration(bar);
  window.pointAt(id::kZoomOut);  // back onto the second
  hoverNarration(bar);
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Zoom In", "Zoom Out", "No Zoom", "Zoom Out"}));
}

TEST_F(MagnoraSpeech, TheGripAndOutsideSayNothingAndForgetNothing) {
  start(kAllGroups);
  window.pointAt(id::kCopy);
  hoverNarration(bar);
  window.cursor = {window.position.x + 10, 10};
  hoverNarration(bar);
  window.cursor = {-5000, -5000};
  hoverNarration(bar);
  window.pointAt(id::kCopy);  // coming back after leaving the bar
  hoverNarration(bar);
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Copy"}));
}

TEST_F(MagnoraSpeech, RightClickRepeatsAndMissesOutsideTheButtons) {
  start(kAllGroups);
  window.pointAt(id::kSpeed);
  hoverNarration(bar);
  EXPECT_TRUE(rightClickNarration(bar));
  EXPECT_TRUE(rightClickNarration(bar));
  window.cursor = {window.position.x + 63, 10};
  EXPECT_FALSE(rightClickNarration(bar));
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Speed", "Change Speed", "Change Speed"}));
}

TEST_F(MagnoraSpeech, ButtonsOffTheBarAreNeverNamed) {
  start("");
  // Where the Copy button would sit on a fuller bar there is nothing now.
  window.cursor = {window.position.x + 64 + 96 * 2 + 10, 10};
  hoverNarration(bar);
  EXPECT_FALSE(rightClickNarration(bar));
  EXPECT_TRUE(spoken().empty());
}

TEST_F(MagnoraSpeech, SpeedCyclesFastSlowNormal) {
  start("");
  for (int i = 0; i < 4; ++i) nextSpeechRate(bar);
  EXPECT_EQ(events, (Events{"SetRate 3", "Speak 3 Fast speech is on!", "SetRate -3", "Speak 3 Slow speech is on!",
                            "SetRate 0", "Speak 3 Normal speech is on!", "SetRate 3",
                            "Speak 3 Fast speech is on!"}));
}

TEST_F(MagnoraSpeech, SpeakClipboardAlternatesBetweenReadingAndStopping) {
  start("");
  system.clipboard = "  two words  ";
  speakClipboardToggle(bar);
  speakClipboardToggle(bar);
  system.clipboard = "   ";
  speakClipboardToggle(bar);
  speakClipboardToggle(bar);
  system.clipboard.clear();
  speakClipboardToggle(bar);
  EXPECT_EQ(events, (Events{"Speak 3   two words  ", "Speak 3 ", "Speak 3 Clipboard Empty", "Speak 3 ",
                            "Speak 3 Clipboard Empty"}));
}

TEST_F(MagnoraSpeech, WithoutAVoiceEverythingStillRuns) {
  start("");
  bar.voice.reset();
  nextSpeechRate(bar);
  speakNow(bar, "Hello");
  speakClipboardToggle(bar);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(bar.speechRate, 3);
  EXPECT_TRUE(bar.clipboardSpeaking);
}
