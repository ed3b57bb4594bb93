// How fast a million results are read, sorted and shown. Run with `make bench`.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "common/text.h"
#include "findaro/records/results_reader.h"
#include "findaro/state/finder.h"
#include "findaro/view/result_cells.h"
#include "support/fake_finder.h"

using namespace findaro;

namespace {

constexpr int kRows = 1000000;

// A results file as the client writes it: size, date, quoted path; about 110
// bytes a line, a few names outside ASCII and a few folders.
const std::string& resultsPath() {
  static const std::string path = [] {
    std::string file = "/tmp/findaro-bench-results.txt";
    std::mt19937 engine(42);
    auto random = [&engine] { return static_cast<unsigned>(engine()); };
    const char* words[] = {"Report", "Holiday", "Invoice", "Photo", "Budget", "Letter", "Notes", "Music",
                           "Project", "Backup", "Draft", "Final", "Scan", "Recipe", "Map", "\xC3\x84rger"};
    const char* extensions[] = {".docx", ".jpg", ".pdf", ".txt", ".mp3", ".xlsx", ".png", ".zip"};
    // Written line by line, so that the peak memory measured is the reader's own.
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fputs("Size,Date Modified,Filename\r\n", out);
    char line[512];
    for (int i = 0; i < kRows; ++i) {
      bool folder = random() % 20 == 0;
      std::string size = folder ? "" : std::to_string(static_cast<unsigned long long>(random()) * 2 % 5000000000ULL);
      std::snprintf(line, sizeof line, "%s,%02u/%02u/%04u %02u:%02u,\"C:\\Users\\Ann\\Documents\\%s Archive\\%s %u\\%s and %s_%06d%s\"\r\n",
                    size.c_str(), 1 + random() % 12, 1 + random() % 28, 2000 + random() % 25, random() % 24,
                    random() % 60, words[random() % 16], words[random() % 16], random() % 100,
                    words[random() % 16], words[random() % 16], static_cast<int>(random() % 1000000u), folder ? "" : extensions[random() % 8]);
      std::fputs(line, out);
    }
    std::fclose(out);
    return file;
  }();
  return path;
}

// Read as the program reads it: one buffer of the file's size, filled at once.
common::PageBuffer readWhole(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::fseek(f, 0, SEEK_END);
  common::PageBuffer bytes(static_cast<size_t>(std::ftell(f)));
  std::fseek(f, 0, SEEK_SET);
  bytes.setSize(std::fread(bytes.data(), 1, bytes.capacity(), f));
  std::fclose(f);
  return bytes;
}

ResultsFileRules rules() {
  ResultsFileRules r;
  auto* locale = new testing_support::FakeLocale;  // lives for the run
  r.lowerCase = [locale](std::string_view run) { return locale->lowerCase(std::string(run)); };
  return r;
}

ResultRecords loadAll() {
  ReadResults read = readResultsText(readWhole(resultsPath()), rules());
  ResultRecords records;
  records.adopt(std::move(read.text), std::move(read.records));
  return records;
}

void LoadMillionRows(benchmark::State& state) {
  readWhole(resultsPath());  // the file in the page cache
  size_t records = 0;
  size_t bytes = 0;
  for (auto _ : state) {
    ResultRecords loaded = loadAll();
    records = static_cast<size_t>(loaded.count());
    bytes = loaded.memoryBytes();
    benchmark::DoNotOptimize(loaded);
  }
  common::PageBuffer file = readWhole(resultsPath());
  state.counters["rows"] = static_cast<double>(records);
  state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
  state.counters["record_bytes"] = static_cast<double>(sizeof(PackedRecord));
  state.counters["held_MB"] = static_cast<double>(bytes) / 1e6;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}
BENCHMARK(LoadMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

// The part of a load that is only the operating system handing over the file.
void ReadFileOnly(benchmark::State& state) {
  readWhole(resultsPath());
  for (auto _ : state) {
    common::PageBuffer bytes = readWhole(resultsPath());
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(ReadFileOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

void SortBy(benchmark::State& state) {
  const int column = static_cast<int>(state.range(0));
  ResultRecords original = loadAll();
  for (auto _ : state) {
    state.PauseTiming();
    ResultRecords records = original;
    state.ResumeTiming();
    records.sortByColumn(column, false);
    benchmark::DoNotOptimize(records);
  }
  state.SetLabel(column == 1 ? "name" : column == 2 ? "folder" : column == 3 ? "date" : "size");
}
BENCHMARK(SortBy)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5);

void CellText(benchmark::State& state) {
  testing_support::FakeFinder parts;
  Finder& finder = parts.finder;
  finder.results = loadAll();
  std::mt19937 random(1);
  int column = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::string text = cellText(finder, 1 + static_cast<int>(random() % kRows), column);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(CellText)->DenseRange(1, 4)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
