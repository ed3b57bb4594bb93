// The end-to-end tests run inside Wine; a test that hangs would stall the whole
// run, so each waits with a limit and the program as a whole has one too.
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
