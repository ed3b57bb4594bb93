// The finder as the installer left it: started from somewhere else, it works in
// its own folder. Runs when FINDARO_INSTALLED_DIR names that folder (the install
// test sets it); skipped otherwise.
#include <gtest/gtest.h>

#include "common/text.h"
#include "e2e/driver_win32.h"

using namespace e2e;

namespace {

std::wstring installedFolder() {
  wchar_t value[MAX_PATH * 2] = L"";
  DWORD length = GetEnvironmentVariableW(L"FINDARO_INSTALLED_DIR", value, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return {};
  std::wstring folder = value;
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder;
}

}  // namespace

TEST(InstalledFinder, StartsFromItsFolderWritesItsSettingsThereAndCloses) {
  std::wstring installed = installedFolder();
  if (installed.empty()) GTEST_SKIP() << "FINDARO_INSTALLED_DIR is not set";
  ASSERT_TRUE(fileExists(installed + L"\\findaro.exe"));
  // A shortcut may start it from anywhere: here, a scratch folder.
  ScratchFolder elsewhere;
  Process finder = launch(installed + L"\\findaro.exe", L"", elsewhere.path(),
                          {{L"FINDARO_AUDIO_LOG", elsewhere.file(L"audio.log")}});
  HWND window = waitForWindow(finder.id(), L"Findaro ", 30s);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(waitUntil([&] { return GetDlgItem(window, 500) != nullptr; }, 10s));
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1;
  ASSERT_TRUE(finder.waitForExit(30s, &code));
  EXPECT_EQ(code, 0u);

  std::vector<std::string> lines = common::split(readFile(installed + L"\\findaro.ini"), "\r\n");
  ASSERT_GE(lines.size(), 46u);
  EXPECT_EQ(lines[0], "[All]");
  EXPECT_FALSE(fileExists(elsewhere.file(L"findaro.ini")));
  std::vector<std::string> said = readLines(elsewhere.file(L"audio.log"));
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.back(), "Speak 2 Exiting Findaro");
}
