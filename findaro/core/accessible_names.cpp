#include "findaro/core/accessible_names.h"

#include "common/text.h"
#include "findaro/speech/tooltip_texts.h"

namespace findaro {

namespace {
constexpr int kPageButton = 518;
}

std::string controlName(ControlId id) {
  switch (id) {
    case kSearchBox: return "Search term";
    case kResultsList: return "Results";
    case kPreviewPane: return "Preview";
    default: return "";
  }
}

std::string toolbarButtonName(int command) {
  if (command == kPageButton) return "Next Menu";
  return common::trimBlanks(toolbarTooltipText(command));
}

}  // namespace findaro
