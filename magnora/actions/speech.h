#pragma once
// The bar's own voice: speaking at once, the rate cycle, the clipboard reader and
// the names of the buttons under the mouse.
#include <optional>
#include <string>

#include "magnora/state/bar.h"

namespace magnora {

void createVoice(Bar& bar);
// Cuts off whatever is being said and says this instead; an empty text just stops.
void speakNow(Bar& bar, const std::string& text);
void nextSpeechRate(Bar& bar);
void speakClipboardToggle(Bar& bar);
// Names the button under the mouse, once until the mouse reaches another button.
void hoverNarration(Bar& bar);
// Names the button that was right-clicked; false when the click was on none.
// The click's own point counts, not where the mouse went since: a bar busy
// with a command must not close because the mouse moved on meanwhile.
bool rightClickNarration(Bar& bar, std::optional<Point> clickedAt = std::nullopt);

}  // namespace magnora
