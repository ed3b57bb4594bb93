#pragma once
// The bar on fakes: a system that records every sound, pause, key and window
// call in one event list (so the order can be checked), a bar window with
// buttons placed as the behaviour asks, and a printer.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "magnora/app/bar_handlers.h"

namespace magnora_testing {

using magnora::Point;
using magnora::Rect;
using magnora::Size;
using magnora::WindowHandle;

struct KeyEvent {
  int virtualKey;
  int scanCode;
  int flags;
  bool operator==(const KeyEvent& o) const {
    return virtualKey == o.virtualKey && scanCode == o.scanCode && flags == o.flags;
  }
};

inline std::ostream& operator<<(std::ostream& out, const KeyEvent& k) {
  return out << "{" << k.virtualKey << "," << k.scanCode << "," << k.flags << "}";
}

using Events = std::vector<std::string>;

class RecordingVoice : public common::Voice {
 public:
  explicit RecordingVoice(Events& events) : events_(events) {}
  void speak(const std::string& text, unsigned flags) override {
    events_.push_back("Speak " + std::to_string(flags) + " " + text);
  }
  bool isSpeaking() override { return false; }
  void setRate(int rate) override { events_.push_back("SetRate " + std::to_string(rate)); }

 private:
  Events& events_;
};

// Stands in for the browser too: Ctrl+C copies the selection, or the whole page
// once Ctrl+A has selected it.
class FakeSystem : public magnora::System {
 public:
  explicit FakeSystem(Events& events) : events_(events) {}

  std::unique_ptr<common::Voice> createVoice() override {
    events_.push_back("CreateVoice");
    return std::make_unique<RecordingVoice>(events_);
  }
  void beep(int hertz, int ms) override { events_.push_back("Beep " + std::to_string(hertz) + " " + std::to_string(ms)); }
  void sleep(int ms) override { events_.push_back("Sleep " + std::to_string(ms)); }
  void sendKey(int vk, int scan, int flags) override {
    keys.push_back({vk, scan, flags});
    events_.push_back("Key");
    bool down = (flags & magnora::key::kUp) == 0;
    if (vk == 0x11) controlDown = down;
    if (down && controlDown && vk == 'A') pageSelected = true;
    if (down && controlDown && vk == 'C') clipboard = pageSelected ? page : selection;
  }
  std::string clipboardText() override { return clipboard; }
  void emptyClipboard() override {
    clipboard.clear();
    events_.push_back("EmptyClipboard");
  }
  void setClipboardText(const std::string& text) override {
    clipboard = text;
    events_.push_back("SetClipboard");
  }
  Rect workArea() override { return work; }
  Rect workAreaNear(const Rect& bounds) override {
    askedNear.push_back(bounds);
    return nearWork.value_or(work);
  }
  int monitorCount() override { return monitors; }
  WindowHandle rootWindowAt(Point p) override {
    events_.push_back("FindTarget " + std::to_string(p.x) + " " + std::to_string(p.y));
    return windowAtCentre;
  }
  void focusWindow(WindowHandle w) override { events_.push_back("Focus " + std::to_string(w)); }
  void closeWindow(WindowHandle w) override { events_.push_back("CloseWindow " + std::to_string(w)); }
  void broadcastPlMessage(long wParam, long lParam) override {
    events_.push_back("Broadcast " + std::to_string(wParam) + " " + std::to_string(lParam));
  }
  unsigned highContrastFlags() override { return contrastFlags; }
  void setHighContrastFlags(unsigned flags) override { contrastFlags = flags; }
  common::SystemTheme systemTheme() override { return theme; }
  void openDocument(const std::string& path) override { events_.push_back("Open " + path); }
  void startProgram(const std::string& file) override { events_.push_back("Start " + file); }
  std::string environmentVariable(const std::string& name) override {
    auto it = environment.find(name);
    return it == environment.end() ? std::string() : it->second;
  }
  std::string programFolder() override { return "C:\\prog\\"; }
  std::optional<std::string> readFile(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool writeFile(const std::string& path, const std::string& bytes) override {
    files[path] = bytes;
    events_.push_back("Write " + path);
    return true;
  }
  bool canConnect(const std::string& host, const std::string& service, int timeout) override {
    events_.push_back("Connect " + host + " " + service + " " + std::to_string(timeout));
    return online;
  }

  std::vector<KeyEvent> keys;
  std::string clipboard;
  std::string selection;
  std::string page;
  bool controlDown = false;
  bool pageSelected = false;
  Rect work{0, 0, 1920, 1040};
  std::optional<Rect> nearWork;  // the work area of the monitor the bar is near, when not the primary's
  std::vector<Rect> askedNear;
  int monitors = 1;
  WindowHandle windowAtCentre = 4242;
  unsigned contrastFlags = 0x7E;
  common::SystemTheme theme;
  std::map<std::string, std::string> environment;
  std::map<std::string, std::string> files;
  bool online = false;

 private:
  Events& events_;
};

class FakeBarWindow : public magnora::BarWindow {
 public:
  explicit FakeBarWindow(Events& events) : events_(events) {}

  common::Scale scale() override { return displayScale; }
  // Kept rather than recorded as an event: the tests of order are about places, keys and sounds.
  void setColors(const magnora::BarColors& given) override { colors = given; }

  void layoutButtons(const std::vector<magnora::ButtonPlacement>& placed, int size) override {
    buttons = placed;
    handles.clear();
    for (const auto& b : placed) handles[b.id] = ++lastHandle;  // new windows every time
    buttonSize = size;
    events_.push_back("Layout " + std::to_string(placed.size()));
  }
  void attachTooltips(const std::vector<magnora::ButtonPlacement>& placed) override {
    tooltips.clear();
    for (const auto& b : placed) tooltips[handles[b.id]] = b.tooltip;
    events_.push_back("Tooltips " + std::to_string(placed.size()));
  }
  void moveBar(Point p) override {
    position = p;
    events_.push_back("Move " + std::to_string(p.x) + " " + std::to_string(p.y));
  }
  void placeBar(Point p, Size s) override {
    position = p;
    size = s;
    events_.push_back("Place " + std::to_string(p.x) + " " + std::to_string(p.y) + " " + std::to_string(s.width) +
                      " " + std::to_string(s.height));
  }
  Point barPosition() override { return position; }
  WindowHandle buttonWindow(int id) override {
    auto it = handles.find(id);
    return it == handles.end() ? 0 : it->second;
  }
  std::optional<Rect> buttonScreenRect(int id) override {
    for (const auto& b : buttons)
      if (b.id == id)
        return Rect{b.rect.left + position.x, b.rect.top + position.y, b.rect.right + position.x,
                    b.rect.bottom + position.y};
    return std::nullopt;
  }
  Point cursorPosition() override { return cursor; }
  void restoreTopmost() override { events_.push_back("Topmost"); }
  void requestTopmost() override { events_.push_back("RequestTopmost"); }
  void closeBar() override {
    closed = true;
    events_.push_back("CloseBar");
  }

  // Puts the mouse in the middle of a button on the screen.
  void pointAt(int id) {
    std::optional<Rect> r = buttonScreenRect(id);
    ASSERT_TRUE(r.has_value()) << "button " << id << " is not on the bar";
    cursor = {(r->left + r->right) / 2, (r->top + r->bottom) / 2};
  }

  std::vector<magnora::ButtonPlacement> buttons;
  std::map<int, WindowHandle> handles;
  std::map<WindowHandle, std::string> tooltips;
  WindowHandle lastHandle = 1000;
  int buttonSize = 0;
  Point position;
  Size size;
  Point cursor{-1, -1};
  bool closed = false;
  common::Scale displayScale;
  magnora::BarColors colors;

 private:
  Events& events_;
};

class FakePicture : public magnora::ScreenPicture {
 public:
  FakePicture(int w, int h) : width_(w), height_(h), pixels_(static_cast<size_t>(w) * h * 4, 0x80) {}
  int width() const override { return width_; }
  int height() const override { return height_; }
  std::uint8_t* pixels() override { return pixels_.data(); }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

class FakePrinter : public magnora::Printer {
 public:
  explicit FakePrinter(Events& events) : events_(events) {}

  std::string defaultPrinterName() override { return name; }
  bool canAttach(const std::string& printer) override {
    events_.push_back("Attach " + printer);
    return attachable;
  }
  bool beginLandscapeJob(const std::string& printer) override {
    events_.push_back("BeginJob " + printer);
    return jobOpens;
  }
  magnora::PageMetrics pageMetrics() override { return metrics; }
  std::unique_ptr<magnora::ScreenPicture> captureScreen() override {
    events_.push_back("Capture");
    auto picture = std::make_unique<FakePicture>(screen.width, screen.height);
    captured = picture.get();
    return picture;
  }
  Size frameSize() override { return frame; }
  void drawStretched(magnora::ScreenPicture& picture, const Rect& s, const Rect& t) override {
    firstPixelGrey = picture.pixels()[0] == picture.pixels()[1] && picture.pixels()[3] == 0;
    source = s;
    target = t;
    events_.push_back("Draw");
  }
  void endJob() override { events_.push_back("EndJob"); }

  std::string name = "Office Laser";
  bool attachable = true;
  bool jobOpens = true;
  magnora::PageMetrics metrics{6400, 4800, 600, 600, 100, 100, 100, 100};
  Size screen{20, 10};
  Size frame{4, 4};
  FakePicture* captured = nullptr;
  bool firstPixelGrey = false;
  Rect source;
  Rect target;

 private:
  Events& events_;
};

class MagnoraTest : public ::testing::Test {
 protected:
  Events events;
  FakeSystem system{events};
  FakeBarWindow window{events};
  FakePrinter printer{events};
  magnora::Bar bar{window, system, printer};

  // A bar started with these words and set up as its window would do it.
  void start(const std::string& words) {
    magnora::readSettings(bar, words);
    magnora::initialiseBar(bar);
    events.clear();
  }

  // Only the events of one kind ("Speak", "Beep" ...), without their kind.
  std::vector<std::string> only(const std::string& kind) const {
    std::vector<std::string> out;
    for (const std::string& e : events)
      if (e.rfind(kind + " ", 0) == 0) out.push_back(e.substr(kind.size() + 1));
    return out;
  }
  std::vector<std::string> spoken() const {
    std::vector<std::string> out;
    for (const std::string& s : only("Speak")) out.push_back(s.substr(s.find(' ') + 1));
    return out;
  }
};

}  // namespace magnora_testing
