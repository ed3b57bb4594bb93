#include "magnora/buttons/buttons.h"

#include "common/number_format.h"

namespace magnora {

const std::vector<ButtonInfo>& buttonTable() {
  static const std::vector<ButtonInfo> table = {
      {id::kNewTab, "xnew", Group::Tab, " New TAB ", "New TAB", "New TAB"},
      {id::kPreviousTab, "xprev", Group::Tab, " Previous TAB ", "Previous TAB", "Previous TAB"},
      {id::kNextTab, "xnext", Group::Tab, " Next TAB ", "Next TAB", "Next TAB"},
      {id::kDeleteTab, "xmagexit", Group::Tab, " Delete TAB ", "Delete TAB", "Delete TAB"},
      {id::kTabInfo, "xinfo", Group::Tab, " TAB ", "Current TAB is 1", "TAB Information"},
      {id::kPrevious, "xprev", Group::History, " Previous ", "Previous", "Previous"},
      {id::kNext, "xnext", Group::History, " Next ", "Next", "Next"},
      {id::kZoomIn, "xplus", Group::Zoom, " Zoom In ", "Zoom In", "Zoom In"},
      {id::kZoomOut, "xminus", Group::Zoom, " Zoom Out ", "Zoom Out", "Zoom Out"},
      {id::kNoZoom, "xreset", Group::Zoom, " No Zoom (1X) ", "No Zoom", "No Zoom"},
      {id::kCopy, "xcopy", Group::Clipboard, " Copy ", "Copy", "Copy"},
      {id::kSpeakClipboard, "xspeak", Group::Clipboard, " Speak Clipboard ", "Speak Clipboard", "Speak Clipboard"},
      {id::kVolumeUp, "xvolumeup", Group::Sound, " Increase Volume ", "Increase Volume", "Increase Volume"},
      {id::kVolumeDown, "xvolumedown", Group::Sound, " Decrease Volume ", "Decrease Volume", "Decrease Volume"},
      {id::kSpeed, "xfaster", Group::Sound, " Speed ", "Speed", "Change Speed"},
      {id::kMute, "xvolumemute", Group::Sound, " Mute ", "Mute", "Mute"},
      {id::kDictation, "xvoice", Group::Dictation, " Dictation ", "Dictation", "Dictation"},
      {id::kPrintAll, "xxprint", Group::Print, " Print All ", "Print All", "Print All"},
      {id::kPrintScreen, "xxprints", Group::Print, " Print Screen ", "Print Screen", "Print Screen"},
      {id::kSetBookmark, "xbookmark", Group::Bookmark, " Set BookMark ", "Set BookMark", "Set BookMark"},
      {id::kShowBookmarks, "xbookmarks", Group::Bookmark, " Show BookMarks ", "Show BookMarks", "Show BookMarks"},
      {id::kContrast, "xcontrast", Group::Contrast, " Contrast  ", "Contrast", "Contrast"},
      {id::kOsk, "xosk", Group::Keyboard, " OSK ", "OSK", "OSK"},
      {id::kMagPlus, "xmagplus", Group::Magnifier, " Mag+ ", "Magnifier Plus", "Magnifier Plus"},
      {id::kMagMinus, "xmagminus", Group::Magnifier, " Mag- ", "Magnifier Minus", "Magnifier Minus"},
      {id::kMagExit, "xmagexit", Group::Magnifier, " Mag Exit ", "Magnifier Exit", "Magnifier Exit"},
      {id::kMagType, "xmagtype", Group::Magnifier, " Mag Type ", "Magnifier Type", "Magnifier Type"},
      {id::kCapture, "xcapture", Group::Capture, " Capture+ ", "Capture Plus", "Capture Plus"},
      {id::kClose, "logo", Group::Always, " Close ", "Exit Magnora", "Exit Magnora"},
  };
  return table;
}

const ButtonInfo* findButton(int buttonId) {
  for (const ButtonInfo& b : buttonTable())
    if (b.id == buttonId) return &b;
  return nullptr;
}

bool groupShown(const BarSettings& s, Group group) {
  switch (group) {
    case Group::Tab: return s.tab != 0;
    case Group::History: return s.history != 0;
    case Group::Zoom: return s.zoom != 0;
    case Group::Clipboard: return s.clipboard != 0;
    case Group::Sound: return s.sound != 0;
    case Group::Dictation: return s.dictation != 0;
    case Group::Print: return s.print != 0;
    case Group::Bookmark: return s.bookmark != 0;
    case Group::Contrast: return s.contrast != 0;
    case Group::Keyboard: return s.keyboard != 0;
    case Group::Magnifier: return s.magnifier != 0;
    case Group::Capture: return s.capture != 0;
    case Group::Always: return true;
  }
  return false;
}

std::string tooltipText(const ButtonInfo& button) {
  std::string text = button.tooltip;
  if (button.id == id::kTabInfo) text += common::formatNumber(kTabNumber);
  return text;
}

int buttonPixels(const BarSettings& settings, const common::Scale& scale) {
  return scale.pixels(settings.buttonSize);
}

std::vector<ButtonPlacement> visibleButtons(const BarSettings& s, const common::Scale& scale) {
  std::vector<ButtonPlacement> placed;
  const int side = buttonPixels(s, scale);
  const int grip = scale.pixels(kGripMargin);
  for (const ButtonInfo& b : buttonTable()) {
    if (!groupShown(s, b.group)) continue;
    int left = grip + side * static_cast<int>(placed.size());
    placed.push_back({b.id, b.icon, tooltipText(b), Rect{left, 0, left + side, side}, b.rightClickName});
  }
  return placed;
}

}  // namespace magnora
