#pragma once
// The toolbar of large icon buttons, destroyed and built anew on each change.
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "findaro/controls/control_win32.h"
#include "findaro/controls/toolbar_control.h"

namespace findaro {

class ToolbarControl : public SubclassedControl, public Toolbar {
 public:
  ~ToolbarControl() override;
  void setParent(HWND parent, HINSTANCE instance) {
    parent_ = parent;
    instance_ = instance;
  }
  // The font of a freshly built toolbar, made at the scale of the display the
  // window is on when the toolbar is built.
  void setDefaultFont(const std::string& face, int points) {
    defaultFace_ = face;
    defaultPoints_ = points;
  }

  void rebuildImages(int iconSize, const std::vector<std::string>& iconNames) override;
  void destroy() override;
  void build(const std::vector<ToolbarItem>& items) override;
  void setFont(const std::string& face, int points) override;
  int height() override;
  int lastButtonRight() override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  HWND parent_ = nullptr;
  HINSTANCE instance_ = nullptr;
  std::string defaultFace_;
  int defaultPoints_ = 0;
  common::UniqueFont defaultFont_;
  common::Scale defaultFontScale_;
  HIMAGELIST images_ = nullptr;
  common::UniqueFont font_;
  std::vector<std::wstring> captions_;
  std::vector<std::wstring> names_;  // by button index, separators included
};

}  // namespace findaro
