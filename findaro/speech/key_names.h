#pragma once
// The names of the keys pressed in the search box, on a US keyboard layout.
namespace findaro {

struct Finder;

// Names the key from its virtual-key code and the Shift, Control and Caps Lock
// state: sets the finder's lastKeyName ("Unknown" for a key it does not know)
// and lastKeyChar (what the key types, or empty).
void keyName(Finder& finder, int virtualKey);

// Whether the key is one whose name and character are echoed as the user types:
// the keys that put an acceptable character into the box.
bool keyEchoes(int virtualKey, bool shiftDown);

}  // namespace findaro
