#pragma once
// What the controls hand up to the program above them: the focus arriving at one
// of them, and the keys typed into the search box, before and after the box acts
// on them. The controls only show and report; what is said is decided above.
#include "findaro/controls/controls.h"

namespace findaro {

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;

  virtual void focusArrived(ControlId control) = 0;
  // A character typed into the search box (one UTF-16 unit). True when the box
  // must not take it: the user has been told why.
  virtual bool searchBoxChar(int character) = 0;
  virtual void searchBoxKeyDown(int virtualKey) = 0;
  virtual void searchBoxKeyUp(int virtualKey) = 0;
};

}  // namespace findaro
