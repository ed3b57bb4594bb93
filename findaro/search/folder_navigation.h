#pragma once
// Moving through folders by searching them, and finding one's place in the list.
#include <string>

namespace findaro {

struct Finder;

// Searches the selected row's folder for files and folders.
void expandFolder(Finder& finder);
// The same one level up.
void expandParentFolder(Finder& finder);
// "c:\users\ann\" gives "c:\users\"; a top-level folder gives "".
std::string parentFolder(const std::string& folder);
// Selects the next folder row below the selection.
void jumpToNextFolder(Finder& finder);
// "Line 3 of 10 : File : name", numbers with their leading blanks.
void speakLocation(Finder& finder);
std::string locationText(int row, int count, const std::string& name, bool isFolder, int listMode);

}  // namespace findaro
