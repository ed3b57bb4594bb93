#include "findaro/core/commands.h"

#include "common/number_format.h"
#include "findaro/core/finder.h"
#include "findaro/core/toolbar.h"
#include "findaro/speech/speech.h"

namespace findaro {

void handleCommand(Finder& finder, int command, int /*code*/) {
  switch (command) {
    case 517:
      clickBeep(finder);
      finder.screen.closeWindow();
      break;
    case 518:
      nextToolbarPage(finder);
      break;
    case 524:
    case 525:
    case 526:
    case 527:
      speakSelectedColumn(finder, command - 523);
      break;
    case 537:
      clickBeep(finder);
      cycleIconSize(finder);
      speak(finder, "Icon Size is " + common::formatNumber(finder.settings.IconSize));
      break;
    case 554:
      cycleSpeechRate(finder);
      break;
    case 568:
      muteSpeakers(finder);
      break;
    case 569:
      volumeUp(finder);
      speak(finder, "Louder");
      break;
    case 570:
      volumeDown(finder);
      speak(finder, "Softer");
      break;
    case 571:
      toggleSpeech(finder);
      break;
    default:
      break;  // a command not in the table does nothing
  }
}

}  // namespace findaro
