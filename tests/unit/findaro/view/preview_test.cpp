#include "findaro/view/preview.h"

#include <gtest/gtest.h>

#include "findaro/app/commands.h"
#include "findaro/app/window_events.h"
#include "findaro/lists/colors.h"
#include "findaro/view/layout.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;

TEST(PreviewFit, ResizingFillsThePaneInOneDirectionAndCentres) {
  EXPECT_EQ(previewTarget({400, 400}, {100, 50}, 1), (Rect{0, 100, 400, 300}));
  EXPECT_EQ(previewTarget({400, 400}, {50, 100}, 1), (Rect{100, 0, 300, 400}));
  EXPECT_EQ(previewTarget({400, 400}, {800, 400}, 1), (Rect{0, 100, 400, 300}));
  EXPECT_EQ(previewTarget({300, 200}, {300, 200}, 1), (Rect{0, 0, 300, 200}));
}

TEST(PreviewFit, WithoutResizingOnlyATooLargePictureShrinks) {
  EXPECT_EQ(previewTarget({400, 400}, {100, 50}, 0), (Rect{150, 175, 250, 225}));
  EXPECT_EQ(previewTarget({400, 400}, {800, 400}, 0), (Rect{0, 100, 400, 300}));
  EXPECT_EQ(previewTarget({400, 400}, {300, 500}, 0), (Rect{80, 0, 320, 400}));
  EXPECT_EQ(previewTarget({401, 400}, {100, 100}, 0), (Rect{150, 150, 250, 250}));  // 150.5 to the even side
}

TEST(PreviewFit, EmptySizesDrawNothing) {
  EXPECT_EQ(previewTarget({0, 400}, {100, 50}, 1), Rect{});
  EXPECT_EQ(previewTarget({400, 400}, {0, 0}, 1), Rect{});
  EXPECT_EQ(previewTarget({-5, -5}, {10, 10}, 0), Rect{});
}

TEST(PreviewExtension, IsFoundCaseSensitivelyAsAnyPieceOfTheList) {
  EXPECT_EQ(previewExtension("c:\\p\\photo.JPG"), ".JPG");
  EXPECT_FALSE(isImageExtension(".JPG"));
  EXPECT_TRUE(isImageExtension(".jp"));
  EXPECT_TRUE(isImageExtension(".svg"));
  EXPECT_TRUE(isImageExtension(".webp"));
  EXPECT_FALSE(isImageExtension(".txt"));
  EXPECT_EQ(previewExtension("c:\\my.pics\\README"), "");
  EXPECT_TRUE(isImageExtension(previewExtension("c:\\my.pics\\README")));
  EXPECT_EQ(previewExtension("c:\\" + std::string(300, 'a') + ".png"), "");
}

TEST(PreviewColors, TheBackgroundsAreWhiteBlackBlueAndBlackForAnythingElse) {
  EXPECT_EQ(imageBackgroundColor(0), 0xFFFFFF);
  EXPECT_EQ(imageBackgroundColor(1), 0x000000);
  EXPECT_EQ(imageBackgroundColor(2), 0xFF0000);
  EXPECT_EQ(imageBackgroundColor(7), 0x000000);
}

class PreviewTest : public FinderTest {
 protected:
  void SetUp() override {
    finder.settings.ShowPreview = 1;
    finder.settings.FG = 0x00FFFF;
    finder.settings.ImageBG = 2;
    preparePreviewPane(finder);
    files.files["c:\\pics\\sun.png"] = "png";
    files.files["c:\\pics\\notes.txt"] = "text";
  }
};

TEST_F(PreviewTest, APictureIsClearedThenDrawnFitted) {
  preview.imageSize = findaro::Size{100, 50};
  finder.previewFile = "c:\\pics\\sun.png";
  showPreview(finder);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"pane clear 16711680", "pane load c:\\pics\\sun.png",
                                                   "pane clear 16711680", "pane draw 0,100 400x200"}));
  finder.settings.PreviewResize = 0;
  calls.clear();
  showPreview(finder);
  EXPECT_TRUE(calls.called("pane draw 150,175 100x50"));
}

TEST_F(PreviewTest, AnythingElseSaysNotAnImageAndAMissingFileLeavesThePaneEmpty) {
  finder.previewFile = "c:\\pics\\notes.txt";
  showPreview(finder);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"pane clear 16711680", "pane text Not An Image at 50,50"}));

  calls.clear();
  finder.previewFile = "c:\\pics\\gone.png";
  showPreview(finder);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"pane clear 16711680"}));
}

TEST_F(PreviewTest, TheMessageSitsAtTheScaledMarginInTheSystemsColoursUnderHighContrast) {
  finder.previewFile = "c:\\pics\\notes.txt";
  showPreview(finder);
  EXPECT_EQ(preview.textForeground, 0x00FFFF);
  EXPECT_EQ(preview.textBackground, 0xFF0000);

  window.displayScale = common::Scale(192);
  window.theme.highContrast = true;
  window.theme.window = 0x000000;
  window.theme.windowText = 0xFFFFFF;
  preparePreviewPane(finder);
  calls.clear();
  showPreview(finder);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"pane clear 0", "pane text Not An Image at 100,100"}));
  EXPECT_EQ(preview.textForeground, 0xFFFFFF);
  EXPECT_EQ(preview.textBackground, 0x000000);

  // A picture is drawn on the system's window colour too.
  preview.imageSize = findaro::Size{100, 50};
  finder.previewFile = "c:\\pics\\sun.png";
  calls.clear();
  showPreview(finder);
  EXPECT_EQ(calls.calls[2], "pane clear 0");
}

TEST_F(PreviewTest, APictureThatCannotBeDecodedKeepsNoSizeOfTheLastOne) {
  preview.imageSize = findaro::Size{640, 480};
  finder.previewFile = "c:\\pics\\sun.png";
  showPreview(finder);
  EXPECT_EQ(finder.previewImage, (findaro::Size{640, 480}));

  files.files["c:\\pics\\broken.png"] = "not a picture";
  preview.imageSize.reset();
  finder.previewFile = "c:\\pics\\broken.png";
  calls.clear();
  showPreview(finder);
  EXPECT_EQ(finder.previewImage, findaro::Size{});
  EXPECT_TRUE(calls.called("pane text Not An Image at 50,50"));
  for (const std::string& call : calls.calls) EXPECT_EQ(call.rfind("pane draw", 0), std::string::npos) << call;
}

TEST_F(PreviewTest, WithThePaneOffNothingIsDrawnWhateverTheSelection) {
  finder.settings.ShowPreview = 0;
  std::vector<ResultRecord> rows(1);
  rows[0].Name = "sun.png";
  rows[0].Folder = "c:\\pics\\";
  finder.results.assign(rows);
  onRowSelected(finder, 1);
  layoutWindow(finder);
  for (const std::string& call : calls.calls) EXPECT_EQ(call.rfind("pane", 0), std::string::npos) << call;
}

TEST_F(PreviewTest, TheRowChangeAndEveryLayoutDrawThePane) {
  std::vector<ResultRecord> rows(1);
  rows[0].Name = "notes.txt";
  rows[0].Folder = "c:\\pics\\";
  finder.results.assign(rows);
  onRowSelected(finder, 1);
  EXPECT_EQ(finder.previewFile, "c:\\pics\\notes.txt");
  EXPECT_TRUE(calls.called("pane text Not An Image at 50,50"));

  calls.clear();
  layoutWindow(finder);
  ASSERT_FALSE(calls.calls.empty());
  EXPECT_EQ(calls.calls.back(), "pane text Not An Image at 50,50");
}

TEST_F(PreviewTest, ThePreviewCommandsFlipDrawLayOutAndConfirm) {
  finder.settings.ShowPreview = 0;
  finder.previewFile = "c:\\pics\\notes.txt";
  runCommand(finder, 561);
  EXPECT_EQ(finder.settings.ShowPreview, 1);
  EXPECT_TRUE(window.visible[kPreviewPane]);
  EXPECT_EQ(voice.lastText(), "Show Preview is ON");
  runCommand(finder, 561);
  EXPECT_FALSE(window.visible[kPreviewPane]);
  EXPECT_EQ(voice.lastText(), "Show Preview is OFF");

  finder.settings.ShowPreview = 1;
  for (int command : {562, 504}) {
    calls.clear();
    int before = finder.settings.PreviewResize;
    runCommand(finder, command);
    EXPECT_EQ(finder.settings.PreviewResize, 1 - before);
    EXPECT_TRUE(calls.called("pane text Not An Image at 50,50")) << command;
  }
  EXPECT_EQ(sound.beeps.size(), 4u);
}

TEST_F(PreviewTest, TheBackgroundCyclesWhiteBlackBlueAndIsUsedForTheNextPicture) {
  preview.imageSize = findaro::Size{10, 10};
  finder.previewFile = "c:\\pics\\sun.png";
  std::vector<std::string> said;
  for (int i = 0; i < 3; ++i) {
    runCommand(finder, 567);
    said.push_back(voice.lastText());
  }
  EXPECT_EQ(said, (std::vector<std::string>{"Image Background is White", "Image Background is Black",
                                            "Image Background is Blue"}));
  EXPECT_EQ(sound.beeps.size(), 3u);

  finder.settings.ImageBG = 2;
  calls.clear();
  cycleImageBackground(finder);
  EXPECT_EQ(finder.settings.ImageBG, 0);
  EXPECT_EQ(calls.calls.back(), "pane draw 0,0 400x400");
  EXPECT_TRUE(calls.called("pane clear 16777215"));

  finder.settings.ImageBG = 9;  // from a hand-edited file
  cycleImageBackground(finder);
  EXPECT_EQ(finder.settings.ImageBG, 0);
  EXPECT_EQ(voice.lastText(), "Image Background is White");
}
