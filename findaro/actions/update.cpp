#include "findaro/actions/update.h"

#include "common/text.h"
#include "findaro/actions/program_image.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {

const char* const kUpdateAddress = "https://www.findaro.org/download/findaro.exe";

namespace {

// The program folder's three names of the update, and the previous backup's
// place while the swap is under way.
struct UpdateFiles {
  std::string download;
  std::string program;
  std::string backup;
  std::string previousBackup;
};

UpdateFiles updateFiles(Finder& finder) {
  std::string folder = finder.files.programFolder();
  return {folder + "findaro.tmp", folder + "findaro.exe", folder + "findaro.old", folder + "findaro.old.previous"};
}

bool downloadedProgramIsWhole(Finder& finder, const std::string& path) {
  std::optional<std::string> bytes = finder.files.readFile(path);
  return bytes && checkProgramImage(*bytes, runningProgramMachine()) == ProgramImageCheck::Complete;
}

// findaro.exe to findaro.old and findaro.tmp to findaro.exe, each move checked;
// on a failure every file is put back where it was and false is returned.
bool swapInDownload(Finder& finder, const UpdateFiles& f) {
  Files& files = finder.files;
  // The previous backup is only set aside, so that it can come back when the
  // swap fails; it goes for good once the new program is in place.
  files.deleteFile(f.previousBackup);
  const bool hadBackup = files.fileExists(f.backup);
  if (hadBackup && !files.moveFile(f.backup, f.previousBackup)) return false;
  auto restoreBackup = [&] {
    if (hadBackup) files.moveFile(f.previousBackup, f.backup);
  };
  if (!files.moveFile(f.program, f.backup)) {
    restoreBackup();
    return false;
  }
  if (!files.moveFile(f.download, f.program)) {
    files.moveFile(f.backup, f.program);
    restoreBackup();
    return false;
  }
  if (hadBackup) files.deleteFile(f.previousBackup);
  return true;
}

}  // namespace

std::string updateAddressFrom(const std::optional<std::string>& environmentValue) {
  if (environmentValue) {
    std::string address = common::trimSpace(*environmentValue);
    if (!address.empty()) return address;
  }
  return kUpdateAddress;
}

void updateProgram(Finder& finder) {
  speakAndWait(finder, "Updating Findaro");
  const UpdateFiles f = updateFiles(finder);
  // A partial file of an earlier attempt must not pass for this download.
  finder.files.deleteFile(f.download);
  bool installed = finder.downloader.download(finder.updateAddress, f.download) &&
                   downloadedProgramIsWhole(finder, f.download) && swapInDownload(finder, f);
  if (!installed) {
    finder.files.deleteFile(f.download);
    speak(finder, "Findaro Update Failed");
    return;
  }
  speakAndWait(finder, "Update successful. Restarting Findaro.");
  finder.restartAfterUpdate = true;
  finder.window.closeWindow();
}

void restartUpdatedProgram(Finder& finder) {
  std::string folder = finder.files.programFolder();
  if (!finder.processes.startProgram(folder + "start_findaro.exe", ""))
    finder.processes.startProgram(folder + "findaro.exe", "");
}

}  // namespace findaro
