#include "findaro/app/finder_control_events.h"

#include "findaro/speech/focus_narration.h"
#include "findaro/speech/search_box_narration.h"

namespace findaro {

void FinderControlEvents::focusArrived(ControlId control) {
  switch (control) {
    case kSearchBox: announceSearchBoxFocus(finder_); break;
    case kResultsList: announceListFocus(finder_); break;
    case kToolbar: announceToolbarFocus(finder_); break;
    default: break;
  }
}

bool FinderControlEvents::searchBoxChar(int character) { return onSearchBoxChar(finder_, character); }
void FinderControlEvents::searchBoxKeyDown(int virtualKey) { onSearchBoxKeyDown(finder_, virtualKey); }
void FinderControlEvents::searchBoxKeyUp(int virtualKey) { onSearchBoxKeyUp(finder_, virtualKey); }

}  // namespace findaro
