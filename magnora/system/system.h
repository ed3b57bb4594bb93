#pragma once
// What the bar's behaviour asks of the system: sounds and pauses, synthesized
// keys, the clipboard, the windows of other programs, system settings, files,
// programs and the network. Paths and texts are UTF-8.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/screen/display.h"
#include "common/voice.h"
#include "magnora/system/geometry.h"

namespace magnora {

// The registered message the bar and its companion programs tell each other
// things by (closing, above all).
constexpr const char* kPlMessage = "plmessage";

// A window of any program, as an opaque number; 0 is no window.
using WindowHandle = std::uintptr_t;

namespace key {
constexpr int kExtended = 1;  // KEYEVENTF_EXTENDEDKEY
constexpr int kUp = 2;        // KEYEVENTF_KEYUP
}  // namespace key

class System {
 public:
  virtual ~System() = default;

  // The platform's voice (logged, and silent when the engine cannot be made).
  virtual std::unique_ptr<common::Voice> createVoice() = 0;

  virtual void beep(int hertz, int milliseconds) = 0;
  virtual void sleep(int milliseconds) = 0;
  virtual void sendKey(int virtualKey, int scanCode, int flags) = 0;

  // Empty when the clipboard holds no text.
  virtual std::string clipboardText() = 0;
  virtual void emptyClipboard() = 0;
  virtual void setClipboardText(const std::string& text) = 0;

  virtual Rect workArea() = 0;
  // The work area of the monitor nearest the rectangle.
  virtual Rect workAreaNear(const Rect& bounds) = 0;
  virtual int monitorCount() = 0;

  // The top-level window under a screen point.
  virtual WindowHandle rootWindowAt(Point screenPoint) = 0;
  // Hands the keyboard focus and the foreground to a window.
  virtual void focusWindow(WindowHandle window) = 0;
  // Asks a window to close as its system menu's Close does.
  virtual void closeWindow(WindowHandle window) = 0;
  // Posts the registered message "plmessage" to every top-level window.
  virtual void broadcastPlMessage(long wParam, long lParam) = 0;

  // The flags of the high-contrast setting; and writing them back over a fresh
  // read of the rest of the setting.
  virtual unsigned highContrastFlags() = 0;
  virtual void setHighContrastFlags(unsigned flags) = 0;
  // Whether high contrast is on, with the system's colours.
  virtual common::SystemTheme systemTheme() = 0;

  // Opens a document with its associated program, maximised, owned by the bar.
  virtual void openDocument(const std::string& path) = 0;
  // Starts a program from the working directory.
  virtual void startProgram(const std::string& file) = 0;

  virtual std::string environmentVariable(const std::string& name) = 0;
  // The program's folder with its trailing backslash.
  virtual std::string programFolder() = 0;
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;

  // True when a TCP connection to the host's service (a port's name or number)
  // opens within the time.
  virtual bool canConnect(const std::string& host, const std::string& service, int timeoutMilliseconds) = 0;
};

}  // namespace magnora
