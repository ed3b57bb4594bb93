#pragma once
// The bar's System seam on the Windows platform.
#include <windows.h>

#include "common/audio_log.h"
#include "magnora/system/system.h"

namespace magnora {

class Win32System : public System {
 public:
  explicit Win32System(const common::AudioLog& log) : log_(log) {}
  // The bar window owns the clipboard and the documents it opens.
  void setOwner(HWND bar) { owner_ = bar; }

  std::unique_ptr<common::Voice> createVoice() override;
  void beep(int hertz, int milliseconds) override;
  void sleep(int milliseconds) override;
  void sendKey(int virtualKey, int scanCode, int flags) override;
  std::string clipboardText() override;
  void emptyClipboard() override;
  void setClipboardText(const std::string& text) override;
  Rect workArea() override;
  Rect workAreaNear(const Rect& bounds) override;
  int monitorCount() override;
  WindowHandle rootWindowAt(Point screenPoint) override;
  void focusWindow(WindowHandle window) override;
  void closeWindow(WindowHandle window) override;
  void broadcastPlMessage(long wParam, long lParam) override;
  unsigned highContrastFlags() override;
  void setHighContrastFlags(unsigned flags) override;
  common::SystemTheme systemTheme() override;
  void openDocument(const std::string& path) override;
  void startProgram(const std::string& file) override;
  std::string environmentVariable(const std::string& name) override;
  std::string programFolder() override;
  std::optional<std::string> readFile(const std::string& path) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
  bool canConnect(const std::string& host, const std::string& service, int timeoutMilliseconds) override;

 private:
  bool openClipboard();

  const common::AudioLog& log_;
  HWND owner_ = nullptr;
};

// The registered message the bar and its sibling programs talk by.
UINT plMessage();

// A TCP connection to the host's service within the time, the name lookup
// included; it never takes longer, whatever the network does.
bool connectWithin(const std::string& host, const std::string& service, int timeoutMilliseconds);

}  // namespace magnora
