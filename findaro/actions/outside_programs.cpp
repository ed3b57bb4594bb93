#include "findaro/actions/outside_programs.h"

#include "common/number_format.h"
#include "findaro/state/finder.h"

namespace findaro {

const char* const kHelpPageAddress = "https://www.findaro.org/help/";

std::string toolbarUtilityArguments(int useHover) {
  const int words[19] = {96, 1, 0, 1, 1, 0, 0, 0, 0, 0, useHover, 0, 0, 0, 0, 0, 1, 0, 0};
  std::string arguments;
  for (int word : words) arguments += common::formatNumber(word);
  return arguments;
}

void startToolbarUtility(Finder& finder) {
  finder.processes.startProgram(finder.files.programFolder() + "magnora.exe",
                                toolbarUtilityArguments(finder.settings.UseHover));
}

void openOnlineHelp(Finder& finder) {
  finder.processes.openWithShell(kHelpPageAddress);
  if (finder.settings.UseMagnora == 1 && finder.files.fileExists("magnora.exe")) startToolbarUtility(finder);
}

}  // namespace findaro
