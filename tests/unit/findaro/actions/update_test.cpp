#include "findaro/actions/update.h"

#include <gtest/gtest.h>

#include "findaro/actions/program_image.h"
#include "findaro/app/commands.h"
#include "support/finder_fixture.h"
#include "support/program_images.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::programImage;

TEST(UpdateAddress, TheEnvironmentReplacesOursWhenItSaysSomething) {
  EXPECT_EQ(updateAddressFrom(std::nullopt), kUpdateAddress);
  EXPECT_EQ(updateAddressFrom(std::string("")), kUpdateAddress);
  EXPECT_EQ(updateAddressFrom(std::string("  ")), kUpdateAddress);
  EXPECT_EQ(updateAddressFrom(std::string(" http://127.0.0.1:8080/findaro.exe\r\n")),
            "http://127.0.0.1:8080/findaro.exe");
  EXPECT_EQ(std::string(kUpdateAddress).rfind("https://", 0), 0u);
}

class UpdateTest : public FinderTest {
 protected:
  const std::string tmp = "C:\\prog\\findaro.tmp";
  const std::string exe = "C:\\prog\\findaro.exe";
  const std::string old = "C:\\prog\\findaro.old";
  const std::string release = programImage({runningProgramMachine()});

  void SetUp() override {
    finder.updateAddress = "https://mirror.example/findaro.exe";
    files.files[exe] = "the running program";
    files.files[old] = "the program before it";
    serve(release);
  }
  void serve(const std::string& bytes) {
    downloader.onDownload = [this, bytes](const std::string& path) {
      files.files[path] = bytes;
      return true;
    };
  }
  void expectNothingChanged(const std::map<std::string, std::string>& before) {
    EXPECT_EQ(files.files, before);
    EXPECT_EQ(voice.lastText(), "Findaro Update Failed");
    EXPECT_FALSE(finder.restartAfterUpdate);
    EXPECT_FALSE(window.closed);
  }
};

TEST_F(UpdateTest, AWholeProgramIsSwappedInTheOldOneKeptAndTheProgramRestarts) {
  runCommand(finder, 553);
  EXPECT_EQ(downloader.requests, (std::vector<std::string>{"https://mirror.example/findaro.exe -> " + tmp}));
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, release}, {old, "the running program"}}));
  EXPECT_EQ(voice.spoken.front(), (testing_support::Utterance{"Updating Findaro", common::kSpeakPurgeBeforeSpeak}));
  EXPECT_EQ(voice.spoken.back(),
            (testing_support::Utterance{"Update successful. Restarting Findaro.", common::kSpeakPurgeBeforeSpeak}));
  EXPECT_TRUE(finder.restartAfterUpdate);
  EXPECT_TRUE(window.closed);
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(UpdateTest, ASecondUpdateDownloadsAgainAndKeepsTheProgramItReplaced) {
  updateProgram(finder);
  std::string second = release + "";
  second[0x48] = '\x01';  // another build: its time stamp differs
  serve(second);
  updateProgram(finder);
  EXPECT_EQ(downloader.requests.size(), 2u);
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, second}, {old, release}}));
}

TEST_F(UpdateTest, AFirstUpdateNeedsNoEarlierBackup) {
  files.files.erase(old);
  updateProgram(finder);
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, release}, {old, "the running program"}}));
}

TEST_F(UpdateTest, AFailedDownloadChangesNothingAndLeavesNoPartialFile) {
  auto before = files.files;
  downloader.onDownload = [this](const std::string& path) {
    files.files[path] = release.substr(0, 100);
    return false;
  };
  updateProgram(finder);
  expectNothingChanged(before);
}

TEST_F(UpdateTest, ADownloadThatIsNotAWholeProgramForThisMachineIsRefused) {
  auto before = files.files;
  const std::uint16_t other = runningProgramMachine() == kMachineI386 ? kMachineAmd64 : kMachineI386;
  for (const std::string& served :
       {std::string("<html><body>Welcome to the hotel network</body></html>"), release.substr(0, release.size() - 7),
        programImage({other}), std::string()}) {
    serve(served);
    voice.spoken.clear();
    updateProgram(finder);
    expectNothingChanged(before);
  }
  // A leftover of an earlier attempt is not taken for the download.
  files.files[tmp] = release;
  downloader.onDownload = [](const std::string&) { return true; };
  updateProgram(finder);
  expectNothingChanged(before);
}

TEST_F(UpdateTest, EachFailingMovePutsEveryFileBack) {
  auto before = files.files;
  for (const std::string& failing : {old, exe, tmp}) {
    files.failMoveFrom = failing;
    voice.spoken.clear();
    updateProgram(finder);
    SCOPED_TRACE(failing);
    expectNothingChanged(before);
  }
}

TEST_F(UpdateTest, AMissingProgramFileIsNotReplacedBlindly) {
  files.files.erase(exe);
  auto before = files.files;
  updateProgram(finder);
  expectNothingChanged(before);
}

TEST_F(UpdateTest, WithSpeechDisabledTheUpdateStillHappensInSilence) {
  finder.settings.DisableSpeech = 1;
  updateProgram(finder);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_TRUE(finder.restartAfterUpdate);
}

TEST_F(UpdateTest, TheRestartGoesThroughTheLauncherOrStartsTheNewProgramItself) {
  restartUpdatedProgram(finder);
  EXPECT_EQ(processes.started, (std::vector<std::string>{"C:\\prog\\start_findaro.exe "}));
  processes.started.clear();
  processes.startSucceeds = false;  // no launcher: the user must still get a finder back
  restartUpdatedProgram(finder);
  EXPECT_EQ(processes.started,
            (std::vector<std::string>{"C:\\prog\\start_findaro.exe ", "C:\\prog\\findaro.exe "}));
}
