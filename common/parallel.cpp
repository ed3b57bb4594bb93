#include "common/parallel.h"

#include <system_error>
#include <thread>

namespace common {

void runBoth(const std::function<void()>& first, const std::function<void()>& second) {
  std::exception_ptr secondError;
  auto guarded = [&second, &secondError] {
    try {
      second();
    } catch (...) {
      secondError = std::current_exception();
    }
  };
  std::thread helper;
  try {
    helper = std::thread(guarded);
  } catch (const std::system_error&) {
    // No thread to be had: the same work, one half after the other.
  }
  std::exception_ptr firstError;
  try {
    first();
  } catch (...) {
    firstError = std::current_exception();
  }
  if (helper.joinable()) helper.join();
  else guarded();
  if (firstError) std::rethrow_exception(firstError);
  if (secondError) std::rethrow_exception(secondError);
}

}  // namespace common
