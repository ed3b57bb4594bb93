#pragma once
// A finder on fakes: every seam recorded or scripted in memory.
#include "findaro/state/finder.h"
#include "support/fake_actions.h"
#include "support/fake_controls.h"
#include "support/fake_system.h"
#include "support/fake_voice.h"

namespace testing_support {

struct FakeFinder {
  // The counter as the window reads it at start-up, and a client that finds nothing.
  FakeFinder() {
    finder.counterFrequency = clock.counterFrequency();
    processes.onRun = [this] { files.files["results.txt"] = "Size,Date Modified,Filename\r\n"; };
  }
  FakeFinder(const FakeFinder&) = delete;
  FakeFinder& operator=(const FakeFinder&) = delete;

  CallLog calls;
  FakeWindow window{calls};
  FakeSearchBox searchBox{calls, window};
  FakeResultsList list{calls, window};
  FakeToolbar toolbar{calls};
  FakePreviewPane preview{calls};
  FakeTooltip tooltip{calls};
  FakeVoice voice;
  FakeFiles files;
  FakeProcesses processes;
  FakeClipboard clipboard;
  FakePrinter printer;
  FakeKeyboard keyboard;
  FakeSound sound;
  FakeClock clock;
  FakeLocale locale;
  FakeDownloader downloader;
  FakeSignatureCheck signatureCheck;
  findaro::Finder finder{findaro::FinderSeams{window, searchBox, list, toolbar, preview, tooltip, voice, files,
                                              processes, clipboard, printer, keyboard, sound, clock, locale,
                                              downloader, signatureCheck}};

  std::vector<std::string> spokenTexts() const {
    std::vector<std::string> texts;
    for (const Utterance& u : voice.spoken) texts.push_back(u.text);
    return texts;
  }
};

}  // namespace testing_support
