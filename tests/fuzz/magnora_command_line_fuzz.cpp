// magnora's command words as any caller may give them: settings in their ranges,
// a bar that fits in 32 bits.
#include "common/number_format.h"
#include "fuzz_support.h"
#include "magnora/buttons/bar_settings.h"

using namespace magnora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string tail(reinterpret_cast<const char*>(data), size);
  for (const std::string& word : splitCommandWords(tail)) {
    FUZZ_CHECK(!word.empty(), "no empty word");
    FUZZ_CHECK(tail.find(word) != std::string::npos, "a word is a piece of the tail");
  }
  BarSettings settings = readBarSettings(tail);
  FUZZ_CHECK(settings.monitor >= 1, "the monitor is at least 1");
  int buttons = recount(settings);
  FUZZ_CHECK(buttons >= 1 && buttons <= 32, "between the close button and every button");
  FUZZ_CHECK(settings.buttonSize >= 1 && settings.buttonSize <= kLargestButtonSize, "a button size in range");
  FUZZ_CHECK(static_cast<long long>(buttons) * settings.buttonSize < (1LL << 31), "the bar's width fits 32 bits");
  return 0;
}
