#include "findaro/app/shortcut_keys.h"

namespace findaro {
namespace {

constexpr int kEscape = 0x1B;
constexpr int kF2 = 0x71;

std::vector<ShortcutKey> buildTable() {
  std::vector<ShortcutKey> keys;
  keys.push_back({kEscape, false, false, 539});
  const int functionKeys[] = {546, 547, 523, 514, 569, 570, 568, 571, 541};  // F2 to F10
  for (int i = 0; i < 9; ++i) keys.push_back({kF2 + i, false, false, functionKeys[i]});
  const int letters[] = {519, 528, 520, 510, 537, 505, 506, 507, 508, 511, 512, 529, 530,
                         532, 553, 535, 538, 540, 513, 534, 533, 522, 536, 521, 509, 531};  // A to Z
  for (int i = 0; i < 26; ++i) keys.push_back({'A' + i, true, false, letters[i]});
  const int digits[] = {524, 525, 526, 527, 548, 549, 550, 554, 555};  // 1 to 9
  for (int i = 0; i < 9; ++i) keys.push_back({'1' + i, true, false, digits[i]});
  keys.push_back({'0', true, false, 556});
  const struct {
    char letter;
    int command;
  } shifted[] = {{'A', 561}, {'B', 542}, {'C', 559}, {'D', 560}, {'E', 552}, {'F', 545},
                 {'H', 543}, {'I', 567}, {'K', 551}, {'L', 557}, {'M', 558}, {'N', 518},
                 {'P', 544}, {'R', 562}, {'S', 563}, {'T', 565}, {'U', 566}, {'W', 564}};
  for (const auto& s : shifted) keys.push_back({s.letter, true, true, s.command});
  return keys;
}

}  // namespace

const std::vector<ShortcutKey>& shortcutKeys() {
  static const std::vector<ShortcutKey> table = buildTable();
  return table;
}

}  // namespace findaro
