#include "magnora/actions/speech.h"

#include "common/text.h"
#include "magnora/buttons/buttons.h"

namespace magnora {

void createVoice(Bar& bar) { bar.voice = bar.system.createVoice(); }

void speakNow(Bar& bar, const std::string& text) {
  if (bar.voice) bar.voice->speak(text, common::kSpeakAsyncPurge);
}

void nextSpeechRate(Bar& bar) {
  bar.speechRate = bar.speechRate == -3 ? 0 : bar.speechRate == 0 ? 3 : -3;
  if (bar.voice) bar.voice->setRate(bar.speechRate);
  const char* text = bar.speechRate == -3 ? "Slow speech is on!"
                     : bar.speechRate == 0 ? "Normal speech is on!"
                                           : "Fast speech is on!";
  speakNow(bar, text);
}

void speakClipboardToggle(Bar& bar) {
  if (bar.clipboardSpeaking) {
    bar.clipboardSpeaking = false;
    speakNow(bar, "");
    return;
  }
  std::string text = bar.system.clipboardText();
  if (common::trimBlanks(text).empty()) text = "Clipboard Empty";
  bar.clipboardSpeaking = true;
  speakNow(bar, text);
}

void hoverNarration(Bar& bar) {
  Point cursor = bar.window.cursorPosition();
  for (const ButtonInfo& button : buttonTable()) {
    WindowHandle window = bar.window.buttonWindow(button.id);
    if (window == 0 || window == bar.lastSpokenButton) continue;
    std::optional<Rect> rect = bar.window.buttonScreenRect(button.id);
    if (rect && rect->contains(cursor)) {
      speakNow(bar, button.hoverName);
      bar.lastSpokenButton = window;
      return;
    }
  }
}

bool rightClickNarration(Bar& bar, std::optional<Point> clickedAt) {
  Point cursor = clickedAt ? *clickedAt : bar.window.cursorPosition();
  for (const ButtonInfo& button : buttonTable()) {
    std::optional<Rect> rect = bar.window.buttonScreenRect(button.id);
    if (rect && rect->contains(cursor)) {
      speakNow(bar, button.rightClickName);
      return true;
    }
  }
  return false;
}

}  // namespace magnora
