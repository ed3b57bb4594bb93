// The bar's program entry: one bar at a time, the program's folder as the
// working directory, the settings from the command tail, and the bar's run.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "common/sapi_voice_win32.h"
#include "common/wide_win32.h"
#include "magnora/app/bar_handlers.h"
#include "magnora/system/printer_win32.h"
#include "magnora/system/system_win32.h"
#include "magnora/window/bar_window_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandTail, int) {
  common::AudioLog audioLog = common::openAudioLog(L"MAGNORA_AUDIO_LOG");
  magnora::Win32System system(audioLog);

  // Held, never released, for as long as this bar runs.
  HANDLE running = CreateMutexW(nullptr, FALSE, common::programBaseName().c_str());
  if (!running || GetLastError() == ERROR_ALREADY_EXISTS) {
    system.beep(magnora::kBeepHertz, magnora::kBeepMilliseconds);
    system.beep(magnora::kBeepHertz, magnora::kBeepMilliseconds);
    return 0;
  }

  SetCurrentDirectoryW(common::programFolder().c_str());
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  magnora::Win32Printer printer;
  magnora::BarDialog window(instance, system);
  magnora::Bar bar(window, system, printer);
  magnora::readSettings(bar, common::fromWide(commandTail ? commandTail : L""));
  magnora::BarHandlers handlers(bar);
  window.run(handlers, magnora::caption());

  bar.voice.reset();
  CoUninitialize();
  return 0;
}
