#pragma once
// The finder's voice: every word the program says goes through here.
#include <string>

namespace findaro {

struct Finder;

// Interrupts and returns at once; speaks the pending announcement first.
void speak(Finder& finder, const std::string& text);
// Interrupts and returns when the text has been said; leaves the pending
// announcement alone.
void speakAndWait(Finder& finder, const std::string& text);
void stopSpeaking(Finder& finder);
bool isSpeaking(Finder& finder);

void toggleSpeech(Finder& finder);
void cycleSpeechRate(Finder& finder);
// Hands the saved rate to the voice, so that it is heard from the first word.
void applySavedSpeechRate(Finder& finder);

void volumeUp(Finder& finder);
void volumeDown(Finder& finder);
void muteSpeakers(Finder& finder);
void clickBeep(Finder& finder);

// Speaks one cell (column 1 name, 2 folder, 3 date, 4 size) of the selected row.
void speakSelectedColumn(Finder& finder, int column);

}  // namespace findaro
