// How fast a million results are read, sorted and shown. Run with `make bench`.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// The peer: a well-known fast CSV parser, reading the same file into strings.
// Built only where its header is installed (Debian's libfccp-dev).
#if __has_include(<libfccp/csv.h>)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-truncation"
#include <libfccp/csv.h>
#pragma GCC diagnostic pop
#define FINDARO_BENCH_PEER 1
#endif

#include "common/parallel.h"
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
    // On the disk before anything is measured, so that no measurement shares the
    // machine with the system writing it out.
    std::fflush(out);
    fsync(fileno(out));
    std::fclose(out);
    return file;
  }();
  return path;
}

// Read as the program reads it: one buffer of the file's size, its halves taken
// and filled on both cores.
common::PageBuffer readWhole(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  struct stat st{};
  fstat(fd, &st);
  common::PageBuffer bytes(static_cast<size_t>(st.st_size));
  common::fillInHalves(bytes, [fd](int, size_t offset, char* data, size_t length) -> size_t {
    ssize_t n = pread(fd, data, length, static_cast<off_t>(offset));
    return n > 0 ? static_cast<size_t>(n) : 0;
  });
  close(fd);
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
  records.adopt(std::move(read.text), std::move(read.records), read.dates);
  return records;
}

// Milliseconds per run of each benchmark, for the ratios: each benchmark times
// its own work, so a ratio compares figures of the same run of the program.
std::map<std::string, double>& figures() {
  static std::map<std::string, double> all;
  return all;
}

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void keep(const std::string& name, double totalMs, benchmark::State& state) {
  if (state.iterations() > 0) figures()[name] = totalMs / static_cast<double>(state.iterations());
}

// A ratio to a figure measured earlier in this run, 0 when there is none.
double ratio(const std::string& numerator, const std::string& denominator) {
  auto n = figures().find(numerator);
  auto d = figures().find(denominator);
  return n == figures().end() || d == figures().end() || d->second <= 0 ? 0.0 : n->second / d->second;
}

// The part of a load that is only the operating system handing over the file.
void ReadFileOnly(benchmark::State& state) {
  readWhole(resultsPath());
  readWhole(resultsPath());  // the first run of a process also takes its memory from the system
  double total = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    common::PageBuffer bytes = readWhole(resultsPath());
    benchmark::DoNotOptimize(bytes.data());
    total += millisecondsSince(start);
  }
  keep("read", total, state);
}
BENCHMARK(ReadFileOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef FINDARO_BENCH_PEER
// The same file read by the peer, row by row, into the three texts of a row:
// name (the path), size and date. It keeps no row: the stricter comparison.
void PeerParserLoad(benchmark::State& state) {
  readWhole(resultsPath());
  size_t rows = 0;
  double total = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    io::CSVReader<3, io::trim_chars<>, io::double_quote_escape<',', '"'>> in(resultsPath());
    in.read_header(io::ignore_extra_column, "Size", "Date Modified", "Filename");
    std::string name, size, date;
    size_t read = 0;
    size_t bytes = 0;
    while (in.read_row(size, date, name)) {
      ++read;
      bytes += name.size() + size.size() + date.size();
    }
    rows = read;
    benchmark::DoNotOptimize(bytes);
    total += millisecondsSince(start);
  }
  keep("peer", total, state);
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(PeerParserLoad)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

void LoadMillionRows(benchmark::State& state) {
  readWhole(resultsPath());  // the file in the page cache
  size_t records = 0;
  size_t bytes = 0;
  double total = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    ResultRecords loaded = loadAll();
    total += millisecondsSince(start);
    records = static_cast<size_t>(loaded.count());
    bytes = loaded.memoryBytes();
    benchmark::DoNotOptimize(loaded);
  }
  keep("load", total, state);
  common::PageBuffer file = readWhole(resultsPath());
  state.counters["rows"] = static_cast<double>(records);
  state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
  state.counters["record_bytes"] = static_cast<double>(sizeof(PackedRecord));
  state.counters["held_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["held_x_file"] = static_cast<double>(bytes) / static_cast<double>(file.size());
  state.counters["x_read"] = ratio("load", "read");
  state.counters["peer_x"] = ratio("peer", "load");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}
BENCHMARK(LoadMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

const char* columnName(int column) {
  return column == 1 ? "name" : column == 2 ? "folder" : column == 3 ? "date" : "size";
}

void SortBy(benchmark::State& state) {
  const int column = static_cast<int>(state.range(0));
  ResultRecords original = loadAll();
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResultRecords records = original;
    state.ResumeTiming();
    Clock::time_point start = Clock::now();
    records.sortByColumn(column, false);
    total += millisecondsSince(start);
    benchmark::DoNotOptimize(records);
  }
  std::string name = std::string("sort ") + columnName(column);
  keep(name, total, state);
  state.counters["x_read"] = ratio(name, "read");
  state.SetLabel(columnName(column));
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

// The figures the targets speak of, side by side, after the runs.
void printSummary() {
  auto figure = [](const char* name) {
    auto it = figures().find(name);
    return it == figures().end() ? 0.0 : it->second;
  };
  std::printf("\nsummary (ms per run): load %.1f, peer %.1f, bare read %.1f\n", figure("load"), figure("peer"),
              figure("read"));
  std::printf("  peer/load %.2fx (at least 3), load/read %.2fx (at most 6)\n", ratio("peer", "load"),
              ratio("load", "read"));
  std::printf("  sort by name %.1f ms = %.2fx read (at most 5), by folder %.1f ms = %.2fx read (at most 8),"
              " by date %.1f ms, by size %.1f ms\n",
              figure("sort name"), ratio("sort name", "read"), figure("sort folder"), ratio("sort folder", "read"),
              figure("sort date"), figure("sort size"));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printSummary();
  return 0;
}
