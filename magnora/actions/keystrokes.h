#pragma once
// The commands that act on other programs: the window in front is found at the
// middle of the screen, brought forward, and given the browser's or the
// system's own shortcut keys; and the system commands around them.
#include <initializer_list>
#include <string>

#include "magnora/state/bar.h"

namespace magnora {

namespace vk {
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;  // VK_MENU
constexpr int kEscape = 0x1B;
constexpr int kLeft = 0x25;
constexpr int kRight = 0x27;
constexpr int kDigit0 = 0x30;
constexpr int kLeftWindows = 0x5B;
constexpr int kAdd = 0x6B;
constexpr int kSubtract = 0x6D;
constexpr int kVolumeMute = 0xAD;
constexpr int kVolumeDown = 0xAE;
constexpr int kVolumeUp = 0xAF;
}  // namespace vk

// The scan code the magnifier-view and dictation keys carry.
constexpr int kShortcutScanCode = 0x45;
constexpr int kDialogWait = 1000;
constexpr int kCopyWait = 500;
constexpr int kCaptureWait = 1500;
constexpr int kInternetTimeout = 60000;
constexpr long kCaptureRequest = 48;
constexpr const char* kOnScreenKeyboard = "plosk.exe";
// Windows' own connectivity test server: meant for exactly this question and
// answering on port 80 wherever voice typing itself can work.
constexpr const char* kInternetHost = "www.msftconnecttest.com";
constexpr const char* kInternetService = "http";
// Names another server for the check, where that one is unreachable by policy;
// the tests point it at this machine.
constexpr const char* kInternetHostVariable = "MAGNORA_INTERNET_HOST";

// Presses the modifiers in order, presses and releases the key, and releases the
// modifiers in reverse order, every event with the same scan code.
void sendChord(System& system, std::initializer_list<int> modifiers, int key, int scanCode = 0);

void findTargetWindow(Bar& bar);
void focusTarget(Bar& bar);

void browserForward(Bar& bar);
void browserBack(Bar& bar);
void zoomIn(Bar& bar);
void zoomOut(Bar& bar);
void resetZoom(Bar& bar);
void printPage(Bar& bar);
void addBookmark(Bar& bar);
void newTab(Bar& bar);
void previousTab(Bar& bar);
void nextTab(Bar& bar);
void closeTab(Bar& bar);
void tabInformation(Bar& bar);

void magnifierIn(Bar& bar);
// These three do nothing but say "Not Available" before the first Mag+; they
// tell whether they were performed.
bool magnifierOut(Bar& bar);
bool magnifierExit(Bar& bar);
bool magnifierViewToggle(Bar& bar);

void captureMode(Bar& bar);
std::string internetHost(Bar& bar);
bool checkInternet(Bar& bar);
void dictation(Bar& bar);
void volumeUp(Bar& bar);
void volumeDown(Bar& bar);
void mute(Bar& bar);
void highContrastToggle(Bar& bar);
void startOnScreenKeyboard(Bar& bar);

}  // namespace magnora
