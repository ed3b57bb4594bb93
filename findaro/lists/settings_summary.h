#pragma once
// The one-line summary of the main settings, written into the title bar.
#include <string>

namespace findaro {

struct Finder;
struct Settings;

// The pieces run together: "  Letters-Letters  ExcludeSystem-On ...".
std::string settingsSummaryText(const Settings& settings);
// "Findaro 4.1", three blanks and the summary, as the window's title.
void showSettingsSummary(Finder& finder);

}  // namespace findaro
