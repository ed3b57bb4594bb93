#include "findaro/speech/tooltips.h"

#include "common/voice.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"
#include "findaro/view/tooltip_texts.h"

namespace findaro {
namespace {

constexpr int kTipsOff = 0;
constexpr int kTipsText = 1;
constexpr int kTipsSpeak = 2;
constexpr int kTipsBoth = 3;

}  // namespace

void showTooltipText(Finder& finder) { finder.tooltip.setToolbarTip(finder.tooltipText); }

void toolbarTooltipNeeded(Finder& finder, int command) {
  int mode = finder.settings.EnableToolTips;
  if (mode == kTipsOff) {
    finder.tooltipText.clear();
    showTooltipText(finder);
    finder.lastHoveredButton = 0;
    return;
  }
  // The mouse resting on the same button asks again and again; it is told once.
  if (command == finder.lastHoveredButton && command != 0) return;
  finder.tooltipText.clear();
  finder.tooltip.pop();
  finder.tooltipText = toolbarTooltipText(command);
  if (mode == kTipsText) {
    showTooltipText(finder);
  } else if (mode == kTipsSpeak) {
    speak(finder, finder.tooltipText);
  } else if (mode == kTipsBoth) {
    speak(finder, finder.tooltipText);
    showTooltipText(finder);
  }
  finder.lastHoveredButton = command;
}

void cycleTooltipMode(Finder& finder) {
  finder.lastHoveredButton = 0;
  finder.tooltipText.clear();
  showTooltipText(finder);
  int& mode = finder.settings.EnableToolTips;
  std::string message;
  switch (mode) {
    case kTipsOff:
      mode = kTipsText;
      message = "ToolTips are Text";
      break;
    case kTipsText:
      mode = kTipsSpeak;
      message = "ToolTips are Speak";
      break;
    case kTipsSpeak:
      mode = kTipsBoth;
      message = "ToolTips are Both";
      break;
    case kTipsBoth:
      mode = kTipsOff;
      message = "Tooltips are Off";
      break;
    default:
      break;  // a hand-edited mode stays, and is named with nothing
  }
  finder.voice.setRate(finder.settings.vRate);
  if (finder.settings.DisableSpeech == 0) finder.voice.speak(message, common::kSpeakAsyncPurge);
}

}  // namespace findaro
