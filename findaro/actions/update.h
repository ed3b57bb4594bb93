#pragma once
// The finder's update from the web: download the current program and its
// signature, check both, swap the program in beside the running one with the old
// file kept, and restart.
#include <cstdint>
#include <optional>
#include <string>

#include "findaro/actions/program_resources.h"

namespace findaro {

struct Finder;

// Where the current release of the program is served: the 32-bit program, and
// the 64-bit one beside it. Each has its signature at its address + ".sig".
extern const char* const kUpdateAddress;
extern const char* const kUpdateAddress64;

// The release a build for the machine updates from.
std::string updateAddressFor(std::uint16_t machine);
// The address to download from: the value of FINDARO_UPDATE_URL when it is set
// and not blank (tests, organisations that mirror the releases), else this
// build's own.
std::string updateAddressFrom(const std::optional<std::string>& environmentValue);

// A release may repair the running version or replace it with a newer one, never
// go back to an older one; without both versions it is refused.
bool isNoOlderRelease(const std::optional<FileVersion>& release, const std::optional<FileVersion>& running);

// Ctrl+O. Says "Findaro Update Failed" and leaves every file as it was unless a
// complete program for this machine, signed with the key the running program
// carries and no older than it, arrived and is in place as findaro.exe.
void updateProgram(Finder& finder);
// After the window has gone: the launcher brings the new program back; without
// it the new program is started directly, so the user is never left without one.
void restartUpdatedProgram(Finder& finder);

}  // namespace findaro
