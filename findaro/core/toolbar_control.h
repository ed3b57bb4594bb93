#pragma once
// The toolbar control: built from a list of buttons and separators, destroyed
// and built anew whenever what it shows changes.
#include <string>
#include <vector>

#include "findaro/core/toolbar_layout.h"

namespace findaro {

class Toolbar {
 public:
  virtual ~Toolbar() = default;

  virtual void rebuildImages(int iconSize, const std::vector<std::string>& iconNames) = 0;
  virtual void destroy() = 0;
  virtual void build(const std::vector<ToolbarItem>& items) = 0;
  virtual void setFont(const std::string& face, int points) = 0;
  virtual int height() = 0;           // 0 while there is no toolbar
  virtual int lastButtonRight() = 0;  // toolbar client coordinates; 0 without a toolbar
};

}  // namespace findaro
