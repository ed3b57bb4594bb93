#pragma once
// Handing the selected result to the desktop: the file to the program the system
// associates with it, the folder that holds it to the file manager, and the
// search engine's own window.
#include <string>
#include <vector>

namespace findaro {

struct Finder;

// The extensions handed to the shell directly, one group per kind of file.
extern const char* const kDocumentExtensions;
extern const char* const kPictureExtensions;
extern const char* const kSoundExtensions;
extern const char* const kVideoExtensions;

// From the last dot of the name (after its last "\" or ":") to the end, the dot
// included; empty when the name has none.
std::string fileExtension(const std::string& name);
// Whether an extension (lower case) is found in one of the four groups. The test
// is a substring test, so ".h", ".t" and the empty extension pass too.
bool opensDirectly(const std::string& extension);

// The friendly name of the program that opens this extension, or the words that
// say there is none.
std::string associatedAppName(Finder& finder, const std::string& extension);

void openSelectedFile(Finder& finder);
void openSelectedFolder(Finder& finder);

// Where the engine's program may be: the 32-bit and 64-bit program folders,
// then beside the search client found on the PATH.
std::vector<std::string> engineProgramCandidates(Finder& finder);
// Starts the engine's window; false when it did not start ("Everything Not
// Found" is said when the program is nowhere).
bool openEngineWindow(Finder& finder);

}  // namespace findaro
