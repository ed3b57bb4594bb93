#include "findaro/view/toolbar_layout.h"

#include "findaro/view/tooltip_texts.h"

namespace findaro {

const std::vector<std::string>& toolbarIconNames() {
  static const std::vector<std::string> names = {
      "zexit",  "zsearch",  "zopen",   "zfile",    "zfolder", "zcolor",  "znew",
      "zcopy",  "zsfiles",  "zsfolders", "zsboth", "zscustom", "zexpand", "zhelp",
      "zprinter", "zpreview", "z1",    "z2",       "z3",      "zsettings"};
  return names;
}

std::string toolbarCaption(const std::string& text, int hideToolbarText) {
  return hideToolbarText == 1 ? std::string() : text;
}

namespace {

struct Button {
  const char* text;
  int image;
  int command;
};

constexpr Button kExit{"Exit", 1, 517};
constexpr Button kFiles{"Files", 9, 505};
constexpr Button kFolders{"Folders", 10, 506};
constexpr Button kBoth{"Both", 11, 507};
constexpr Button kCustom{"Custom", 12, 508};
constexpr Button kCopy{"Copy", 8, 510};
constexpr Button kOpenFile{"Open", 4, 511};
constexpr Button kOpenFolder{"Open", 5, 512};
constexpr Button kExpand{"Expand", 13, 513};
constexpr Button kColor{"Color", 6, 509};
constexpr Button kPrint{"Print", 15, 516};
constexpr Button kView{"View", 16, 561};
constexpr Button kSettings{"Settings", 20, 515};

class Builder {
 public:
  Builder(int hideToolbarText, const common::Scale& scale) : hide_(hideToolbarText), scale_(scale) {}
  Builder& button(const Button& b) {
    items_.push_back({false, 0, b.image, b.command, toolbarCaption(b.text, hide_), toolbarButtonName(b.command)});
    return *this;
  }
  Builder& separator(int width) {
    items_.push_back({true, scale_.pixels(width), 0, 0, {}, {}});
    return *this;
  }
  Builder& pageButton(int image) { return button({" ", image, 518}); }
  std::vector<ToolbarItem> take() { return std::move(items_); }

 private:
  int hide_;
  common::Scale scale_;
  std::vector<ToolbarItem> items_;
};

}  // namespace

std::vector<ToolbarItem> toolbarLayout(int wideToolbar, int toolbarPage, int hideToolbarText,
                                       const common::Scale& scale) {
  Builder b(hideToolbarText, scale);
  if (wideToolbar != 0) {
    return b.button(kExit).separator(59).button(kFiles).button(kFolders).button(kBoth).button(kCustom)
        .separator(29).button(kCopy).button(kOpenFile).separator(39).button(kOpenFolder).button(kExpand)
        .separator(39).button(kColor).button(kPrint).button(kView).button(kSettings).take();
  }
  switch (toolbarPage) {
    case 1:
      return b.button(kExit).separator(29).button(kCopy).button(kOpenFile).separator(39).button(kOpenFolder)
          .button(kExpand).separator(14).pageButton(18).take();
    case 2:
      return b.button(kExit).separator(29).button(kColor).button(kPrint).button(kView).button(kSettings)
          .separator(39).pageButton(19).take();
    default:
      return b.button(kExit).separator(29).button(kFiles).button(kFolders).button(kBoth).button(kCustom)
          .separator(19).pageButton(17).take();
  }
}

int pageAfter(int toolbarPage) { return toolbarPage >= 2 ? 0 : toolbarPage + 1; }

int pageBefore(int toolbarPage) { return toolbarPage <= 0 ? 2 : toolbarPage - 1; }

IconSizeStep nextIconSize(int iconSize) {
  switch (iconSize) {
    case 48: return {64, 18};
    case 64: return {96, 20};
    case 96: return {128, 24};
    default: return {48, 16};
  }
}

}  // namespace findaro
