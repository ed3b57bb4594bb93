#pragma once
// The high-resolution counter the search is timed with.
namespace findaro {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual long long counter() = 0;
  virtual long long counterFrequency() = 0;
};

}  // namespace findaro
