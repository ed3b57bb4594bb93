#include "findaro/actions/program_image.h"

#include <gtest/gtest.h>

#include "support/program_images.h"

using namespace findaro;
using testing_support::ProgramImageLayout;
using testing_support::programImage;

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
  EXPECT_EQ(checkProgramImage(image + "tail", kMachineAmd64), ProgramImageCheck::Oversized);
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
