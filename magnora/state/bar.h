#pragma once
// The program-wide state of one run of the bar, with the seams it acts through.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/voice.h"
#include "magnora/buttons/bar_settings.h"
#include "magnora/system/printer.h"
#include "magnora/system/system.h"
#include "magnora/window/bar_window.h"

namespace magnora {

constexpr const char* kVersion = "7.7";
constexpr const char* kCaptionPrefix = "Pagelume Close Browser ";
// "plmessage" with this lParam asks the bar to close.
constexpr long kCloseRequest = 64;
constexpr int kBeepHertz = 250;
constexpr int kBeepMilliseconds = 300;

struct Bar {
  Bar(BarWindow& w, System& s, Printer& p) : window(w), system(s), printer(p) {}

  BarWindow& window;
  System& system;
  Printer& printer;
  std::unique_ptr<common::Voice> voice;  // none until createVoice

  BarSettings settings;
  int buttonCount = 1;
  WindowHandle target = 0;
  WindowHandle lastSpokenButton = 0;
  bool clipboardSpeaking = false;
  bool magnifierStarted = false;
  int magnifierView = 0;
  int speechRate = 0;
  std::string copiedText;
};

inline void beep(Bar& bar) { bar.system.beep(kBeepHertz, kBeepMilliseconds); }

}  // namespace magnora
