#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"
#include "e2e/http_server_win32.h"

using namespace e2e;

namespace {

// The release on the server: this build with another time stamp in its header,
// so that the new program can be told from the old.
std::string newRelease(const std::string& program) {
  std::string release = program;
  size_t pe = static_cast<unsigned char>(release[0x3C]) | static_cast<unsigned char>(release[0x3D]) << 8;
  release[pe + 8] = static_cast<char>(release[pe + 8] ^ 0x5A);
  return release;
}

DWORD processOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

class FinderUpdate : public ::testing::Test {
 protected:
  ScratchFolder folder;
  std::string program = readFile(folder.file(L"findaro.exe"));

  FinderUpdate() { folder.addProgram(L"start_findaro.exe"); }

  void expectFilesAsBefore() {
    EXPECT_EQ(readFile(folder.file(L"findaro.exe")), program);
    EXPECT_FALSE(fileExists(folder.file(L"findaro.old")));
    EXPECT_FALSE(fileExists(folder.file(L"findaro.tmp")));
  }
};

}  // namespace

TEST_F(FinderUpdate, APageAMissingFileAndAnAbsentServerAreEachRefusedWithNothingChanged) {
  LocalWebServer server;
  ASSERT_TRUE(server.listening());
  FinderSession finder(folder);
  program = readFile(folder.file(L"findaro.exe"));
  ASSERT_FALSE(program.empty());
  finder.environment[L"FINDARO_UPDATE_URL"] = server.address("/findaro.exe");
  ASSERT_TRUE(finder.startReadyForKeys());

  // A captive portal answers every address with its own page.
  server.serve("/findaro.exe", "<!DOCTYPE html><html><body>Sign in to use the network</body></html>");
  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == 1; }, 60s));
  EXPECT_EQ(server.requests(), 1);
  expectFilesAsBefore();

  server.forget("/findaro.exe");
  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == 2; }, 60s));
  EXPECT_EQ(server.requests(), 2);
  expectFilesAsBefore();

  server.stop();
  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == 3; }, 60s));
  expectFilesAsBefore();

  EXPECT_EQ(finder.timesSaid("Speak 2 Updating Findaro"), 3);
  EXPECT_FALSE(finder.saidSomething("Update successful"));
  EXPECT_TRUE(IsWindow(finder.window()));
  ASSERT_TRUE(finder.close());
}

TEST_F(FinderUpdate, AWholeReleaseIsSwappedInAndTheLauncherStartsIt) {
  LocalWebServer server;
  ASSERT_TRUE(server.listening());
  FinderSession finder(folder);
  program = readFile(folder.file(L"findaro.exe"));
  const std::string release = newRelease(program);
  server.serve("/findaro.exe", release);
  finder.environment[L"FINDARO_UPDATE_URL"] = server.address("/findaro.exe");
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  const DWORD first = processOf(finder.window());
  ASSERT_TRUE(bringToFront(finder.window()));

  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(finder.waitToSay("Speak 2 Update successful. Restarting Findaro.", 60s));
  // The new program comes up from the swapped file and greets the user again.
  HWND again = nullptr;
  ASSERT_TRUE(waitUntil(
      [&] {
        again = findAnyWindow([&](HWND window, const std::wstring& title) {
          return title.rfind(L"Findaro ", 0) == 0 && processOf(window) != first;
        });
        return again != nullptr && finder.timesSaid("Welcome to Findaro") == 2;
      },
      60s));
  EXPECT_EQ(readFile(folder.file(L"findaro.exe")), release);
  EXPECT_EQ(readFile(folder.file(L"findaro.old")), program);
  EXPECT_FALSE(fileExists(folder.file(L"findaro.tmp")));
  EXPECT_EQ(finder.timesSaid("Exiting Findaro"), 1);

  ASSERT_TRUE(closeAndWaitGone(again, 30s));
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processOf(again));
  if (process) {
    WaitForSingleObject(process, 30000);
    CloseHandle(process);
  }
}
