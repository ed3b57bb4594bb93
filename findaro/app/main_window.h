#pragma once
// The main window's life: what happens when it initialises, once it is on screen,
// and when it goes away. The Win32 window procedure calls these.
#include <string>

namespace findaro {

struct Finder;

std::string welcomeText();
std::string buildStampText(const std::string& date, const std::string& time);
std::string windowTitle(const Finder& finder);

// Window initialisation, after the graphics library and the counter are ready.
void initialiseWindow(Finder& finder);
// The private start-up step: the list position, the greeting, the focus.
void onStartupStep(Finder& finder);
// The window is being destroyed: keep the list position, save, say goodbye.
void onWindowDestroyed(Finder& finder);
// The window now shows on a display of another scale: fonts, pictures and
// places anew at that scale.
void onScaleChanged(Finder& finder);
// The system's colours or its high-contrast setting changed.
void onSystemColorsChanged(Finder& finder);

}  // namespace findaro
