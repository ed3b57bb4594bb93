#include "magnora/actions/keystrokes.h"

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::KeyEvent;
using magnora_testing::MagnoraTest;

namespace {

using Keys = std::vector<KeyEvent>;

const char* kAllGroups = "0 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1";

// One modifier chord with scan code 0, as most commands send it.
Keys chord(std::vector<int> modifiers, int key, int scan = 0) {
  Keys keys;
  for (int m : modifiers) keys.push_back({m, scan, 0});
  keys.push_back({key, scan, 0});
  keys.push_back({key, scan, 2});
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) keys.push_back({*m, scan, 2});
  return keys;
}

Keys operator+(Keys a, const Keys& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

class MagnoraKeys : public MagnoraTest {
 protected:
  void SetUp() override { start(kAllGroups); }

  Keys keysOf(int id) {
    system.keys.clear();
    events.clear();
    handleCommand(bar, id);
    return system.keys;
  }
};

TEST_F(MagnoraKeys, BrowserShortcutsGoToTheWindowInFront) {
  EXPECT_EQ(keysOf(id::kNext), chord({0x12}, 0x27));
  EXPECT_EQ(keysOf(id::kPrevious), chord({0x12}, 0x25));
  EXPECT_EQ(keysOf(id::kZoomIn), chord({0x11}, 0x6B));
  EXPECT_EQ(keysOf(id::kZoomOut), chord({0x11}, 0x6D));
  EXPECT_EQ(keysOf(id::kNoZoom), chord({0x11}, 0x30));
  EXPECT_EQ(keysOf(id::kNewTab), chord({0x11}, 'T'));
  EXPECT_EQ(keysOf(id::kPreviousTab), chord({0x11, 0x10}, 0x09));
  EXPECT_EQ(keysOf(id::kNextTab), chord({0x11}, 0x09));
  EXPECT_EQ(keysOf(id::kDeleteTab), chord({0x11}, 'W'));
  // The window found at the middle is focused before the first key.
  EXPECT_EQ(events, (Events{"Beep 250 300", "FindTarget 960 520", "Focus 4242", "Key", "Key", "Key", "Key"}));
}

TEST_F(MagnoraKeys, PrintAndBookmarkConfirmTheirDialogAfterASecondAndTwoBeeps) {
  EXPECT_EQ(keysOf(id::kPrintAll), chord({0x11}, 'P') + chord({}, 0x0D));
  EXPECT_EQ(events, (Events{"Beep 250 300", "FindTarget 960 520", "Focus 4242", "Key", "Key", "Key", "Key",
                            "Sleep 1000", "Beep 250 300", "Beep 250 300", "Key", "Key", "Topmost"}));
  EXPECT_EQ(keysOf(id::kSetBookmark), chord({0x11}, 'D') + chord({}, 0x0D));
}

TEST_F(MagnoraKeys, MagnifierKeysAfterTheFirstMagPlus) {
  EXPECT_TRUE(keysOf(id::kMagType).empty());
  EXPECT_EQ(keysOf(id::kMagPlus), chord({0x5B}, 0x6B));
  EXPECT_EQ(keysOf(id::kMagType), chord({0x11, 0x12}, 'F', 0x45));
  EXPECT_EQ(spoken(), (std::vector<std::string>{" 1"}));
  EXPECT_EQ(keysOf(id::kMagType), chord({0x11, 0x12}, 'L', 0x45));
  EXPECT_EQ(spoken(), (std::vector<std::string>{" 0"}));
  EXPECT_EQ(keysOf(id::kMagMinus), chord({0x5B}, 0x6D));
  EXPECT_EQ(keysOf(id::kMagExit), chord({0x5B}, 0x1B));
  // Exit does not forget that the magnifier was started.
  EXPECT_EQ(keysOf(id::kMagMinus), chord({0x5B}, 0x6D));
}

TEST_F(MagnoraKeys, VolumeStepsFiveTimesWithExtendedKeysAndSaysSo) {
  Keys up = keysOf(id::kVolumeUp);
  ASSERT_EQ(up.size(), 10u);
  for (size_t i = 0; i < up.size(); ++i) EXPECT_EQ(up[i], (KeyEvent{0xAF, 0, i % 2 ? 3 : 1}));
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Louder"}));
  Keys down = keysOf(id::kVolumeDown);
  ASSERT_EQ(down.size(), 10u);
  for (size_t i = 0; i < down.size(); ++i) EXPECT_EQ(down[i], (KeyEvent{0xAE, 0, i % 2 ? 3 : 1}));
  EXPECT_EQ(spoken(), (std::vector<std::string>{"Softer"}));
}

TEST_F(MagnoraKeys, MuteBeepsAndPressesTheSystemMuteKey) {
  EXPECT_EQ(keysOf(id::kMute), (Keys{{0xAD, 0, 1}, {0xAD, 0, 3}}));
  EXPECT_EQ(events.front(), "Beep 250 300");
}

TEST_F(MagnoraKeys, DictationAsksTheNetworkFirst) {
  EXPECT_TRUE(keysOf(id::kDictation).empty());
  EXPECT_EQ(only("Connect"), (std::vector<std::string>{"www.msftconnecttest.com http 60000"}));
  EXPECT_EQ(spoken(), (std::vector<std::string>{"No Internet!"}));
  system.online = true;
  system.environment["MAGNORA_INTERNET_HOST"] = "127.0.0.1";
  EXPECT_EQ(keysOf(id::kDictation), chord({0x5B}, 'H', 0x45));
  EXPECT_EQ(only("Connect"), (std::vector<std::string>{"127.0.0.1 http 60000"}));
  EXPECT_TRUE(spoken().empty());
  // Voice typing listens wherever the focus is; nothing is brought forward.
  EXPECT_TRUE(only("Focus").empty());
}

TEST_F(MagnoraKeys, CaptureModeAnnouncesWaitsAndBroadcasts) {
  EXPECT_TRUE(keysOf(id::kCapture).empty());
  EXPECT_EQ(events, (Events{"Beep 250 300", "Speak 3 Entering Capture Mode", "Sleep 1500", "Broadcast 0 48",
                            "Topmost"}));
}

TEST_F(MagnoraKeys, ContrastTwiceRestoresTheEarlierSetting) {
  system.contrastFlags = 0x7E;
  handleCommand(bar, id::kContrast);
  EXPECT_EQ(system.contrastFlags, 0x7Fu);
  handleCommand(bar, id::kContrast);
  EXPECT_EQ(system.contrastFlags, 0x7Eu);
  EXPECT_TRUE(spoken().empty());
}

TEST_F(MagnoraKeys, OskStartsTheKeyboardProgramAndTabInfoSaysItCannot) {
  keysOf(id::kOsk);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Start plosk.exe", "Topmost"}));
  EXPECT_TRUE(keysOf(id::kTabInfo).empty());
  EXPECT_EQ(spoken(), (std::vector<std::string>{"TAB Information Not Available"}));
}

TEST_F(MagnoraKeys, TheTargetIsFoundOnTheChosenMonitor) {
  start("0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
  system.monitors = 2;
  keysOf(id::kNext);
  EXPECT_EQ(only("FindTarget"), (std::vector<std::string>{"2880 520"}));
}
