#pragma once
// Whether a file is a whole Windows program: a downloaded update is installed
// only when its own headers say it is one, for the machine the running program
// was built for, and every byte they promise has arrived.
#include <cstdint>
#include <string_view>

namespace findaro {

constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kMachineArm64 = 0xAA64;

// The machine this program itself was built for.
std::uint16_t runningProgramMachine();

enum class ProgramImageCheck {
  Complete,
  NotAProgram,     // no DOS and PE headers (a web page, an error text, nothing),
                   // or headers that describe no program
  OtherMachine,    // a program for another processor or word size
  NotAnApplication,  // a library, a console tool, an object file
  Truncated,       // fewer bytes than the headers promise
};

// The size the headers promise: the headers, every section's raw data, the
// symbol table with its strings and the signature, whichever ends last; 0 when
// the headers cannot be read.
std::uint64_t promisedImageSize(std::string_view bytes);
ProgramImageCheck checkProgramImage(std::string_view bytes, std::uint16_t machine);

}  // namespace findaro
