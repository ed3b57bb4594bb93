// Replays inputs through one harness without libFuzzer: every file named, and
// every file in every folder named, in name order. Used by `make test` to keep
// the committed corpus and every input that ever failed passing.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

// The input being replayed, named when a check or a crash stops the run.
char current[4096];

extern "C" void nameTheInput(int signal) {
  const char* lead = "failing input: ";
  ssize_t ignored = write(2, lead, std::strlen(lead));
  ignored = write(2, current, std::strlen(current));
  ignored = write(2, "\n", 1);
  (void)ignored;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& place) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(place)) {
    for (const auto& entry : std::filesystem::directory_iterator(place))
      if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
    std::sort(files.begin(), files.end());
  } else if (std::filesystem::is_regular_file(place)) {
    files.push_back(place);
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, nameTheInput);
  // The sanitizers end a run without a signal; then each input is named first.
  bool nameEach = std::getenv("FUZZ_REPLAY_VERBOSE") != nullptr;
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const std::filesystem::path& file : inputsIn(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      std::snprintf(current, sizeof(current), "%s", file.string().c_str());
      if (nameEach) std::fprintf(stderr, "%s\n", current);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("%s: %zu inputs replayed\n", argc > 0 ? argv[0] : "replay", replayed);
  return replayed > 0 ? 0 : 1;
}
