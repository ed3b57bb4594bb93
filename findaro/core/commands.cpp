#include "findaro/core/commands.h"

#include "common/number_format.h"
#include "findaro/core/finder.h"
#include "findaro/core/layout.h"
#include "findaro/core/toolbar.h"
#include "findaro/lists/colors.h"
#include "findaro/lists/font_size.h"
#include "findaro/search/search_run.h"
#include "findaro/speech/speech.h"

namespace findaro {

namespace {

void search(Finder& finder, int searchType) {
  clickBeep(finder);
  finder.settings.SearchType = searchType;
  runSearch(finder);
}

void stepFontSize(Finder& finder, int step) {
  changeFontSize(finder, step);
  applyColors(finder);
  layoutWindow(finder);
}

}  // namespace

void handleCommand(Finder& finder, int command, int /*code*/) {
  switch (command) {
    case 1:
      clickBeep(finder);
      if (finder.window.focus() == Focus::ResultsList) break;  // the file actions open the selected file
      finder.searchBox.focus();
      finder.settings.SearchType = kModeFiles;
      runSearch(finder);
      break;
    case 505:
    case 506:
    case 507:
    case 508:
      search(finder, command - 504);
      break;
    case 517:
      clickBeep(finder);
      finder.window.closeWindow();
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
    case 540:
      clickBeep(finder);
      fitColumnsToContent(finder);
      speak(finder, "Columns Resized");
      break;
    case 554:
      cycleSpeechRate(finder);
      break;
    case 557:
      stepFontSize(finder, 4);
      break;
    case 558:
      stepFontSize(finder, -4);
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
