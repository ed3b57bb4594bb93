#pragma once
// Where the bar sits: its size from the buttons, and its home at the top right of
// the chosen monitor's work area. The button size and the grip are pixels at
// 100 %, grown with the scale of the display the bar is on.
#include "common/display.h"
#include "magnora/buttons/bar_settings.h"
#include "magnora/system/geometry.h"

namespace magnora {

Size barSize(const BarSettings& settings, int buttonCount, const common::Scale& scale = common::Scale());

// Further monitors are taken to lie side by side right of the primary one, each
// as wide as its work area. A number beyond the monitors attached means the
// last of them, so that the bar never lands where nobody can see it.
int monitorOffset(int monitorNumber, int workAreaWidth, int monitorCount);

Point homePosition(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount,
                   const common::Scale& scale = common::Scale());

// The middle of the chosen monitor's work area, halves rounded to even: the
// point whose window the commands act on.
Point targetPoint(const Rect& workArea, int monitorNumber, int monitorCount);

}  // namespace magnora
