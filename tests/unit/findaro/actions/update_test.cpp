#include "findaro/actions/update.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "findaro/actions/program_image.h"
#include "findaro/actions/program_resources.h"
#include "findaro/actions/release_signature.h"
#include "findaro/app/commands.h"
#include "support/finder_fixture.h"
#include "support/program_images.h"

using namespace findaro;
using testing_support::derPublicKey;
using testing_support::derSignature;
using testing_support::FakeSignatureCheck;
using testing_support::FinderTest;
using testing_support::ProgramImageLayout;
using testing_support::programImage;
using testing_support::versionResource;

TEST(UpdateAddress, EachBuildUpdatesFromItsOwnFileUnlessTheEnvironmentNamesAnother) {
  EXPECT_EQ(updateAddressFor(kMachineI386), "https://www.findaro.org/download/findaro.exe");
  EXPECT_EQ(updateAddressFor(kMachineAmd64), "https://www.findaro.org/download/findaro64.exe");
  EXPECT_EQ(updateAddressFrom(std::nullopt), updateAddressFor(runningProgramMachine()));
  EXPECT_EQ(updateAddressFrom(std::string("")), updateAddressFor(runningProgramMachine()));
  EXPECT_EQ(updateAddressFrom(std::string("  ")), updateAddressFor(runningProgramMachine()));
  EXPECT_EQ(updateAddressFrom(std::string(" http://127.0.0.1:8080/findaro.exe\r\n")),
            "http://127.0.0.1:8080/findaro.exe");
}

TEST(ReleaseVersion, ARepairOrANewerReleaseIsAllowedAnOlderOneNever) {
  const FileVersion running{0x00040001, 0x00020003};  // 4.1.2.3
  EXPECT_TRUE(isNoOlderRelease(running, running));
  EXPECT_TRUE(isNoOlderRelease(FileVersion{0x00040001, 0x00020004}, running));
  EXPECT_TRUE(isNoOlderRelease(FileVersion{0x00040002, 0x00000000}, running));  // 4.2.0.0
  EXPECT_TRUE(isNoOlderRelease(FileVersion{0x00050000, 0x00000000}, running));
  EXPECT_FALSE(isNoOlderRelease(FileVersion{0x00040001, 0x00020002}, running));
  EXPECT_FALSE(isNoOlderRelease(FileVersion{0x00040000, 0xFFFFFFFF}, running));  // 4.0.65535.65535
  EXPECT_FALSE(isNoOlderRelease(FileVersion{0x00030009, 0x00090009}, running));
  // A major number of 1 is not the 65536th minor: 1.0 is older than 0.65535.
  EXPECT_FALSE(isNoOlderRelease(FileVersion{0x0000FFFF, 0}, FileVersion{0x00010000, 0}));
  EXPECT_FALSE(isNoOlderRelease(std::nullopt, running));
  EXPECT_FALSE(isNoOlderRelease(running, std::nullopt));
}

// --- the DER forms openssl writes -------------------------------------------------

namespace {

std::string numbered(char first, size_t bytes = 32) {
  std::string n;
  for (size_t i = 0; i < bytes; ++i) n += static_cast<char>(first + i);
  return n;
}

std::string committedReleaseKey() {
  std::ifstream in(FINDARO_SOURCE_DIR "/installer/update_key.der", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

TEST(ReleaseSignature, TheKeyIsTheCurvePointOfAP256KeyInfo) {
  const std::string xy = numbered('\x10', 64);
  EXPECT_EQ(p256KeyFromDer(derPublicKey(xy)), xy);

  const std::string release = committedReleaseKey();
  ASSERT_EQ(release.size(), 91u) << "installer/update_key.der";
  EXPECT_EQ(p256KeyFromDer(release), release.substr(27));
}

TEST(ReleaseSignature, AnyOtherKeyIsRefused) {
  const std::string good = derPublicKey(numbered('\x10', 64));
  std::string p384 = good;
  p384[22] = '\x08';  // another named curve
  std::string compressed = good;
  compressed[26] = '\x02';
  std::string rsa = good;
  rsa[11] = '\x01';  // another algorithm
  for (const std::string& der : {std::string(), good.substr(0, 40), good.substr(0, good.size() - 1), good + '\0',
                                 p384, compressed, rsa, std::string("\x30\x00", 2)}) {
    EXPECT_EQ(p256KeyFromDer(der), std::nullopt) << der.size();
  }
  // One key sequence, and it is the whole file.
  EXPECT_EQ(p256KeyFromDer(good + good), std::nullopt);
}

TEST(ReleaseSignature, TheSignatureBecomesRThenSEachThirtyTwoBytes) {
  // r with its top bit set needs DER's leading zero; s is small, with zeros in front.
  const std::string r = "\x80" + numbered('\x01', 31);
  const std::string s = std::string(30, '\0') + "\x01\x02";
  const std::string der = derSignature(r + s);
  ASSERT_EQ(der.size(), 2u + (2 + 33) + (2 + 2));  // r after a zero byte; s in two bytes
  EXPECT_EQ(p256SignatureFromDer(der), r + s);

  const std::string rs = numbered('\x11', 64);
  EXPECT_EQ(p256SignatureFromDer(derSignature(rs)), rs);
}

TEST(ReleaseSignature, AnythingButOneSignatureInDersOneEncodingIsRefused) {
  const std::string good = derSignature(numbered('\x11', 64));
  const std::string integer32 = "\x02\x20" + numbered('\x11');
  auto sequence = [](const std::string& content) {
    return std::string{'\x30', static_cast<char>(content.size())} + content;
  };
  const std::string cases[] = {
      std::string(),
      "<html><body>Sign in to use the network</body></html>",
      good.substr(0, good.size() - 1),
      good + '\0',                                         // bytes after it
      sequence(integer32),                                 // only r
      sequence(integer32 + integer32 + integer32),         // a third number
      sequence(integer32 + "\x02\x01\x80"),                // a negative s
      sequence(integer32 + std::string("\x02\x02\x00\x7F", 4)),  // a needless leading zero
      sequence(integer32 + std::string("\x02\x01\x00", 3)),      // s is zero
      sequence(integer32 + "\x02\x21\x01" + numbered('\x01')),  // s longer than the field
      sequence(integer32 + "\x04\x20" + numbered('\x01')),      // not an integer
      "\x30\x81\x44" + good.substr(2),                     // a long length where a short one fits
      "\x30\x80" + good.substr(2) + std::string(2, '\0'),  // an open-ended length
      "\x31" + good.substr(1),                             // a set, not a sequence
  };
  for (const std::string& der : cases) EXPECT_EQ(p256SignatureFromDer(der), std::nullopt) << der.size();
}

// --- the update --------------------------------------------------------------------

class UpdateTest : public FinderTest {
 protected:
  const std::string tmp = "C:\\prog\\findaro.tmp";
  const std::string sig = "C:\\prog\\findaro.sig";
  const std::string exe = "C:\\prog\\findaro.exe";
  const std::string old = "C:\\prog\\findaro.old";
  const std::string address = "https://mirror.example/findaro.exe";
  const std::string ourKey = numbered('\x21', 64);
  const std::string otherKey = numbered('\x61', 64);

  // A program of this build carrying the key and a version; its time stamp
  // tells one build from another.
  std::string program(std::uint16_t major, std::uint16_t minor, char stamp, const std::string& key) const {
    ProgramImageLayout layout{runningProgramMachine()};
    layout.resources = {{10, "UPDATEKEY", derPublicKey(key)}, {16, "", versionResource(major, minor, 0, 0)}};
    std::string image = programImage(layout);
    image[0x48] = stamp;
    return image;
  }
  const std::string running = program(4, 1, 'a', ourKey);
  const std::string release = program(4, 1, 'b', ourKey);

  void SetUp() override {
    finder.updateAddress = address;
    finder.programFile = exe;
    files.files[exe] = running;
    files.files[old] = "the program before it";
    serve(release, signedWith(ourKey, release));
  }
  static std::string signedWith(const std::string& key, const std::string& bytes) {
    return derSignature(FakeSignatureCheck::sign(key, bytes));
  }
  // What the server answers for the program and for its signature; nothing is
  // served for a missing signature.
  void serve(const std::string& bytes, const std::optional<std::string>& signature) {
    downloader.onDownload = [this, bytes, signature](const std::string& path) {
      if (path == sig && !signature) return false;
      files.files[path] = path == sig ? *signature : bytes;
      return true;
    };
  }
  void expectNothingChanged(const std::map<std::string, std::string>& before) {
    EXPECT_EQ(files.files, before);
    EXPECT_EQ(voice.lastText(), "Findaro Update Failed");
    EXPECT_FALSE(finder.restartAfterUpdate);
    EXPECT_FALSE(window.closed);
  }
  void expectRefused(const std::string& bytes, const std::optional<std::string>& signature) {
    auto before = files.files;
    serve(bytes, signature);
    voice.spoken.clear();
    updateProgram(finder);
    expectNothingChanged(before);
  }
};

TEST_F(UpdateTest, ASignedReleaseIsSwappedInTheOldOneKeptAndTheProgramRestarts) {
  runCommand(finder, 553);
  EXPECT_EQ(downloader.requests, (std::vector<std::string>{address + " -> " + tmp, address + ".sig -> " + sig}));
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, release}, {old, running}}));
  ASSERT_EQ(signatureCheck.checks.size(), 1u);
  EXPECT_EQ(signatureCheck.checks[0].publicKey, ourKey);
  EXPECT_EQ(signatureCheck.checks[0].bytes, release);
  EXPECT_EQ(voice.spoken.front(), (testing_support::Utterance{"Updating Findaro", common::kSpeakPurgeBeforeSpeak}));
  EXPECT_EQ(voice.spoken.back(),
            (testing_support::Utterance{"Update successful. Restarting Findaro.", common::kSpeakPurgeBeforeSpeak}));
  EXPECT_TRUE(finder.restartAfterUpdate);
  EXPECT_TRUE(window.closed);
  EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(UpdateTest, ASecondUpdateDownloadsAgainAndKeepsTheProgramItReplaced) {
  updateProgram(finder);
  // The process runs on from the file it was started from, now findaro.old.
  finder.programFile = old;
  const std::string second = program(4, 1, 'c', ourKey);
  serve(second, signedWith(ourKey, second));
  updateProgram(finder);
  EXPECT_EQ(downloader.requests.size(), 4u);
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, second}, {old, release}}));
}

TEST_F(UpdateTest, AFirstUpdateNeedsNoEarlierBackup) {
  files.files.erase(old);
  updateProgram(finder);
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{exe, release}, {old, running}}));
}

TEST_F(UpdateTest, AFailedDownloadChangesNothingAndLeavesNoPartialFile) {
  auto before = files.files;
  downloader.onDownload = [this](const std::string& path) {
    files.files[path] = release.substr(0, 100);
    return false;
  };
  updateProgram(finder);
  expectNothingChanged(before);
  EXPECT_EQ(downloader.requests.size(), 1u);  // no signature is asked for without a program
}

TEST_F(UpdateTest, AReleaseWithoutItsSignatureOrWithAnUnreadableOneIsRefused) {
  expectRefused(release, std::nullopt);
  EXPECT_EQ(downloader.requests.back(), address + ".sig -> " + sig);
  expectRefused(release, std::string("<html><body>Sign in to use the network</body></html>"));
  expectRefused(release, std::string());
  expectRefused(release, signedWith(ourKey, release).substr(0, 20));
  EXPECT_TRUE(signatureCheck.checks.empty());
}

TEST_F(UpdateTest, ASignatureByAnotherKeyOrOverOtherBytesIsRefused) {
  expectRefused(release, signedWith(otherKey, release));
  // Changed after signing: one byte, or bytes added at the end.
  std::string changed = release;
  changed[0x300] ^= 0x01;
  expectRefused(changed, signedWith(ourKey, release));
  expectRefused(release + "MZ", signedWith(ourKey, release));
  // A genuine signature of another file.
  expectRefused(release, signedWith(ourKey, running));
  EXPECT_EQ(signatureCheck.checks.size(), 4u);
}

TEST_F(UpdateTest, ARunningProgramWithoutAKeyToTrustTrustsNothing) {
  ProgramImageLayout keyless{runningProgramMachine()};
  keyless.resources = {{16, "", versionResource(4, 1, 0, 0)}};
  for (const std::string& runningFile : {programImage(keyless), program(4, 1, 'a', ourKey).substr(0, 0x500)}) {
    files.files[exe] = runningFile;
    expectRefused(release, signedWith(ourKey, release));
  }
  // A program file that cannot be read.
  files.files[exe] = running;
  finder.programFile = "C:\\elsewhere\\findaro.exe";
  expectRefused(release, signedWith(ourKey, release));
}

TEST_F(UpdateTest, AnOlderReleaseIsRefusedEvenWhenSigned) {
  const std::string older = program(4, 0, 'b', ourKey);
  expectRefused(older, signedWith(ourKey, older));
  ProgramImageLayout versionless{runningProgramMachine()};
  versionless.resources = {{10, "UPDATEKEY", derPublicKey(ourKey)}};
  const std::string noVersion = programImage(versionless);
  expectRefused(noVersion, signedWith(ourKey, noVersion));
}

TEST_F(UpdateTest, ANewerReleaseIsInstalled) {
  const std::string newer = program(4, 2, 'b', ourKey);
  serve(newer, signedWith(ourKey, newer));
  updateProgram(finder);
  EXPECT_EQ(files.files[exe], newer);
  EXPECT_TRUE(finder.restartAfterUpdate);
}

TEST_F(UpdateTest, BytesAfterTheLastSectionAreNoReasonToRefuseASignedRelease) {
  const std::string longer = release + std::string(100, 'x');
  serve(longer, signedWith(ourKey, longer));
  updateProgram(finder);
  EXPECT_EQ(files.files[exe], longer);
}

TEST_F(UpdateTest, ASignedFileThatIsNotAWholeProgramForThisMachineIsRefused) {
  const std::uint16_t other = runningProgramMachine() == kMachineI386 ? kMachineAmd64 : kMachineI386;
  ProgramImageLayout otherMachine{other};
  otherMachine.resources = {{10, "UPDATEKEY", derPublicKey(ourKey)}, {16, "", versionResource(4, 1, 0, 0)}};
  for (const std::string& served : {std::string("<html><body>Welcome to the hotel network</body></html>"),
                                    release.substr(0, release.size() - 7), programImage(otherMachine)}) {
    expectRefused(served, signedWith(ourKey, served));
  }
}

TEST_F(UpdateTest, LeftoversOfAnEarlierAttemptAreNotTakenForTheDownload) {
  auto before = files.files;
  files.files[tmp] = release;
  files.files[sig] = signedWith(ourKey, release);
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
  // The running program was started under another name, and findaro.exe is gone.
  finder.programFile = "C:\\prog\\findaro-copy.exe";
  files.files[finder.programFile] = running;
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
