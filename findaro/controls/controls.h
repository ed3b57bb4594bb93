#pragma once
// Ids of the main window's controls and the list modes they show.
namespace findaro {

enum ControlId : int {
  kSearchBox = 500,
  kResultsList = 501,
  kToolbar = 502,
  kStatusBar = 503,
  kPreviewPane = 504,
};

// The setting SearchType: what the results list shows and what kind of search ran.
enum ListMode : int {
  kModeNone = 0,
  kModeFiles = 1,
  kModeFolders = 2,
  kModeBoth = 3,
  kModeCustom = 4,
  kModeSettingsList = 5,
  kModeActionsList = 6,
};

// Which of the window's controls holds the keyboard focus.
enum class Focus { Other, SearchBox, ResultsList, Toolbar };

}  // namespace findaro
