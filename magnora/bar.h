#pragma once
// The program-wide state of one run of the bar, with the seams it acts through,
// and the bar's own handlers: start-up, commands, the mouse, messages and exit.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/voice.h"
#include "magnora/bar_settings.h"
#include "magnora/bar_window.h"
#include "magnora/printer.h"
#include "magnora/system.h"

namespace magnora {

constexpr const char* kVersion = "7.7";
constexpr const char* kCaptionPrefix = "Pagelume Close Browser ";
constexpr const char* kPlMessage = "plmessage";
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

std::string caption();

// The settings from the command tail and the first count.
void readSettings(Bar& bar, std::string_view commandTail);
Size currentBarSize(const Bar& bar);
Point currentHome(Bar& bar);

// The bar's set-up once its window exists: buttons, tooltips, home, voice, and
// the request to be topmost once on screen.
void initialiseBar(Bar& bar);

void beep(Bar& bar);
void handleCommand(Bar& bar, int controlId);
void onDoubleClick(Bar& bar);
// The point is where the click was; none when the menu key was pressed.
void onContextMenu(Bar& bar, std::optional<Point> clickedAt = std::nullopt);
void onSetCursor(Bar& bar);
void onPlMessage(Bar& bar, long lParam);
void onDestroy(Bar& bar);

}  // namespace magnora
