#pragma once
// The short tones that confirm a command. A tone blocks for its duration.
namespace findaro {

class Sound {
 public:
  virtual ~Sound() = default;
  virtual void beep(int hertz, int milliseconds) = 0;
};

}  // namespace findaro
