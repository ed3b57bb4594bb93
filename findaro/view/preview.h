#pragma once
// The image preview pane: the selected picture fitted to the pane on a plain
// background, or "Not An Image" for anything else.
#include <string>

#include "findaro/controls/preview_pane.h"

namespace findaro {

struct Finder;

extern const char* const kImageExtensions;

// The extension of a path as the preview tests it: from the last dot of the file
// name to the end; empty when the name has none or the path is too long.
std::string previewExtension(const std::string& path);
// A case-sensitive substring test: ".JPG" fails, ".jp" and the empty extension pass.
bool isImageExtension(const std::string& extension);

// The background behind the picture as a colour (0x00BBGGRR): 0 white, 1 black,
// 2 blue, anything else black.
int imageBackgroundColor(int imageBG);
// The pane's first colours, from the settings.
void preparePreviewPane(Finder& finder);

void showPreview(Finder& finder);
// Decodes the file; false when it is not a picture the system can read.
bool loadPreviewImage(Finder& finder);
void drawPreviewImage(Finder& finder);

}  // namespace findaro
