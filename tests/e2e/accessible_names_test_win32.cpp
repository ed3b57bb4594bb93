// What a screen reader hears for each control: the names are read from this
// process, as a reader reads them, through the controls' accessible objects.
#include <gtest/gtest.h>

#include <cstdint>

#include "e2e/finder_session_win32.h"
#include "e2e/magnora_session_win32.h"

#include <commctrl.h>
#include <oleacc.h>

using namespace e2e;

namespace {

class ComApartment {
 public:
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};

// The name of the window's client object, or of one of its parts; "<none>"
// when the object or its name cannot be had.
std::wstring accessibleName(HWND window, long child = CHILDID_SELF) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    return L"<none>";
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  BSTR name = nullptr;
  HRESULT result = object->get_accName(id, &name);
  object->Release();
  if (FAILED(result) || !name) return L"<none>";
  std::wstring text(name, SysStringLen(name));
  SysFreeString(name);
  return text;
}

// The screen's pixels under a window. A copy reaching past the screen's edge
// comes out black, so the window is cut to the screen.
std::vector<uint32_t> pixelsOf(HWND window) {
  RECT r = windowRect(window);
  RECT screenArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&r, &r, &screenArea);
  int w = r.right - r.left, h = r.bottom - r.top;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Repaints a window of the other program and waits until the screen shows the
// same picture twice running.
std::vector<uint32_t> repaintedPixels(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  std::vector<uint32_t> last = pixelsOf(window);
  waitUntil(
      [&] {
        std::vector<uint32_t> now = pixelsOf(window);
        bool same = now == last;
        last = std::move(now);
        return same;
      },
      5s);
  return last;
}

void setText(HWND window, const wchar_t* text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &ignored);
}

}  // namespace

TEST(AccessibleNames, TheFindersControlsAndToolbarButtonsAreNamedWithCaptionsHidden) {
  ComApartment com;
  ScratchFolder folder;
  // One page of the narrow toolbar: Exit, a gap, the four search kinds, a gap,
  // the page button; no captions.
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nWideToolbar=0\r\nHideToolbarText=1\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  EXPECT_EQ(accessibleName(finder.control(500)), L"Search term");
  EXPECT_EQ(accessibleName(finder.control(501)), L"Results");
  EXPECT_EQ(accessibleName(finder.control(504)), L"Preview");
  HWND toolbar = finder.control(502);
  ASSERT_NE(toolbar, nullptr);
  ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 8);
  EXPECT_EQ(accessibleName(toolbar, 1), L"Exit");
  EXPECT_EQ(accessibleName(toolbar, 3), L"Search Files");
  EXPECT_EQ(accessibleName(toolbar, 6), L"Search Custom");
  EXPECT_EQ(accessibleName(toolbar, 8), L"Next Menu");
  // The typed term is still the search box's text, not its name.
  EXPECT_EQ(finder.searchText(), L"texas");
  ASSERT_TRUE(finder.close());
}

TEST(AccessibleNames, EachBarButtonIsNamedAsARightClickSpeaksIt) {
  ComApartment com;
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"96 1 1 1 1 1 1 1 1 1 0 1 0 0 0 1 0 0 1"));
  const std::vector<std::wstring> expected = {
      L"New TAB", L"Previous TAB", L"Next TAB", L"Delete TAB", L"TAB Information", L"Previous", L"Next",
      L"Zoom In", L"Zoom Out", L"No Zoom", L"Copy", L"Speak Clipboard", L"Increase Volume", L"Decrease Volume",
      L"Change Speed", L"Mute", L"Dictation", L"Print All", L"Print Screen", L"Set BookMark", L"Show BookMarks",
      L"Contrast", L"OSK", L"Magnifier Plus", L"Magnifier Minus", L"Magnifier Exit", L"Magnifier Type",
      L"Capture Plus", L"Exit Magnora"};
  std::vector<HWND> buttons = bar.buttons();
  ASSERT_EQ(buttons.size(), expected.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(windowText(buttons[i]), expected[i]);
    EXPECT_EQ(accessibleName(buttons[i]), expected[i]);
    EXPECT_TRUE(GetWindowLongPtrW(buttons[i], GWL_STYLE) & BS_ICON) << i;
  }
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}

// The name is there for readers only: an icon button shows its icon alone,
// exactly as it did without a text.
TEST(AccessibleNames, ABarButtonWithANameDrawsOnlyItsIcon) {
  ScratchFolder folder;
  MagnoraSession bar(folder);
  ASSERT_TRUE(bar.start(L"128 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0"));
  HWND close = bar.button(500);
  ASSERT_NE(close, nullptr);
  // The bar has finished showing itself when two repaints in turn give one picture.
  std::vector<uint32_t> named;
  ASSERT_TRUE(waitUntil(
      [&] {
        std::vector<uint32_t> now = repaintedPixels(close);
        bool same = now == named;
        named = std::move(now);
        return same;
      },
      10s));
  setText(close, L"");
  EXPECT_TRUE(waitUntil([&] { return repaintedPixels(close) == named; }, 5s));
  // The same button without BS_ICON shows a text: the pictures above would
  // have told the two apart.
  LONG_PTR style = GetWindowLongPtrW(close, GWL_STYLE);
  setText(close, L"Exit Magnora");
  SetWindowLongPtrW(close, GWL_STYLE, style & ~static_cast<LONG_PTR>(BS_ICON));
  // The bar paints in its own process, later on a busy machine: wait for the
  // change itself, not for the first picture that holds still.
  EXPECT_TRUE(waitUntil(
      [&] {
        RedrawWindow(close, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return pixelsOf(close) != named;
      },
      5s));
  SetWindowLongPtrW(close, GWL_STYLE, style);
  PostMessageW(bar.bar(), plMessage(), 0, 64);
  EXPECT_TRUE(bar.waitForExit(10s));
}
