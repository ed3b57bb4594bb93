#include <gtest/gtest.h>

#include <chrono>

#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

const std::string kPreviousResults = "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\Old\\Kept.txt\"\r\n";

// A hidden window of the given class, as the search engine keeps one.
class EngineWindow {
 public:
  explicit EngineWindow(const wchar_t* className) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, className, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~EngineWindow() { DestroyWindow(window_); }
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

const char* kArguments =
    " !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
    "-export-csv results.txt texas";

// A small tree for the stand-in client: two names with "texas", the newer first.
std::wstring makeTree(const ScratchFolder& folder) {
  std::wstring tree = folder.file(L"tree");
  for (const wchar_t* dir : {L"", L"\\maps", L"\\music", L"\\texas"}) CreateDirectoryW((tree + dir).c_str(), nullptr);
  writeFile(tree + L"\\music\\Yellow Rose of Texas.mp3", "la la");
  writeFile(tree + L"\\maps\\Texas.png", "png");
  writeFile(tree + L"\\texas\\notes.txt", "not matched: the name lacks the word");
  FILETIME older{0x10000000, 0x01D9E000};
  HANDLE song = CreateFileW((tree + L"\\music\\Yellow Rose of Texas.mp3").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(song, nullptr, nullptr, &older);
  CloseHandle(song);
  return tree;
}

}  // namespace

TEST(FinderSearch, EnterSearchesSpeaksAndTheNextStartBringsTheRowsBack) {
  ScratchFolder folder;
  std::wstring tree = makeTree(folder);
  {
    FinderSession finder(folder);
    finder.environment[L"ES_STANDIN_ROOTS"] = tree;
    ASSERT_TRUE(finder.startReadyForKeys());
    pressKey(VK_RETURN);
    ASSERT_TRUE(finder.waitToSay("Search is complete"));

    std::vector<std::string> said = finder.audioLog();
    auto at = [&said](const std::string& line) { return std::find(said.begin(), said.end(), line) - said.begin(); };
    auto announced = at("Speak 2 Searching for files matching texas");
    auto complete = at("Speak 3 Search is complete : 2 Matches : texas.png");
    EXPECT_LT(announced, static_cast<long>(said.size()));
    EXPECT_LT(complete, static_cast<long>(said.size()));
    EXPECT_LT(announced, complete);

    EXPECT_EQ(clipboardText(), kArguments);
    std::string title = narrow(finder.title());
    EXPECT_EQ(title.rfind("Findaro 4.1    ", 0), 0u) << title;
    EXPECT_NE(title.find(std::string(" sec  ") + " ... " + kArguments), std::string::npos) << title;
    EXPECT_EQ(narrow(finder.statusText()).rfind("     1  texas.png  ", 0), 0u) << narrow(finder.statusText());

    HWND list = finder.control(501);
    EXPECT_EQ(listRowCount(list), 2);
    EXPECT_EQ(listCellText(list, 1, 1), L"texas.png");
    EXPECT_EQ(listCellText(list, 2, 1), L"yellow rose of texas.mp3");
    EXPECT_EQ(listCellText(list, 1, 4), L"1 KB");
    // The list has the focus after a search: Down selects and speaks the second row.
    pressKey(VK_DOWN, true);
    ASSERT_TRUE(waitUntil([&] { return listSelectedRow(list) == 2; }, 10s));
    EXPECT_TRUE(finder.waitToSay("yellow rose of texas.mp3"));
    ASSERT_TRUE(finder.close());
  }
  DeleteFileW(folder.file(L"audio.log").c_str());
  FinderSession again(folder);
  again.environment[L"ES_STANDIN_ROOTS"] = tree;
  ASSERT_TRUE(again.start());
  HWND list = again.control(501);
  ASSERT_TRUE(again.waitToSay("SearchBox has focus"));
  EXPECT_EQ(listRowCount(list), 2);
  EXPECT_EQ(listCellText(list, 1, 1), L"texas.png");
  EXPECT_EQ(listSelectedRow(list), 2);
  EXPECT_TRUE(again.said("Speak 3 Welcome to Findaro, version 4.1!SearchBox has focus. Search term is texas"));
  ASSERT_TRUE(again.close());
}

TEST(FinderSearch, WithoutTheClientThePreviousResultsStayAndTheUserHearsWhy) {
  ScratchFolder folder;
  const std::string previous = "Size,Date Modified,Filename\r\n5,01/02/2024 03:04,\"C:\\Old\\Kept.txt\"\r\n";
  writeFile(folder.file(L"results.txt"), previous);
  FinderSession finder(folder);
  finder.standinOnPath = false;
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  std::wstring titleBefore = finder.title();
  ASSERT_TRUE(bringToFront(finder.window()));
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Everything Not Found"));
  EXPECT_FALSE(finder.saidSomething("Search is complete"));
  EXPECT_EQ(readFile(folder.file(L"results.txt")), previous);
  EXPECT_EQ(listCellText(finder.control(501), 1, 1), L"kept.txt");
  EXPECT_EQ(finder.title(), titleBefore);
  ASSERT_TRUE(finder.close());
}

// A client as slow as the real one while the engine loads its database after the
// computer starts: the window keeps answering, the user hears that the search
// goes on, and the time limit, Esc or closing the window end the client with
// everything as it was.
TEST(FinderSearch, ASlowClientNeverFreezesTheWindowAndTheLimitEscOrClosingEndIt) {
  ScratchFolder folder;
  std::wstring tree = makeTree(folder);
  writeFile(folder.file(L"results.txt"), kPreviousResults);
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nSearchTimeLimit=5\r\n");
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_ROOTS"] = tree;
  finder.environment[L"ES_STANDIN_DELAY_MS"] = L"120000";
  ASSERT_TRUE(finder.startReadyForKeys());
  std::wstring titleBefore = finder.title();
  auto everythingAsBefore = [&] {
    EXPECT_EQ(processesNamed(L"es.exe"), 0);
    EXPECT_EQ(readFile(folder.file(L"results.txt")), kPreviousResults);
    EXPECT_EQ(listCellText(finder.control(501), 1, 1), L"kept.txt");
    EXPECT_EQ(finder.title(), titleBefore);
    EXPECT_FALSE(finder.saidSomething("Search is complete"));
  };

  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Searching for files matching texas"));
  EXPECT_TRUE(answersWithin(finder.window(), 1s));
  EXPECT_EQ(processesNamed(L"es.exe"), 1);
  ASSERT_TRUE(finder.waitToSay("Still Searching", 10s));
  EXPECT_TRUE(answersWithin(finder.window(), 1s));
  EXPECT_EQ(finder.timesSaid("Search in Progress"), 0);
  pressKey(VK_TAB);  // a key with no shortcut is held back
  EXPECT_TRUE(finder.waitToSay("Search in Progress", 5s));
  ASSERT_TRUE(finder.waitToSay("Search Timed Out", 10s));
  everythingAsBefore();

  pressKey(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Searching for files matching texas") == 2; }, 10s));
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(finder.waitToSay("Search Cancelled", 1s));
  ASSERT_TRUE(finder.waitToSay("Search Cancelled", 10s));
  everythingAsBefore();

  SendMessageW(finder.control(500), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"dallas"));
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Searching for files matching dallas"));
  ASSERT_TRUE(finder.close());
  EXPECT_EQ(processesNamed(L"es.exe"), 0);
  EXPECT_EQ(readFile(folder.file(L"results.txt")), kPreviousResults);
  EXPECT_EQ(finder.savedSetting("SearchTerm"), "dallas");
  EXPECT_EQ(finder.savedSetting("SearchTimeLimit"), " 5");
  EXPECT_EQ(finder.audioLog().back(), "Speak 2 Exiting Findaro");
}

TEST(FinderSearch, AClientThatWritesNothingFailsAndTheEnginesNewerInstanceIsAskedByName) {
  ScratchFolder folder;
  writeFile(folder.file(L"results.txt"), kPreviousResults);
  EngineWindow engine(L"EVERYTHING_TASKBAR_NOTIFICATION_(1.5a)");
  ASSERT_NE(engine.handle(), nullptr);
  FinderSession finder(folder);
  finder.environment[L"ES_STANDIN_WRITE_NOTHING"] = L"1";
  finder.environment[L"ES_STANDIN_RECORD"] = folder.file(L"client.txt");
  ASSERT_TRUE(finder.startReadyForKeys());
  pressKey(VK_RETURN);
  ASSERT_TRUE(finder.waitToSay("Search Failed")) << testing::PrintToString(finder.audioLog());
  EXPECT_FALSE(finder.saidSomething("Search is complete"));
  EXPECT_EQ(readFile(folder.file(L"results.txt")), kPreviousResults);
  EXPECT_EQ(listCellText(finder.control(501), 1, 1), L"kept.txt");
  std::vector<std::string> runs = readLines(folder.file(L"client.txt"));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].rfind("es  -instance 1.5a !c:\\windows\\ ", 0), 0u) << runs[0];
  ASSERT_TRUE(finder.close());
}
