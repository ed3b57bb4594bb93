#include "magnora/buttons/bar_settings.h"

#include "common/number_format.h"

namespace magnora {

std::vector<std::string> splitCommandWords(std::string_view tail) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < tail.size()) {
    if (tail[i] == ' ') {
      ++i;
      continue;
    }
    if (tail[i] == '"') {
      size_t close = tail.find('"', i + 1);
      size_t end = close == std::string_view::npos ? tail.size() : close;
      std::string_view word = tail.substr(i + 1, end - i - 1);
      if (!word.empty()) words.emplace_back(word);
      i = close == std::string_view::npos ? tail.size() : close + 1;
      continue;
    }
    size_t end = tail.find(' ', i);
    if (end == std::string_view::npos) end = tail.size();
    words.emplace_back(tail.substr(i, end - i));
    i = end;
  }
  return words;
}

BarSettings readBarSettings(std::string_view tail) {
  std::vector<std::string> words = splitCommandWords(tail);
  auto word = [&words](size_t n) { return n <= words.size() ? common::readNumber(words[n - 1]) : 0; };
  BarSettings s;
  s.buttonSize = word(1);
  s.history = word(2);
  s.zoom = word(3);
  s.clipboard = word(4);
  s.print = word(5);
  s.bookmark = word(6);
  s.contrast = word(7);
  s.keyboard = word(8);
  s.magnifier = word(9);
  s.capture = word(10);
  s.hoverMode = word(11);
  s.sound = word(12);
  s.preset = word(13);
  s.exitLParam = word(14);
  s.exitWParam = word(15);
  s.tab = word(16);
  s.monitor = word(17);
  s.dictation = word(19);
  if (s.monitor < 1) s.monitor = 1;
  if (s.preset != 0) applyPreset(s);
  return s;
}

void applyPreset(BarSettings& s) {
  s.history = 0;
  s.zoom = 0;
  s.clipboard = 1;
  s.sound = 0;
  s.print = 1;
  s.bookmark = 0;
  s.contrast = 1;
  s.keyboard = 0;
  s.magnifier = 1;
  s.capture = 1;
}

namespace {

template <typename Each>
void forEachGroup(BarSettings& s, Each each) {
  for (int* flag : {&s.tab, &s.history, &s.zoom, &s.clipboard, &s.sound, &s.dictation, &s.print, &s.bookmark,
                    &s.contrast, &s.keyboard, &s.magnifier, &s.capture})
    each(*flag);
}

// A group word of 2 or -1 shows the group's buttons once, so it counts once: the
// bar's width then always matches the buttons on it.
int shown(int flag) { return flag != 0 ? 1 : 0; }

}  // namespace

void hideAllGroups(BarSettings& s) {
  forEachGroup(s, [](int& flag) { flag = 0; });
}

void showAllGroups(BarSettings& s) {
  forEachGroup(s, [](int& flag) { flag = 1; });
}

int recount(BarSettings& s) {
  int count = 5 * shown(s.tab) + 2 * shown(s.history) + 3 * shown(s.zoom) + 2 * shown(s.clipboard) +
              4 * shown(s.sound) + shown(s.dictation) + 2 * shown(s.print) + 2 * shown(s.bookmark) +
              shown(s.contrast) + shown(s.keyboard) + 4 * shown(s.magnifier) + shown(s.capture) + 1;
  if (s.buttonSize <= 0) s.buttonSize = kDefaultButtonSize;
  if (s.buttonSize > kLargestButtonSize) s.buttonSize = kLargestButtonSize;
  if (s.buttonSize == kDefaultButtonSize && count > kMostButtonsAtDefaultSize) s.buttonSize = kReducedButtonSize;
  return count;
}

bool wantsTooltips(const BarSettings& s) { return s.hoverMode == 1 || s.hoverMode == 3; }

bool wantsHoverSpeech(const BarSettings& s) { return s.hoverMode >= 2; }

}  // namespace magnora
