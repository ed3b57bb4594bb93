#pragma once
// Work split in two halves, one on a second thread: the big loads and sorts of a
// search with a million results use both cores of a small machine.
#include <cstddef>
#include <exception>
#include <functional>

namespace common {

// Runs both, `second` on a thread of its own when one can be had (else after
// `first`); returns when both have ended. An exception of either is thrown here,
// after both have ended.
void runBoth(const std::function<void()>& first, const std::function<void()>& second);

// Below this much work a second thread costs more than it saves.
constexpr size_t kWorthASecondThread = 1u << 16;

}  // namespace common
