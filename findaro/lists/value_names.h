#pragma once
// Settings named by their value, as the lists and the summary show them.
#include <initializer_list>
#include <string>

#include "common/number_format.h"

namespace findaro {

// The name of a value 0, 1, 2 ... ; a value outside the list, from a
// hand-edited file, is named with nothing.
inline std::string choiceName(int value, std::initializer_list<const char*> names) {
  if (value < 0 || value >= static_cast<int>(names.size())) return "";
  return *(names.begin() + value);
}

// A limit of results or print lines: "Unlimited" for 0, else the number with
// its leading blank.
inline std::string limitText(int limit) { return limit == 0 ? "Unlimited" : common::formatNumber(limit); }

}  // namespace findaro
