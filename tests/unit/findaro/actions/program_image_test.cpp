#include "findaro/actions/program_image.h"

#include <gtest/gtest.h>

#include "findaro/actions/program_resources.h"

#include "support/program_images.h"

using namespace findaro;
using testing_support::ProgramImageLayout;
using testing_support::programImage;
using testing_support::versionResource;

TEST(ProgramImage, AWholeProgramForTheMachineIsAccepted) {
  for (std::uint16_t machine : {kMachineI386, kMachineAmd64}) {
    std::string image = programImage({machine});
    EXPECT_EQ(promisedImageSize(image), image.size());
    EXPECT_EQ(checkProgramImage(image, machine), ProgramImageCheck::Complete) << machine;
  }
}

TEST(ProgramImage, TheSymbolsAndTheSignatureCountAsPartOfTheFile) {
  ProgramImageLayout layout{kMachineAmd64};
  layout.symbols = 3;
  layout.stringTable = 40;
  layout.certificate = 256;
  std::string image = programImage(layout);
  EXPECT_EQ(checkProgramImage(image, kMachineAmd64), ProgramImageCheck::Complete);
  EXPECT_EQ(checkProgramImage(image.substr(0, image.size() - 1), kMachineAmd64), ProgramImageCheck::Truncated);
}

TEST(ProgramImage, ADownloadCutShortAnywhereIsRefused) {
  std::string image = programImage({kMachineAmd64});
  for (size_t keep : {size_t{0}, size_t{1}, size_t{2}, size_t{63}, size_t{64}, size_t{100}, size_t{0x1FF},
                      size_t{0x200}, image.size() - 1}) {
    ProgramImageCheck check = checkProgramImage(image.substr(0, keep), kMachineAmd64);
    EXPECT_NE(check, ProgramImageCheck::Complete) << keep;
  }
  // More than the headers promise is whole: a release's signature vouches for every byte.
  EXPECT_EQ(checkProgramImage(image + "tail", kMachineAmd64), ProgramImageCheck::Complete);
}

TEST(ProgramImage, WebPagesAndOtherFilesAreNotPrograms) {
  for (std::string text : {std::string("<!DOCTYPE html><html><body>Sign in to the network</body></html>"),
                           std::string("404 Not Found"), std::string(), std::string("MZ")}) {
    EXPECT_NE(checkProgramImage(text, kMachineAmd64), ProgramImageCheck::Complete) << text;
  }
  std::string image = programImage({kMachineAmd64});
  image[0x40] = 'N';  // "NE": not the PE signature
  EXPECT_NE(checkProgramImage(image, kMachineAmd64), ProgramImageCheck::Complete);
  std::string farAway = programImage({kMachineAmd64});
  farAway[0x3C] = '\xFF';
  farAway[0x3F] = '\x7F';  // the PE header's place beyond the file
  EXPECT_NE(checkProgramImage(farAway, kMachineAmd64), ProgramImageCheck::Complete);
}

TEST(ProgramImage, HeadersThatDescribeNoProgramAreRefusedWhateverFollows) {
  const std::string image = programImage({kMachineI386});
  std::string noHeaders = image;
  testing_support::put(noHeaders, 0x58 + 60, 0, 4);  // the headers' size: none
  EXPECT_EQ(checkProgramImage(noHeaders, kMachineI386), ProgramImageCheck::NotAProgram);
  std::string noSections = image;
  for (size_t section : {0x58 + 224, 0x58 + 224 + 40}) testing_support::put(noSections, section + 16, 0, 4);
  EXPECT_EQ(checkProgramImage(noSections, kMachineI386), ProgramImageCheck::NotAProgram);
}

TEST(ProgramImage, AProgramForAnotherMachineOrOfAnotherKindIsRefused) {
  EXPECT_EQ(checkProgramImage(programImage({kMachineI386}), kMachineAmd64), ProgramImageCheck::OtherMachine);
  EXPECT_EQ(checkProgramImage(programImage({kMachineAmd64}), kMachineI386), ProgramImageCheck::OtherMachine);
  ProgramImageLayout mixed{kMachineAmd64};
  mixed.optionalMagic = 0x10B;  // a 32-bit optional header on a 64-bit machine
  EXPECT_EQ(checkProgramImage(programImage(mixed), kMachineAmd64), ProgramImageCheck::OtherMachine);

  ProgramImageLayout library{kMachineAmd64};
  library.characteristics = 0x2022;
  EXPECT_EQ(checkProgramImage(programImage(library), kMachineAmd64), ProgramImageCheck::NotAnApplication);
  ProgramImageLayout console{kMachineAmd64};
  console.subsystem = 3;
  EXPECT_EQ(checkProgramImage(programImage(console), kMachineAmd64), ProgramImageCheck::NotAnApplication);
}

TEST(ProgramImage, TheRunningMachineIsOneWeBuildFor) {
  std::uint16_t machine = runningProgramMachine();
  EXPECT_TRUE(machine == kMachineI386 || machine == kMachineAmd64 || machine == kMachineArm64);
}

// --- the resources: the key a program trusts and its version -----------------------

namespace {

ProgramImageLayout withResources(std::uint16_t machine) {
  ProgramImageLayout layout{machine};
  layout.resources = {{3, "", std::string(40, 'i')},  // an icon, numbered
                      {10, "OTHERDATA", "not the key"},
                      {10, "UPDATEKEY", "the key's bytes"},
                      {16, "", versionResource(4, 1, 7, 9)},
                      {24, "", "<assembly/>"}};
  return layout;
}

}  // namespace

TEST(ProgramResources, ANamedResourceIsFoundByItsNameInAnyCase) {
  for (std::uint16_t machine : {kMachineI386, kMachineAmd64}) {
    const std::string image = programImage(withResources(machine));
    EXPECT_EQ(programResource(image, 10, "UPDATEKEY"), "the key's bytes") << machine;
    EXPECT_EQ(programResource(image, 10, "updateKey"), "the key's bytes");
    EXPECT_EQ(programResource(image, 10, "OTHERDATA"), "not the key");
    EXPECT_EQ(programResource(image, 10, "UPDATEKEYS"), std::nullopt);
    EXPECT_EQ(programResource(image, 3, "UPDATEKEY"), std::nullopt);  // the name under another type
    EXPECT_EQ(checkProgramImage(image, machine), ProgramImageCheck::Complete);
  }
}

TEST(ProgramResources, TheFileVersionIsTheFixedPartsFourNumbers) {
  const std::string image = programImage(withResources(kMachineI386));
  std::optional<FileVersion> version = programFileVersion(image);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->high, 0x00040001u);
  EXPECT_EQ(version->low, 0x00070009u);
  EXPECT_TRUE((FileVersion{0x00040001, 0x00070008} < *version));
  EXPECT_FALSE((*version < *version));
}

TEST(ProgramResources, AProgramWithoutThemHasNeither) {
  const std::string image = programImage({kMachineAmd64});
  EXPECT_EQ(programResource(image, 10, "UPDATEKEY"), std::nullopt);
  EXPECT_EQ(programFileVersion(image), std::nullopt);
  EXPECT_EQ(programResource("<html></html>", 10, "UPDATEKEY"), std::nullopt);

  ProgramImageLayout keyOnly{kMachineAmd64};
  keyOnly.resources = {{10, "UPDATEKEY", "k"}};
  EXPECT_EQ(programFileVersion(programImage(keyOnly)), std::nullopt);
  ProgramImageLayout badVersion{kMachineAmd64};
  std::string info = versionResource(4, 1, 0, 0);
  info[40] = '\0';  // not the fixed part's signature
  badVersion.resources = {{16, "", info}};
  EXPECT_EQ(programFileVersion(programImage(badVersion)), std::nullopt);
  badVersion.resources = {{16, "", info.substr(0, 50)}};
  EXPECT_EQ(programFileVersion(programImage(badVersion)), std::nullopt);
}

TEST(ProgramResources, AFileCutShortOrPointingOutsideItselfGivesNothingFalse) {
  const std::string image = programImage(withResources(kMachineAmd64));
  // Wherever the file ends, what is found is the real resource or nothing.
  for (size_t keep = 0; keep < image.size(); ++keep) {
    const std::string cut = image.substr(0, keep);
    auto key = programResource(cut, 10, "UPDATEKEY");
    EXPECT_TRUE(!key || *key == "the key's bytes") << keep;
    auto version = programFileVersion(cut);
    EXPECT_TRUE(!version || (version->high == 0x00040001u && version->low == 0x00070009u)) << keep;
  }
  // Every offset of the section made to point far beyond the file, one at a time.
  const size_t section = 0x500;
  for (size_t at = section; at < section + 0x100; at += 4) {
    std::string wild = image;
    testing_support::put(wild, at, 0x7FFFFFF0u, 4);
    auto key = programResource(wild, 10, "UPDATEKEY");
    EXPECT_TRUE(!key || *key == "the key's bytes") << at;
    programFileVersion(wild);
  }
}
