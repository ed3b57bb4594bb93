#pragma once
// The bar's colours: its own grey behind the buttons and black on white tips,
// or the system's colours while high contrast is on.
#include "common/screen/display.h"

namespace magnora {

struct BarColors {
  int background = 0;
  common::ColorPair tip;
  bool operator==(const BarColors& o) const { return background == o.background && tip == o.tip; }
};

BarColors barColors(const common::SystemTheme& theme);

}  // namespace magnora
