#pragma once
// The program-wide state of one run of the finder, with the seams it acts through.
// Every operation of the program is a free function taking it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/voice.h"
#include "findaro/controls/preview_pane.h"
#include "findaro/controls/results_list.h"
#include "findaro/controls/search_box.h"
#include "findaro/controls/toolbar_control.h"
#include "findaro/controls/tooltip_window.h"
#include "findaro/controls/window.h"
#include "findaro/records/result_records.h"
#include "findaro/state/running_search.h"
#include "findaro/state/settings.h"
#include "findaro/system/clipboard.h"
#include "findaro/system/clock.h"
#include "findaro/system/downloader.h"
#include "findaro/system/files.h"
#include "findaro/system/keyboard.h"
#include "findaro/system/locale.h"
#include "findaro/system/printer.h"
#include "findaro/system/processes.h"
#include "findaro/system/signature_check.h"
#include "findaro/system/sound.h"

namespace findaro {

constexpr const char* kVersion = "4.1";

// Everything the finder talks to: its window and controls, and the rest of the system.
struct FinderSeams {
  Window& window;
  SearchBox& searchBox;
  ResultsList& list;
  Toolbar& toolbar;
  PreviewPane& preview;
  TooltipWindow& tooltip;
  common::Voice& voice;
  Files& files;
  Processes& processes;
  Clipboard& clipboard;
  Printer& printer;
  Keyboard& keyboard;
  Sound& sound;
  Clock& clock;
  Locale& locale;
  Downloader& downloader;
  SignatureCheck& signatureCheck;
};

struct Finder : FinderSeams {
  explicit Finder(const FinderSeams& seams) : FinderSeams(seams) {}

  Settings settings;
  ResultRecords results;
  std::string pendingAnnouncement;
  std::string buildStamp;  // "   Compiled: " + date + " " + time
  int toolbarPage = 0;
  bool restartAfterUpdate = false;
  bool sortDescending = false;
  std::string engineArguments;   // the argument string of the most recent search
  std::unique_ptr<RunningSearch> search;  // while the client of a search runs
  long long counterFrequency = 1;
  std::string previewFile;
  // The preview pane's colours as last used, and the size of the picture it holds.
  int previewForeground = 65535;
  int previewBackground = 0xFF0000;
  Size previewImage;
  std::string updateAddress;  // where the update downloads from, chosen at start
  // The running program's own file: the key its updates must be signed with and
  // its version are read from it.
  std::string programFile;
  std::vector<std::pair<std::string, std::string>> categoryLists;  // prefix and extension list

  // The shortcut looked up last, and the toolbar's large tip.
  std::string lastShortcutName;
  std::string lastShortcutKey;
  std::string tooltipText;
  int lastHoveredButton = 0;

  // Search-box narration: the last key's name and character, and the word typed so far.
  std::string lastKeyName;
  std::string lastKeyChar;
  std::string wordBuffer;
};

inline bool searchInProgress(const Finder& finder) { return finder.search != nullptr; }

}  // namespace findaro
