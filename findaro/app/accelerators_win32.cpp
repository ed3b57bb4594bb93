#include "findaro/app/accelerators_win32.h"

#include <vector>

#include "findaro/app/shortcut_keys.h"

namespace findaro {

HACCEL buildAccelerators() {
  std::vector<ACCEL> table;
  for (const ShortcutKey& key : shortcutKeys()) {
    ACCEL entry{};
    entry.fVirt = FVIRTKEY;
    if (key.control) entry.fVirt |= FCONTROL;
    if (key.shift) entry.fVirt |= FSHIFT;
    entry.key = static_cast<WORD>(key.virtualKey);
    entry.cmd = static_cast<WORD>(key.command);
    table.push_back(entry);
  }
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace findaro
