#pragma once
// The keyboard: the state of the modifier keys, and keys synthesized as if typed.
namespace findaro {

class Keyboard {
 public:
  virtual ~Keyboard() = default;

  virtual bool shiftDown() = 0;
  virtual bool controlDown() = 0;
  virtual bool capsLockOn() = 0;
  // One synthesized key event (virtual key, scan code, flags).
  virtual void sendKey(int virtualKey, int scanCode, int flags) = 0;
};

}  // namespace findaro
