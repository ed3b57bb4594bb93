// findaro.ini as anything may leave it: every setting read within its capacity,
// and what is written reads back the same.
#include "common/text.h"
#include "findaro/state/settings_store.h"
#include "fuzz_support.h"

using namespace findaro;

namespace {

Settings read(const std::string& bytes) {
  Settings settings;
  readSettings(settings, ProfileText::parse(decodeSettingsBytes(bytes, fuzz::latin1ToUtf8)));
  return settings;
}

void checkText(const std::string& value, size_t capacity) {
  FUZZ_CHECK(common::utf16Length(value) <= capacity, "a text setting within its capacity");
  FUZZ_CHECK(value.find('\0') == std::string::npos, "a text setting ends at a NUL");
  FUZZ_CHECK(value.find_first_of("\r\n") == std::string::npos, "a text setting holds no line break");
  FUZZ_CHECK(common::isValidUtf8(value), "a text setting is UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Settings first = read(std::string(reinterpret_cast<const char*>(data), size));
  checkText(first.SearchTerm, kSearchTermCapacity);
  checkText(first.FontName, kFontNameCapacity);
  checkText(first.IgnoreList, kIgnoreListCapacity);

  std::string saved = settingsFileText(first);
  FUZZ_CHECK(common::split(saved, "\r\n").size() == savedKeyOrder().size() + 2, "one line a key, no more");
  FUZZ_CHECK(saved.find('\0') == std::string::npos, "no NUL written");
  Settings second = read(saved);
  FUZZ_CHECK(second.SearchTerm == first.SearchTerm, "SearchTerm reads back unchanged");
  FUZZ_CHECK(second.FontName == first.FontName, "FontName reads back unchanged");
  FUZZ_CHECK(second.IgnoreList == first.IgnoreList, "IgnoreList reads back unchanged");
  FUZZ_CHECK(settingsFileText(second) == saved, "every setting reads back unchanged");
  return 0;
}
