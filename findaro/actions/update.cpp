#include "findaro/actions/update.h"

#include "common/text.h"
#include "findaro/actions/program_image.h"
#include "findaro/actions/program_resources.h"
#include "findaro/actions/release_signature.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {

const char* const kUpdateAddress = "https://www.findaro.org/download/findaro.exe";
const char* const kUpdateAddress64 = "https://www.findaro.org/download/findaro64.exe";

namespace {

// The name of the resource that holds the key releases are signed with.
constexpr const char* kUpdateKeyResource = "UPDATEKEY";
constexpr const char* kSignatureSuffix = ".sig";

// The program folder's names of the update, and the previous backup's place
// while the swap is under way.
struct UpdateFiles {
  std::string download;
  std::string signature;
  std::string program;
  std::string backup;
  std::string previousBackup;
};

UpdateFiles updateFiles(Finder& finder) {
  std::string folder = finder.files.programFolder();
  return {folder + "findaro.tmp", folder + "findaro.sig", folder + "findaro.exe", folder + "findaro.old",
          folder + "findaro.old.previous"};
}

bool downloadRelease(Finder& finder, const UpdateFiles& f) {
  return finder.downloader.download(finder.updateAddress, f.download) &&
         finder.downloader.download(finder.updateAddress + kSignatureSuffix, f.signature);
}

// Signed with the private half of the key the running program carries; a
// running program without a readable key trusts nothing.
bool signedForUs(Finder& finder, const std::string& running, const std::string& release,
                 const std::string& signatureFile) {
  std::optional<std::string_view> keyInfo = programResource(running, kRawDataResource, kUpdateKeyResource);
  if (!keyInfo) return false;
  std::optional<std::string> key = p256KeyFromDer(*keyInfo);
  std::optional<std::string> signature = p256SignatureFromDer(signatureFile);
  return key && signature && finder.signatureCheck.verifies(*key, release, *signature);
}

bool releaseIsTrusted(Finder& finder, const UpdateFiles& f) {
  std::optional<std::string> running = finder.files.readFile(finder.programFile);
  std::optional<std::string> release = finder.files.readFile(f.download);
  std::optional<std::string> signature = finder.files.readFile(f.signature);
  if (!running || !release || !signature) return false;
  return signedForUs(finder, *running, *release, *signature) &&
         checkProgramImage(*release, runningProgramMachine()) == ProgramImageCheck::Complete &&
         isNoOlderRelease(programFileVersion(*release), programFileVersion(*running));
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

bool isNoOlderRelease(const std::optional<FileVersion>& release, const std::optional<FileVersion>& running) {
  return release && running && !(*release < *running);
}

std::string updateAddressFor(std::uint16_t machine) {
  return machine == kMachineI386 ? kUpdateAddress : kUpdateAddress64;
}

std::string updateAddressFrom(const std::optional<std::string>& environmentValue) {
  if (environmentValue) {
    std::string address = common::trimSpace(*environmentValue);
    if (!address.empty()) return address;
  }
  return updateAddressFor(runningProgramMachine());
}

void updateProgram(Finder& finder) {
  speakAndWait(finder, "Updating Findaro");
  const UpdateFiles f = updateFiles(finder);
  // Partial files of an earlier attempt must not pass for this download.
  finder.files.deleteFile(f.download);
  finder.files.deleteFile(f.signature);
  bool installed = downloadRelease(finder, f) && releaseIsTrusted(finder, f) && swapInDownload(finder, f);
  finder.files.deleteFile(f.signature);
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
