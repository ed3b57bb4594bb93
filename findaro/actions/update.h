#pragma once
// The finder's update from the web: download the current program, check it,
// swap it in beside the running one with the old file kept, and restart.
#include <optional>
#include <string>

namespace findaro {

struct Finder;

// Where the current release of the program is served.
extern const char* const kUpdateAddress;

// The address to download from: the value of FINDARO_UPDATE_URL when it is set
// and not blank (tests, organisations that mirror the releases), else ours.
std::string updateAddressFrom(const std::optional<std::string>& environmentValue);

// Ctrl+O. Says "Findaro Update Failed" and leaves every file as it was unless a
// complete program for this machine arrived and is in place as findaro.exe.
void updateProgram(Finder& finder);
// After the window has gone: the launcher brings the new program back; without
// it the new program is started directly, so the user is never left without one.
void restartUpdatedProgram(Finder& finder);

}  // namespace findaro
