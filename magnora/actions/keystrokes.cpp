#include "magnora/actions/keystrokes.h"

#include "common/number_format.h"
#include "magnora/actions/speech.h"
#include "magnora/buttons/bar_layout.h"

namespace magnora {
namespace {

constexpr unsigned kHighContrastOn = 1;

void sendFocusedChord(Bar& bar, std::initializer_list<int> modifiers, int key) {
  focusTarget(bar);
  sendChord(bar.system, modifiers, key);
}

// The print and bookmark dialogs need a moment to open; the two beeps tell the
// user that Enter is about to confirm them.
void confirmDialog(Bar& bar) {
  bar.system.sleep(kDialogWait);
  beep(bar);
  beep(bar);
  sendChord(bar.system, {}, vk::kReturn);
}

// Five steps of the system volume, each an extended key's press and release.
void volumeSteps(Bar& bar, int key) {
  for (int i = 0; i < 5; ++i) {
    bar.system.sendKey(key, 0, key::kExtended);
    bar.system.sendKey(key, 0, key::kExtended | key::kUp);
  }
}

bool magnifierAvailable(Bar& bar) {
  if (!bar.magnifierStarted) speakNow(bar, "Not Available");
  return bar.magnifierStarted;
}

}  // namespace

void sendChord(System& system, std::initializer_list<int> modifiers, int key, int scanCode) {
  for (int m : modifiers) system.sendKey(m, scanCode, 0);
  system.sendKey(key, scanCode, 0);
  system.sendKey(key, scanCode, key::kUp);
  for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) system.sendKey(*m, scanCode, key::kUp);
}

void findTargetWindow(Bar& bar) {
  Point centre = targetPoint(bar.system.workArea(), bar.settings.monitor, bar.system.monitorCount());
  bar.target = bar.system.rootWindowAt(centre);
}

void focusTarget(Bar& bar) { bar.system.focusWindow(bar.target); }

void browserForward(Bar& bar) { sendFocusedChord(bar, {vk::kAlt}, vk::kRight); }
void browserBack(Bar& bar) { sendFocusedChord(bar, {vk::kAlt}, vk::kLeft); }
void zoomIn(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, vk::kAdd); }
void zoomOut(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, vk::kSubtract); }
void resetZoom(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, vk::kDigit0); }

void printPage(Bar& bar) {
  sendFocusedChord(bar, {vk::kControl}, 'P');
  confirmDialog(bar);
}

void addBookmark(Bar& bar) {
  sendFocusedChord(bar, {vk::kControl}, 'D');
  confirmDialog(bar);
}

void newTab(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, 'T'); }
void previousTab(Bar& bar) { sendFocusedChord(bar, {vk::kControl, vk::kShift}, vk::kTab); }
void nextTab(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, vk::kTab); }
void closeTab(Bar& bar) { sendFocusedChord(bar, {vk::kControl}, 'W'); }
void tabInformation(Bar& bar) { speakNow(bar, "TAB Information Not Available"); }

void magnifierIn(Bar& bar) { sendChord(bar.system, {vk::kLeftWindows}, vk::kAdd); }

bool magnifierOut(Bar& bar) {
  if (!magnifierAvailable(bar)) return false;
  sendChord(bar.system, {vk::kLeftWindows}, vk::kSubtract);
  return true;
}

bool magnifierExit(Bar& bar) {
  if (!magnifierAvailable(bar)) return false;
  sendChord(bar.system, {vk::kLeftWindows}, vk::kEscape);
  return true;
}

bool magnifierViewToggle(Bar& bar) {
  if (!magnifierAvailable(bar)) return false;
  bar.magnifierView = bar.magnifierView == 0 ? 1 : 0;
  speakNow(bar, common::formatNumber(bar.magnifierView));
  sendChord(bar.system, {vk::kControl, vk::kAlt}, bar.magnifierView == 0 ? 'L' : 'F', kShortcutScanCode);
  return true;
}

void captureMode(Bar& bar) {
  speakNow(bar, "Entering Capture Mode");
  bar.system.sleep(kCaptureWait);
  bar.system.broadcastPlMessage(0, kCaptureRequest);
}

std::string internetHost(Bar& bar) {
  std::string host = bar.system.environmentVariable(kInternetHostVariable);
  return host.empty() ? kInternetHost : host;
}

bool checkInternet(Bar& bar) { return bar.system.canConnect(internetHost(bar), kInternetService, kInternetTimeout); }

void dictation(Bar& bar) {
  if (!checkInternet(bar)) {
    speakNow(bar, "No Internet!");
    return;
  }
  sendChord(bar.system, {vk::kLeftWindows}, 'H', kShortcutScanCode);
}

void volumeUp(Bar& bar) { volumeSteps(bar, vk::kVolumeUp); }
void volumeDown(Bar& bar) { volumeSteps(bar, vk::kVolumeDown); }

void mute(Bar& bar) {
  bar.system.sendKey(vk::kVolumeMute, 0, key::kExtended);
  bar.system.sendKey(vk::kVolumeMute, 0, key::kExtended | key::kUp);
}

void highContrastToggle(Bar& bar) {
  unsigned flags = bar.system.highContrastFlags();
  bar.system.setHighContrastFlags(flags ^ kHighContrastOn);
}

void startOnScreenKeyboard(Bar& bar) { bar.system.startProgram(kOnScreenKeyboard); }

}  // namespace magnora
