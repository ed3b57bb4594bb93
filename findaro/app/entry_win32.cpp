// The finder's program entry: the window, the voice, the settings and the
// controls in their order, the window's run, and the restart after an update.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <optional>
#include <string>

#include "common/audio_log.h"
#include "common/sapi_voice_win32.h"
#include "common/wide_win32.h"
#include "findaro/actions/update.h"
#include "findaro/app/main_window.h"
#include "findaro/app/main_window_win32.h"
#include "findaro/search/search_arguments.h"
#include "findaro/state/finder.h"
#include "findaro/state/settings_store.h"
#include "findaro/system/clipboard_win32.h"
#include "findaro/system/downloader_win32.h"
#include "findaro/system/file_system_win32.h"
#include "findaro/system/printer_win32.h"
#include "findaro/system/processes_win32.h"
#include "findaro/system/signature_check_win32.h"
#include "findaro/system/system_services_win32.h"

extern const unsigned long long kBuildFileTime;

namespace {

std::string formatBuildStamp() {
  ULARGE_INTEGER ticks;
  ticks.QuadPart = kBuildFileTime;
  FILETIME utc{ticks.LowPart, ticks.HighPart};
  FILETIME local{};
  SYSTEMTIME when{};
  FileTimeToLocalFileTime(&utc, &local);
  FileTimeToSystemTime(&local, &when);
  wchar_t date[80] = L"";
  wchar_t time[80] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 80);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &when, nullptr, time, 80);
  return findaro::buildStampText(common::fromWide(date), common::fromWide(time));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  findaro::MainWindow window(instance);
  window.setDefaultFont("Arial Black", 24);
  std::string stamp = formatBuildStamp();
  if (!window.create(common::toWide(std::string("Findaro ") + findaro::kVersion + stamp))) return 1;

  SetCurrentDirectoryW(common::programFolder().c_str());

  common::AudioLog audioLog = common::openAudioLog(L"FINDARO_AUDIO_LOG");
  common::LoggedVoice voice(common::createSapiVoice(), audioLog);
  findaro::Win32Files files;
  findaro::Win32Processes processes;
  findaro::Win32Clipboard clipboard;
  clipboard.setOwnerWindow(window.handle());
  findaro::Win32Printer printer;
  findaro::Win32Keyboard keyboard;
  findaro::Win32Sound sound(audioLog);
  findaro::Win32Clock clock;
  findaro::Win32Locale locale;
  findaro::Win32Downloader downloader;
  findaro::Win32SignatureCheck signatureCheck;

  findaro::Finder finder(findaro::FinderSeams{window, window.searchBox(), window.list(), window.toolbar(),
                                              window.preview(), window.tooltip(), voice, files, processes,
                                              clipboard, printer, keyboard, sound, clock, locale, downloader,
                                              signatureCheck});
  finder.buildStamp = stamp;
  finder.programFile = common::fromWide(common::programPath());
  std::wstring mirror = common::environmentVariable(L"FINDARO_UPDATE_URL");
  finder.updateAddress =
      findaro::updateAddressFrom(mirror.empty() ? std::nullopt : std::optional(common::fromWide(mirror)));
  window.attach(&finder);
  findaro::loadOrSaveSettings(finder, "get");
  window.createResultsList();
  window.createSearchBox();
  window.createPreviewPane();
  window.createToolbarImages();
  window.createTooltipWindow();
  findaro::buildCategoryLists(finder);
  window.createStatusBar();
  window.run();

  if (finder.restartAfterUpdate) findaro::restartUpdatedProgram(finder);
  CoUninitialize();
  return 0;
}
