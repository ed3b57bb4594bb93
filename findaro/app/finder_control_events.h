#pragma once
// What the finder does when its controls report: each control's focus is
// announced, and the search box narrates what is typed into it.
#include "findaro/controls/control_events.h"

namespace findaro {

struct Finder;

class FinderControlEvents : public ControlEvents {
 public:
  explicit FinderControlEvents(Finder& finder) : finder_(finder) {}

  void focusArrived(ControlId control) override;
  bool searchBoxChar(int character) override;
  void searchBoxKeyDown(int virtualKey) override;
  void searchBoxKeyUp(int virtualKey) override;

 private:
  Finder& finder_;
};

}  // namespace findaro
