#pragma once
// The bar's own handlers: start-up, commands, the mouse, messages and exit; and
// what the bar's window reports, handed to them.
#include <optional>
#include <string>
#include <string_view>

#include "magnora/state/bar.h"
#include "magnora/window/bar_events.h"

namespace magnora {

std::string caption();

// The settings from the command tail and the first count.
void readSettings(Bar& bar, std::string_view commandTail);
Size currentBarSize(Bar& bar);
Point currentHome(Bar& bar);

// The bar's set-up once its window exists: buttons, tooltips, home, voice, and
// the request to be topmost once on screen.
void initialiseBar(Bar& bar);

void handleCommand(Bar& bar, int controlId);
void onDoubleClick(Bar& bar);
// The point is where the click was; none when the menu key was pressed.
void onContextMenu(Bar& bar, std::optional<Point> clickedAt = std::nullopt);
void onSetCursor(Bar& bar);
void onPlMessage(Bar& bar, long lParam);
// The bar takes the suggested place with its buttons made anew at the new scale.
void onScaleChanged(Bar& bar, const Rect& suggested);
void onColorsChanged(Bar& bar);
void onDestroy(Bar& bar);

// The window's reports, each to its handler.
class BarHandlers : public BarEvents {
 public:
  explicit BarHandlers(Bar& bar) : bar_(bar) {}

  void started() override { initialiseBar(bar_); }
  void command(int controlId) override { handleCommand(bar_, controlId); }
  void doubleClicked() override { onDoubleClick(bar_); }
  void contextMenu(std::optional<Point> clickedAt) override { onContextMenu(bar_, clickedAt); }
  void cursorSet() override { onSetCursor(bar_); }
  void plMessage(long lParam) override { onPlMessage(bar_, lParam); }
  void scaleChanged(const Rect& suggested) override { onScaleChanged(bar_, suggested); }
  void colorsChanged() override { onColorsChanged(bar_); }
  void destroyed() override { onDestroy(bar_); }

 private:
  Bar& bar_;
};

}  // namespace magnora
