#include "findaro/speech/search_box_narration.h"

#include "findaro/speech/character_names.h"
#include "findaro/speech/key_names.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

constexpr int kBackspace = 8;
constexpr int kCapsLock = 20;
constexpr int kSpace = 32;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kDelete = 46;

// Narration modes: 1 names each key, 2 says each word, 3 does both.
bool namesKeys(int mode) { return mode == 1 || mode == 3; }
bool saysWords(int mode) { return mode == 2 || mode == 3; }

void echoKey(Finder& finder, int mode) {
  if (namesKeys(mode)) speak(finder, finder.lastKeyName);
  if (saysWords(mode)) finder.wordBuffer += finder.lastKeyChar;
}

void dropLastTyped(Finder& finder) {
  if (!finder.wordBuffer.empty()) finder.wordBuffer.pop_back();
}

// With a selection, Delete and Backspace remove the selection, so that is what is
// named; otherwise the one character on the key's side of the caret.
std::string removedText(Finder& finder, bool afterCaret) {
  TextSelection s = finder.searchBox.selection();
  if (s.end > s.start) return finder.searchBox.textRange(s.start, s.end);
  return afterCaret ? charAfterCaret(finder) : charBeforeCaret(finder);
}

void sayWord(Finder& finder, int mode) {
  std::string text;
  if (namesKeys(mode)) text = finder.lastKeyName + " : ";
  if (saysWords(mode)) text += finder.wordBuffer;
  speak(finder, text);
  finder.wordBuffer.clear();
}

}  // namespace

std::string charBeforeCaret(Finder& finder) {
  int start = finder.searchBox.selection().start;
  return start > 0 ? finder.searchBox.textRange(start - 1, start) : std::string();
}

std::string charAfterCaret(Finder& finder) {
  int end = finder.searchBox.selection().end;
  return end >= 0 ? finder.searchBox.textRange(end, end + 1) : std::string();
}

bool onSearchBoxChar(Finder& finder, int character) {
  if (character <= 0 || !isRefusedCharacter(static_cast<char32_t>(character))) return false;
  std::string text(1, static_cast<char>(character));
  speak(finder, describeCharacter(finder, text) + " : Invalid Search String Character");
  return true;
}

void onSearchBoxKeyDown(Finder& finder, int virtualKey) {
  int mode = finder.settings.EnableSpeakLetters;
  if (mode == 0) return;
  keyName(finder, virtualKey);
  // A key held with Control types nothing, so it must not add to the word.
  if (keyEchoes(virtualKey, finder.keyboard.shiftDown()) && !finder.keyboard.controlDown()) echoKey(finder, mode);
  switch (virtualKey) {
    case kDelete:
      speak(finder, "Delete " + describeCharacter(finder, removedText(finder, true)));
      dropLastTyped(finder);
      break;
    case kBackspace:
      speak(finder, "Erase " + describeCharacter(finder, removedText(finder, false)));
      dropLastTyped(finder);
      break;
    case kSpace:
      sayWord(finder, mode);
      break;
    default:
      break;
  }
}

void onSearchBoxKeyUp(Finder& finder, int virtualKey) {
  bool control = finder.keyboard.controlDown();
  switch (virtualKey) {
    case kLeft:
      speak(finder, "Left Arrow : " + describeCharacter(finder, charAfterCaret(finder)));
      break;
    case kRight:
      speak(finder, "Right Arrow : " + describeCharacter(finder, charBeforeCaret(finder)));
      break;
    case kCapsLock:
      speak(finder, finder.keyboard.capsLockOn() ? "Cap ON" : "Cap OFF");
      break;
    case kHome:
      speak(finder, control ? "Control Home : Start of Line : " : "Home Key : Start of Line : ");
      break;
    case kEnd:
      speak(finder, control ? "Control End : End of Line : " : "End Key : End of Line : ");
      break;
    default:
      break;
  }
}

}  // namespace findaro
