#pragma once
// The program-wide state of one run of the finder, with the seams it acts through.
// Every operation of the program is a free function taking it.
#include <string>
#include <utility>
#include <vector>

#include "common/voice.h"
#include "findaro/core/desktop.h"
#include "findaro/core/screen.h"
#include "findaro/core/settings.h"
#include "findaro/search/result_records.h"

namespace findaro {

constexpr const char* kVersion = "4.1";

struct Finder {
  Finder(Screen& s, common::Voice& v, Desktop& d) : screen(s), voice(v), desktop(d) {}

  Screen& screen;
  common::Voice& voice;
  Desktop& desktop;

  Settings settings;
  ResultRecords results;
  std::string pendingAnnouncement;
  std::string buildStamp;  // "   Compiled: " + date + " " + time
  int toolbarPage = 0;
  bool restartAfterUpdate = false;
  bool sortDescending = false;
  std::string engineArguments;   // the argument string of the most recent search
  long long counterFrequency = 1;
  std::string previewFile;
  std::vector<std::pair<std::string, std::string>> categoryLists;  // prefix and extension list
};

}  // namespace findaro
