#include "magnora/app/bar_handlers.h"

#include "common/screen/screen_fit.h"
#include "magnora/actions/bookmarks.h"
#include "magnora/actions/copy_page.h"
#include "magnora/actions/desktop_print.h"
#include "magnora/actions/keystrokes.h"
#include "magnora/actions/speech.h"
#include "magnora/buttons/bar_layout.h"
#include "magnora/buttons/buttons.h"

namespace magnora {
namespace {

enum class Topmost { No, Yes, WhenPerformed };

struct CommandRule {
  int id;
  bool beep;
  bool findTarget;
  Topmost topmost;
  bool (*action)(Bar&);  // tells whether the command was performed
};

template <void (*Action)(Bar&)>
bool always(Bar& bar) {
  Action(bar);
  return true;
}

bool closeBar(Bar& bar) {
  bar.window.closeBar();
  return true;
}

bool closeTargetAndBar(Bar& bar) {
  bar.system.closeWindow(bar.target);
  bar.window.closeBar();
  return true;
}

bool startMagnifier(Bar& bar) {
  bar.magnifierStarted = true;
  magnifierIn(bar);
  return true;
}

bool louder(Bar& bar) {
  volumeUp(bar);
  speakNow(bar, "Louder");
  return true;
}

bool softer(Bar& bar) {
  volumeDown(bar);
  speakNow(bar, "Softer");
  return true;
}

const CommandRule kCommands[] = {
    {id::kCancel, true, false, Topmost::No, closeBar},
    {id::kClose, true, true, Topmost::No, closeTargetAndBar},
    {id::kNext, true, true, Topmost::Yes, always<browserForward>},
    {id::kPrevious, true, true, Topmost::Yes, always<browserBack>},
    {id::kZoomIn, true, true, Topmost::Yes, always<zoomIn>},
    {id::kZoomOut, true, true, Topmost::Yes, always<zoomOut>},
    {id::kNoZoom, true, true, Topmost::Yes, always<resetZoom>},
    {id::kCopy, true, true, Topmost::Yes, always<copyPageOrSelection>},
    {id::kSpeakClipboard, true, false, Topmost::Yes, always<speakClipboardToggle>},
    {id::kPrintAll, true, true, Topmost::Yes, always<printPage>},
    {id::kSetBookmark, true, true, Topmost::Yes, always<addBookmark>},
    {id::kShowBookmarks, true, false, Topmost::Yes, always<showBookmarks>},
    {id::kContrast, true, false, Topmost::Yes, always<highContrastToggle>},
    {id::kOsk, true, false, Topmost::Yes, always<startOnScreenKeyboard>},
    {id::kMagPlus, true, false, Topmost::Yes, startMagnifier},
    {id::kMagMinus, true, false, Topmost::WhenPerformed, magnifierOut},
    {id::kMagType, true, false, Topmost::WhenPerformed, magnifierViewToggle},
    {id::kMagExit, true, false, Topmost::WhenPerformed, magnifierExit},
    {id::kCapture, true, false, Topmost::Yes, always<captureMode>},
    {id::kNewTab, true, true, Topmost::No, always<newTab>},
    {id::kNextTab, true, true, Topmost::No, always<nextTab>},
    {id::kPreviousTab, true, true, Topmost::No, always<previousTab>},
    {id::kDeleteTab, true, true, Topmost::No, always<closeTab>},
    {id::kTabInfo, true, true, Topmost::No, always<tabInformation>},
    {id::kSpeed, true, false, Topmost::Yes, always<nextSpeechRate>},
    {id::kDictation, true, true, Topmost::Yes, always<dictation>},
    {id::kVolumeUp, false, false, Topmost::No, louder},
    {id::kVolumeDown, false, false, Topmost::No, softer},
    // A user pressing Mute expects the sound to go, so it sends the system's mute key.
    {id::kMute, true, false, Topmost::No, always<mute>},
    {id::kPrintScreen, true, false, Topmost::Yes, always<printDesktop>},
};

// The bar as it is shown at the scale of its display: its buttons no larger
// than lets the whole bar fit across the work area of the monitor it is homed
// on, and its rectangle at home brought wholly inside that work area.
struct ShownBar {
  BarSettings settings;  // with the button size (at 100 %) the buttons are drawn at
  Rect bounds;
  common::Scale scale;
};

ShownBar shownBar(Bar& bar) {
  common::Scale scale = bar.window.scale();
  Rect work = bar.system.workArea();
  int monitors = bar.system.monitorCount();
  ShownBar shown{bar.settings, homeBounds(bar.settings, bar.buttonCount, work, monitors, scale), scale};
  Rect monitorWork = bar.system.workAreaNear(shown.bounds);
  shown.settings.buttonSize = buttonSizeToFit(bar.settings.buttonSize, bar.buttonCount, monitorWork, scale);
  shown.bounds =
      common::fitIntoWorkArea(homeBounds(shown.settings, bar.buttonCount, work, monitors, scale), monitorWork);
  return shown;
}

// The buttons anew, at the scale of the display the bar is on now.
void placeButtons(Bar& bar) {
  ShownBar shown = shownBar(bar);
  std::vector<ButtonPlacement> buttons = visibleButtons(shown.settings, shown.scale);
  bar.window.layoutButtons(buttons, buttonPixels(shown.settings, shown.scale));
  // Rebuilt buttons keep their names on screen, as the first ones had them.
  if (wantsTooltips(bar.settings)) bar.window.attachTooltips(buttons);
}

void layOut(Bar& bar) {
  bar.buttonCount = recount(bar.settings);
  placeButtons(bar);
  bar.buttonCount = recount(bar.settings);
}

}  // namespace

std::string caption() { return std::string(kCaptionPrefix) + kVersion; }

void readSettings(Bar& bar, std::string_view commandTail) {
  bar.settings = readBarSettings(commandTail);
  bar.buttonCount = recount(bar.settings);
}

Size currentBarSize(Bar& bar) {
  Rect bounds = shownBar(bar).bounds;
  return {bounds.width(), bounds.height()};
}

Point currentHome(Bar& bar) {
  Rect bounds = shownBar(bar).bounds;
  return {bounds.left, bounds.top};
}

void initialiseBar(Bar& bar) {
  bar.window.setColors(barColors(bar.system.systemTheme()));
  bar.window.placeBar(currentHome(bar), currentBarSize(bar));
  placeButtons(bar);
  bar.window.moveBar(currentHome(bar));
  createVoice(bar);
  bar.window.moveBar(currentHome(bar));
  bar.window.requestTopmost();
}

void handleCommand(Bar& bar, int controlId) {
  for (const CommandRule& rule : kCommands) {
    if (rule.id != controlId) continue;
    if (rule.beep) beep(bar);
    if (rule.findTarget) findTargetWindow(bar);
    bool performed = rule.action(bar);
    if (rule.topmost == Topmost::Yes || (rule.topmost == Topmost::WhenPerformed && performed))
      bar.window.restoreTopmost();
    return;
  }
}

void onDoubleClick(Bar& bar) {
  beep(bar);
  Point home = currentHome(bar);
  if (bar.window.barPosition().x != home.x) {
    bar.window.moveBar(home);
    return;
  }
  if (bar.buttonCount > 1) {
    hideAllGroups(bar.settings);
  } else if (bar.settings.preset != 0) {
    applyPreset(bar.settings);
  } else {
    showAllGroups(bar.settings);
  }
  layOut(bar);
  bar.window.placeBar(currentHome(bar), currentBarSize(bar));
}

void onContextMenu(Bar& bar, std::optional<Point> clickedAt) {
  beep(bar);
  if (!rightClickNarration(bar, clickedAt)) bar.window.closeBar();
}

void onSetCursor(Bar& bar) {
  if (wantsHoverSpeech(bar.settings)) hoverNarration(bar);
}

void onPlMessage(Bar& bar, long lParam) {
  if (lParam == kCloseRequest) bar.window.closeBar();
}

void onScaleChanged(Bar& bar, const Rect& suggested) {
  layOut(bar);
  bar.window.placeBar({suggested.left, suggested.top}, currentBarSize(bar));
}

void onColorsChanged(Bar& bar) { bar.window.setColors(barColors(bar.system.systemTheme())); }

void onDestroy(Bar& bar) { bar.system.broadcastPlMessage(bar.settings.exitWParam, bar.settings.exitLParam); }

}  // namespace magnora
