#include <gtest/gtest.h>
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <vector>

#include "e2e/finder_session_win32.h"

using namespace e2e;
namespace gdip = Gdiplus::DllExports;

namespace {

// A picture of one colour, written by the system's own encoder for its type.
bool writePicture(const std::wstring& path, const wchar_t* mimeType, COLORREF color) {
  static ULONG_PTR token = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR t = 0;
    Gdiplus::GdiplusStartup(&t, &input, nullptr);
    return t;
  }();
  (void)token;
  UINT count = 0;
  UINT bytes = 0;
  gdip::GdipGetImageEncodersSize(&count, &bytes);
  std::vector<BYTE> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  gdip::GdipGetImageEncoders(count, bytes, codecs);
  const CLSID* encoder = nullptr;
  for (UINT i = 0; i < count; ++i)
    if (wcscmp(codecs[i].MimeType, mimeType) == 0) encoder = &codecs[i].Clsid;
  if (!encoder) return false;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(64, 48, 0, PixelFormat24bppRGB, nullptr, &bitmap) != Gdiplus::Ok) return false;
  Gdiplus::GpGraphics* graphics = nullptr;
  gdip::GdipGetImageGraphicsContext(bitmap, &graphics);
  gdip::GdipGraphicsClear(graphics, 0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
  gdip::GdipDeleteGraphics(graphics);
  bool saved = gdip::GdipSaveImageToFile(bitmap, path.c_str(), encoder, nullptr) == Gdiplus::Ok;
  gdip::GdipDisposeImage(bitmap);
  return saved;
}

const COLORREF kRed = RGB(200, 30, 40);
const COLORREF kGreen = RGB(40, 180, 60);
const COLORREF kOrange = RGB(250, 160, 20);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(FinderPreview, PicturesAreDecodedFittedAndKeptTheBackgroundCyclesAndOtherFilesShowNoPicture) {
  ScratchFolder folder;
  ASSERT_TRUE(writePicture(folder.file(L"red.png"), L"image/png", kRed));
  ASSERT_TRUE(writePicture(folder.file(L"green.jpg"), L"image/jpeg", kGreen));
  ASSERT_TRUE(writePicture(folder.file(L"orange.bmp"), L"image/bmp", kOrange));
  writeFile(folder.file(L"broken.png"), "this is no picture");
  std::string rows = "Size,Date Modified,Filename\r\n";
  for (const wchar_t* name : {L"red.png", L"green.jpg", L"orange.bmp", L"broken.png"})
    rows += "1,01/02/2024 03:04,\"" + narrow(folder.file(name)) + "\"\r\n";
  writeFile(folder.file(L"results.txt"), rows);
  writeFile(folder.file(L"findaro.ini"), "[All]\r\nShowPreview=1\r\nLastRow=1\r\nSearchType=1\r\n");

  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  HWND pane = finder.control(504);
  ASSERT_TRUE(IsWindowVisible(pane));
  RECT r = windowRect(pane);
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  POINT band{middle.x, r.top + 6};  // above a 4:3 picture fitted to the pane's width
  ASSERT_GT(r.bottom - r.top, (r.right - r.left) * 3 / 4 + 20) << "the pane is too flat for the band test";
  auto showsAt = [](POINT at, COLORREF color) {
    return waitUntil([&] { return similarColor(screenPixel(at), color); }, 15s);
  };

  EXPECT_TRUE(showsAt(middle, kRed)) << describeColor(screenPixel(middle));
  EXPECT_TRUE(showsAt(band, kBlue)) << describeColor(screenPixel(band));
  ASSERT_TRUE(bringToFront(finder.window()));
  pressChord({VK_CONTROL, VK_SHIFT}, 'I');
  ASSERT_TRUE(finder.waitToSay("Image Background is White"));
  EXPECT_TRUE(showsAt(band, kWhite)) << describeColor(screenPixel(band));

  // Painted again from outside, the pane still holds its picture.
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(showsAt(middle, kRed)) << describeColor(screenPixel(middle));

  ASSERT_TRUE(finder.clickRow(2));
  EXPECT_TRUE(showsAt(middle, kGreen)) << describeColor(screenPixel(middle));
  pressKey(VK_DOWN, true);
  EXPECT_TRUE(showsAt(middle, kOrange)) << describeColor(screenPixel(middle));
  pressKey(VK_DOWN, true);
  ASSERT_TRUE(finder.waitToSay("broken.png"));
  EXPECT_TRUE(showsAt(middle, kWhite)) << describeColor(screenPixel(middle));
  ASSERT_TRUE(finder.close());
}
