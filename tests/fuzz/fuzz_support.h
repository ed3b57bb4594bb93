#pragma once
// What every harness shares: a check that names the broken property and stops,
// and a way to cut one input into the several texts a reader takes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that does not hold is a finding like a crash: libFuzzer keeps the
// input, and the replay of the committed inputs fails.
#define FUZZ_CHECK(condition, what)                                                              \
  do {                                                                                           \
    if (!(condition)) {                                                                          \
      std::fprintf(stderr, "property broken: %s (%s:%d: %s)\n", what, __FILE__, __LINE__, #condition); \
      std::abort();                                                                              \
    }                                                                                            \
  } while (0)

namespace fuzz {

// The input read from the front: a byte, a number, a text of a length the
// input gives itself, then the rest.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  uint8_t byte() {
    if (rest_.empty()) return 0;
    uint8_t b = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  // A text whose length is the next byte (so up to 255 bytes).
  std::string shortText() { return take(byte()); }
  // A text whose length is the next two bytes.
  std::string text() {
    size_t length = byte();
    length |= static_cast<size_t>(byte()) << 8;
    return take(length);
  }
  std::string rest() {
    std::string all(rest_);
    rest_ = {};
    return all;
  }

 private:
  std::string take(size_t length) {
    std::string piece(rest_.substr(0, length));
    rest_.remove_prefix(piece.size());
    return piece;
  }
  std::string_view rest_;
};

// The system's ANSI code page as a Western one: each byte the Latin-1 character.
std::string latin1ToUtf8(const std::string& bytes);

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
