// The end-to-end tests run inside Wine; a test that hangs would stall the whole
// run, so each waits with a limit and the program as a whole has one too.
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
  // The tests of another display scale set Wine's density for the programs
  // they start and put it back; a run killed in the middle of one would leave
  // it behind. Every run starts at 100 %, and measures in the screen's own
  // pixels whatever density this program itself was started with.
  SetProcessDPIAware();
  HKEY desktop = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &desktop) == ERROR_SUCCESS) {
    RegDeleteValueW(desktop, L"LogPixels");
    RegCloseKey(desktop);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
