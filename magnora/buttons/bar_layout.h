#pragma once
// Where the bar sits: its size from the buttons, and its home at the top right of
// the chosen monitor's work area. The button size and the grip are pixels at
// 100 %, grown with the scale of the display the bar is on.
#include "common/screen/display.h"
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
// The bar's rectangle at its home position.
Rect homeBounds(const BarSettings& settings, int buttonCount, const Rect& workArea, int monitorCount,
                const common::Scale& scale = common::Scale());

// The largest button size (at 100 %), up to the chosen one, at which the whole
// bar fits across the work area at this scale (and the buttons within its
// height), so that with many buttons on a small screen every one, the close
// button last, stays in reach. Never below the smallest icons; an empty work
// area changes nothing.
int buttonSizeToFit(int buttonSize, int buttonCount, const Rect& workArea,
                    const common::Scale& scale = common::Scale());

// The middle of the chosen monitor's work area, halves rounded to even: the
// point whose window the commands act on.
Point targetPoint(const Rect& workArea, int monitorNumber, int monitorCount);

}  // namespace magnora
