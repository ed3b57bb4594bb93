#pragma once
// The bar's 29 buttons: their order, ids, icons, groups and the names they are
// shown and spoken by; and where the visible ones sit on the bar.
#include <string>
#include <vector>

#include "common/screen/display.h"
#include "magnora/buttons/bar_settings.h"
#include "magnora/system/geometry.h"

namespace magnora {

namespace id {
constexpr int kCancel = 2;  // Esc
constexpr int kClose = 500;
constexpr int kNext = 501;
constexpr int kPrevious = 502;
constexpr int kZoomIn = 503;
constexpr int kZoomOut = 504;
constexpr int kNoZoom = 505;
constexpr int kCopy = 506;
constexpr int kSpeakClipboard = 507;
constexpr int kPrintAll = 508;
constexpr int kSetBookmark = 509;
constexpr int kShowBookmarks = 510;
constexpr int kContrast = 511;
constexpr int kOsk = 512;
constexpr int kMagPlus = 513;
constexpr int kMagMinus = 514;
constexpr int kMagType = 515;
constexpr int kMagExit = 516;
constexpr int kCapture = 517;
constexpr int kNewTab = 518;
constexpr int kNextTab = 520;
constexpr int kPreviousTab = 521;
constexpr int kDeleteTab = 522;
constexpr int kTabInfo = 523;
constexpr int kSpeed = 526;
constexpr int kDictation = 527;
constexpr int kVolumeUp = 528;
constexpr int kVolumeDown = 529;
constexpr int kMute = 530;
constexpr int kPrintScreen = 531;
constexpr int kFirstButton = 500;
constexpr int kLastButton = 531;
}  // namespace id

// The grip the bar is dragged by, left of the first button.
constexpr int kGripMargin = 64;

enum class Group { Tab, History, Zoom, Clipboard, Sound, Dictation, Print, Bookmark, Contrast, Keyboard, Magnifier,
                   Capture, Always };

struct ButtonInfo {
  int id;
  const char* icon;
  Group group;
  const char* tooltip;
  const char* hoverName;
  const char* rightClickName;
};

// All 29, in their order from left to right; the close button is last.
const std::vector<ButtonInfo>& buttonTable();
const ButtonInfo* findButton(int id);

bool groupShown(const BarSettings& settings, Group group);

// The tab number is not known to the bar; it always says 1.
constexpr int kTabNumber = 1;
std::string tooltipText(const ButtonInfo& button);

struct ButtonPlacement {
  int id;
  std::string icon;
  std::string tooltip;
  Rect rect;  // in the bar's own coordinates
  // The button's window text: what a screen reader calls it. The icon alone
  // is drawn, so the text is never seen.
  std::string name;
};

// The side of each button on the screen.
int buttonPixels(const BarSettings& settings, const common::Scale& scale = common::Scale());

// The visible buttons, side by side from the grip margin on, each a square of
// the button size; both grow with the display's scale.
std::vector<ButtonPlacement> visibleButtons(const BarSettings& settings,
                                            const common::Scale& scale = common::Scale());

}  // namespace magnora
