#pragma once
// The bar's settings: all of them arrive on the command line, as 19 numeric
// words, and nothing is kept between runs.
#include <string>
#include <string_view>
#include <vector>

namespace magnora {

constexpr int kDefaultButtonSize = 128;
constexpr int kReducedButtonSize = 96;
// More buttons than this at the default size would not fit a common screen.
constexpr int kMostButtonsAtDefaultSize = 14;
// Keeps every width and position well inside 32 bits, whatever the words say.
constexpr int kLargestButtonSize = 1024;

struct BarSettings {
  int buttonSize = 0;   // word 1
  int history = 0;      // word 2
  int zoom = 0;         // word 3
  int clipboard = 0;    // word 4
  int print = 0;        // word 5
  int bookmark = 0;     // word 6
  int contrast = 0;     // word 7
  int keyboard = 0;     // word 8
  int magnifier = 0;    // word 9
  int capture = 0;      // word 10
  int hoverMode = 0;    // word 11
  int sound = 0;        // word 12
  int preset = 0;       // word 13
  int exitLParam = 0;   // word 14
  int exitWParam = 0;   // word 15
  int tab = 0;          // word 16
  int monitor = 0;      // word 17 (word 18 is not read)
  int dictation = 0;    // word 19
};

// Blanks separate words, runs of blanks counting as one; a word that begins with
// a double quote runs to the next one, without the quotes; "" is no word at all.
std::vector<std::string> splitCommandWords(std::string_view tail);

// The settings of a command tail: each word's leading number, 0 for a word that
// is missing or not a number; the monitor number is at least 1; the preset
// layout is applied when asked for.
BarSettings readBarSettings(std::string_view tail);

// Clipboard, print, contrast, magnifier and capture on, the rest of the twelve
// groups off except tab and dictation, which keep what they had.
void applyPreset(BarSettings& settings);
void hideAllGroups(BarSettings& settings);
void showAllGroups(BarSettings& settings);

// The number of buttons shown (the close button included), with the size rule
// applied to the settings: no size means 128, and 128 with more than 14 buttons
// becomes 96.
int recount(BarSettings& settings);

bool wantsTooltips(const BarSettings& settings);
bool wantsHoverSpeech(const BarSettings& settings);

}  // namespace magnora
