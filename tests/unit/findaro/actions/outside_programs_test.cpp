#include "findaro/actions/outside_programs.h"

#include <gtest/gtest.h>

#include "findaro/app/window_events.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

class OutsideProgramsTest : public FinderTest {};

TEST(ToolbarUtilityArguments, NineteenWordsEachWithItsLeadingBlank) {
  EXPECT_EQ(toolbarUtilityArguments(1), " 96 1 0 1 1 0 0 0 0 0 1 0 0 0 0 0 1 0 0");
  EXPECT_EQ(toolbarUtilityArguments(3), " 96 1 0 1 1 0 0 0 0 0 3 0 0 0 0 0 1 0 0");
}

TEST_F(OutsideProgramsTest, MagnoraStartsFromTheProgramsFolderWithTheHoverMode) {
  finder.settings.UseHover = 2;
  startToolbarUtility(finder);
  ASSERT_EQ(processes.started.size(), 1u);
  // Two blanks between the program and its first word.
  EXPECT_EQ(processes.started[0], "C:\\prog\\magnora.exe  96 1 0 1 1 0 0 0 0 0 2 0 0 0 0 0 1 0 0");
}

TEST_F(OutsideProgramsTest, CtrlF1OpensTheHelpPageAndMagnoraOnlyWhenWantedAndPresent) {
  keyboard.control = true;
  onHelpKey(finder);
  EXPECT_EQ(processes.opened, (std::vector<std::string>{kHelpPageAddress}));
  EXPECT_TRUE(processes.started.empty());  // magnora.exe is not beside the program

  files.files["magnora.exe"] = "MZ";
  onHelpKey(finder);
  EXPECT_EQ(processes.started.size(), 1u);

  finder.settings.UseMagnora = 0;
  onHelpKey(finder);
  EXPECT_EQ(processes.opened.size(), 3u);
  EXPECT_EQ(processes.started.size(), 1u);
}

TEST_F(OutsideProgramsTest, TheHelpAddressIsASecureWebPage) {
  EXPECT_EQ(std::string(kHelpPageAddress).rfind("https://", 0), 0u);
}
