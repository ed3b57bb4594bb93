#include "findaro/actions/opening.h"

#include "common/text.h"
#include "findaro/speech/speech.h"
#include "findaro/state/finder.h"

namespace findaro {

const char* const kDocumentExtensions = ".doc .docx .dat .bas .inc .txt .pdf .xls .xlsx .ppt .pptx .htm .html .rtf .ini .bat";
const char* const kPictureExtensions = ".jpg .bmp .png .ico .gif .jpeg .tiff .tif .svg .webp";
const char* const kSoundExtensions = ".mp3 .wav .aac .ogg .flac .aiff .m4a .wma";
const char* const kVideoExtensions = ".mov .mp4 .avi .wmv .flv";

namespace {

constexpr size_t kLongestShellPath = 259;

// The selected row, after the checks both open commands share; 0 when one of
// them has already answered.
int rowToOpen(Finder& finder) {
  int row = finder.list.selectedRow();
  if (row < 1 || row > finder.results.count()) {
    speak(finder, "No Selection");
    return 0;
  }
  if (finder.settings.SearchType == kModeSettingsList) {
    speak(finder, "Not Available in Help Mode");
    return 0;
  }
  return row;
}

std::string shellPath(std::string_view path) { return common::truncateUtf16Units(common::trimBlanks(path), kLongestShellPath); }

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

}  // namespace

std::string fileExtension(const std::string& name) {
  size_t nameStart = name.find_last_of("\\:");
  size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return "";
  return name.substr(dot);
}

bool opensDirectly(const std::string& extension) {
  for (const char* group : {kDocumentExtensions, kPictureExtensions, kSoundExtensions, kVideoExtensions})
    if (std::string_view(group).find(extension) != std::string_view::npos) return true;
  return false;
}

std::string associatedAppName(Finder& finder, const std::string& extension) {
  return finder.processes.associatedAppName(extension).value_or("Error: associated program not found");
}

void openSelectedFile(Finder& finder) {
  int row = rowToOpen(finder);
  if (row == 0) return;
  RecordView record = finder.results.at(row);
  if (record.Name == kPlaceholderName) {
    speak(finder, "Empty");
    return;
  }
  if (record.IsFolder == 1) {
    openSelectedFolder(finder);
    return;
  }
  std::string name(record.Name);
  std::string extension = finder.locale.lowerCase(fileExtension(name));
  if (opensDirectly(extension)) {
    std::string path = shellPath(std::string(record.Folder) + name);
    speak(finder, "Using " + associatedAppName(finder, extension) + " to Open " + name);
    finder.processes.openWithShell(path);
  } else {
    // Programs and everything unknown are never started from the list: the
    // user gets the folder and decides there.
    finder.processes.openWithShell(std::string(record.Folder));
    speak(finder, "Cannot Open File. Opening Parent Folder.");
  }
}

void openSelectedFolder(Finder& finder) {
  int row = rowToOpen(finder);
  if (row == 0) return;
  std::string path = shellPath(finder.results.at(row).Folder);
  finder.processes.openWithShell(path);
  speak(finder, "Opening " + path);
}

std::vector<std::string> engineProgramCandidates(Finder& finder) {
  std::vector<std::string> candidates = {"c:\\program files (x86)\\everything\\everything.exe",
                                         "c:\\program files\\everything\\everything.exe"};
  if (std::optional<std::string> client = finder.processes.findOnPath("es.exe"))
    candidates.push_back(folderOf(*client) + "everything.exe");
  return candidates;
}

bool openEngineWindow(Finder& finder) {
  for (const std::string& program : engineProgramCandidates(finder)) {
    // A program that is there but will not start is not reported, nor
    // announced as opening.
    if (finder.files.fileExists(program)) return finder.processes.startProgram(program, "");
  }
  speak(finder, "Everything Not Found");
  return false;
}

}  // namespace findaro
