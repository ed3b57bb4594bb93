#pragma once
// The colours of the large-print controls and their named schemes.
#include <string>

namespace findaro {

struct Finder;
struct Settings;

// Colour values as the system takes them, red in the low byte.
constexpr int kColorYellow = 65535;
constexpr int kColorBlue = 16711680;
constexpr int kColorWhite = 16777215;
constexpr int kColorBlack = 0;

// The scheme is named by its background alone; an unnamed one gives "".
std::string colorSchemeName(const Settings& settings);
// Yellow on blue, black on white, white on black, and round again. Any other
// background (a yellow one from the INI file) stays as it is.
void cycleColorScheme(Finder& finder);
// Gives FG and BG to the search box and the results list, and the tip its
// black on white; under high contrast the system's colours instead.
void applyColors(Finder& finder);
// White, black, blue behind the previewed picture, said and shown at once.
void cycleImageBackground(Finder& finder);

}  // namespace findaro
