#pragma once
// Every user preference, the window placement and the last search: one field per
// key of the section "All" of findaro.ini, named as the key is.
#include <string>

namespace findaro {

struct Settings {
  int Width = 1600;
  int Height = 800;
  int Left = 0;
  int Top = 0;
  std::string SearchTerm = "texas";     // at most 99 characters
  std::string FontName = "Arial Black";  // at most 99 characters
  std::string IgnoreList = ".lnk";       // at most 259 characters
  int Minimized = 0;
  int Maximized = 0;
  int FontSize = 48;
  int FG = 65535;     // yellow, as COLORREF 0x00BBGGRR
  int BG = 16711680;  // blue
  int ShowToolbar = 1;
  int IconSize = 64;
  int SortType = 1;
  int HideToolbarText = 0;
  int MaxResults = 100;
  int ExcludeSystemFolders = 1;
  int EnableSpeakLetters = 1;
  int SpeakNonLetters = 1;
  int ShortPath = 1;
  int EnableToolTips = 1;
  int EnableTime = 1;
  int vRate = 0;
  int SlowRate = -3;
  int FastRate = 3;
  int UseIgnoreList = 0;
  int UseMagnora = 1;
  int FocusOnRE = 0;
  int UseHover = 1;
  int UseKB = 1;
  int PrintFont = 0;
  int MaxPrintLines = 50;
  int SearchType = 0;
  int ShowPreview = 0;
  int LastRow = 1;
  int TopRow = 1;
  int SpeakShortcuts = 1;
  int IncludeShortcutKey = 1;
  int SpeakMinimalKey = 1;
  int PreviewResize = 1;
  int ImageBG = 2;
  int WideToolbar = 1;
  int DisableSpeech = 0;
  int LastSearchType = 1;
  // Added after the first 45 keys: the longest a search may run, in seconds (0 for
  // no limit), and the search engine's instance named outright (empty: found).
  int SearchTimeLimit = 60;
  std::string EngineInstance;  // at most 99 characters
};

// Capacities of the text fields, in characters, without the terminator.
constexpr size_t kSearchTermCapacity = 99;
constexpr size_t kFontNameCapacity = 99;
constexpr size_t kIgnoreListCapacity = 259;
constexpr size_t kEngineInstanceCapacity = 99;

// SearchTimeLimit: the default, and the longest a user may set.
constexpr int kDefaultSearchTimeLimit = 60;
constexpr int kLongestSearchTimeLimit = 3600;

}  // namespace findaro
