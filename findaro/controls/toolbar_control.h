#pragma once
// The toolbar control: built from a list of buttons and separators, destroyed
// and built anew whenever what it shows changes.
#include <string>
#include <vector>

namespace findaro {

struct ToolbarItem {
  bool separator = false;
  int width = 0;         // separators: their width in pixels
  int image = 0;         // buttons: the image number, counted from 1
  int command = 0;       // buttons: the command id
  std::string caption;   // buttons: empty means no text string at all
  std::string name;      // buttons: what screen readers call it, caption shown or not
  bool operator==(const ToolbarItem& o) const {
    return separator == o.separator && width == o.width && image == o.image && command == o.command &&
           caption == o.caption && name == o.name;
  }
};

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
