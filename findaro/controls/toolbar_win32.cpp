#include "findaro/controls/toolbar_win32.h"

#include "common/screen/display_win32.h"
#include "common/wide_win32.h"
#include "findaro/controls/accessible_controls_win32.h"
#include "findaro/controls/controls.h"

namespace findaro {
namespace {

// The toolbar's own room round each button's picture and caption, the
// system's default at 100 %; left alone it would stay this size at any scale.
constexpr int kPaddingX = 7;
constexpr int kPaddingY = 6;

}  // namespace

ToolbarControl::~ToolbarControl() {
  if (images_) ImageList_Destroy(images_);
}

void ToolbarControl::rebuildImages(int iconSize, const std::vector<std::string>& iconNames) {
  if (images_) ImageList_Destroy(images_);
  images_ = ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 20, 0);
  for (const std::string& name : iconNames) {
    HICON icon = common::loadIconAtSize(instance_, common::toWide(name).c_str(), iconSize);
    ImageList_AddIcon(images_, icon);
    if (icon) DestroyIcon(icon);
  }
}

void ToolbarControl::destroy() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
  font_.reset();
}

void ToolbarControl::build(const std::vector<ToolbarItem>& items) {
  common::Scale scale = common::windowScale(parent_);
  if (!defaultFont_ || defaultFontScale_ != scale) {
    // The dialog's default font is of the Western character set.
    defaultFont_.reset(createBoldFont(defaultFace_, defaultPoints_, scale, ANSI_CHARSET));
    defaultFontScale_ = scale;
  }
  handle_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | 0x900, 0, 0, 0, 0, parent_,
                            reinterpret_cast<HMENU>(kToolbar), instance_, nullptr);
  SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(handle_, TB_SETPADDING, 0, MAKELPARAM(scale.pixels(kPaddingX), scale.pixels(kPaddingY)));
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_.get()), FALSE);
  SendMessageW(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  captions_.clear();
  captions_.reserve(items.size());
  names_.clear();
  for (const ToolbarItem& item : items) {
    names_.push_back(common::toWide(item.name));
    TBBUTTON button{};
    if (item.separator) {
      button.iBitmap = item.width;
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = item.image - 1;
      button.idCommand = item.command;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
      captions_.push_back(common::toWide(item.caption));
      button.iString = item.caption.empty() ? -1 : reinterpret_cast<INT_PTR>(captions_.back().c_str());
    }
    SendMessageW(handle_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    SendMessageW(handle_, TB_AUTOSIZE, 0, 0);
  }
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  subclass(handle_, kToolbar);
  nameToolbarButtonsForScreenReaders(handle_, &names_);
}

void ToolbarControl::setFont(const std::string& face, int points) {
  if (!handle_) return;
  font_.reset(createBoldFont(face, points, common::windowScale(parent_)));
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  SendMessageW(handle_, TB_AUTOSIZE, 0, 0);
}

int ToolbarControl::height() {
  if (!handle_) return 0;
  RECT r{};
  GetWindowRect(handle_, &r);
  return r.bottom - r.top;
}

int ToolbarControl::lastButtonRight() {
  if (!handle_) return 0;
  int count = static_cast<int>(SendMessageW(handle_, TB_BUTTONCOUNT, 0, 0));
  if (count == 0) return 0;
  RECT r{};
  SendMessageW(handle_, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r));
  return r.right;
}

LRESULT ToolbarControl::onMessage(UINT message, WPARAM, LPARAM, bool& handled) {
  handled = false;
  if (message == WM_SETFOCUS) events_->focusArrived(kToolbar);
  return 0;
}

}  // namespace findaro
