#pragma once
// One log of the calls made on the fakes of the window's parts, in the order made,
// so that tests can check the order across controls.
#include <algorithm>
#include <string>
#include <vector>

namespace testing_support {

struct CallLog {
  std::vector<std::string> calls;

  void log(const std::string& entry) { calls.push_back(entry); }
  bool called(const std::string& entry) const {
    return std::find(calls.begin(), calls.end(), entry) != calls.end();
  }
  // Position of the first such call, or -1.
  int indexOf(const std::string& entry) const {
    auto it = std::find(calls.begin(), calls.end(), entry);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
  }
  void clear() { calls.clear(); }
};

}  // namespace testing_support
