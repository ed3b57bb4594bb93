// How long a search takes from Enter to the spoken count, as the user hears it:
// starts the finder in a folder, presses Enter in its search box a number of
// times and prints each wait in milliseconds. With the stand-in client told to
// write a given results file (ES_STANDIN_RESULTS), it shows what a search of a
// million results adds. Usage: search_timing <folder holding findaro.exe> <runs>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "e2e/driver_win32.h"

using namespace e2e;

namespace {

// The audio log's bytes from `from` on hold a finished search.
bool completedSince(const std::wstring& log, size_t from) {
  std::string text = readFile(log);
  return text.size() > from && text.find("Search is complete", from) != std::string::npos;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: search_timing <folder> <runs>\n");
    return 2;
  }
  std::wstring folder = argv[1];
  int runs = _wtoi(argv[2]);
  std::wstring log = folder + L"\\audio.log";
  DeleteFileW(log.c_str());
  // The focus returns to the search box after each search, so that Enter searches again.
  writeFile(folder + L"\\findaro.ini", "[All]\r\nFocusOnRE=1\r\n");
  Process finder = launch(folder + L"\\findaro.exe", L"", folder, {{L"FINDARO_AUDIO_LOG", log}});
  HWND window = waitForWindow(finder.id(), L"Findaro ", 30s);
  if (window) Sleep(3000);  // started, its first results read
  if (!window || !bringToFront(window)) {
    std::fprintf(stderr, "search_timing: the finder's search box could not be reached\n");
    return 1;
  }
  int status = 0;
  for (int run = 0; run < runs; ++run) {
    Sleep(1000);  // the finder at rest, as a user's Enter finds it
    size_t from = readFile(log).size();
    auto start = std::chrono::steady_clock::now();
    pressKey(VK_RETURN);
    while (!completedSince(log, from)) {
      if (std::chrono::steady_clock::now() - start > 120s) {
        std::fprintf(stderr, "search_timing: no search was announced as complete\n");
        status = 1;
        break;
      }
      Sleep(2);
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    // The title tells the client's part (its first figure) from the whole.
    std::printf("enter_to_count_ms %lld\n", static_cast<long long>(ms.count()));
    std::printf("title %ls\n", windowText(window).c_str());
    std::fflush(stdout);
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  finder.waitForExit(60s);
  return status;
}
