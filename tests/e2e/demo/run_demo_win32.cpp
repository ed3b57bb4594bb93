// `make run` on a machine without a display: starts the finder on the virtual
// display, runs one search with its default term, saves a picture of the window,
// and closes it. Usage: run_demo <folder holding findaro.exe> <picture.png>
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "e2e/driver_win32.h"

using namespace e2e;

namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void put32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void chunk(std::string& png, const char* type, const std::string& body) {
  put32(png, static_cast<uint32_t>(body.size()));
  std::string typed = std::string(type, 4) + body;
  png += typed;
  put32(png, crc32(reinterpret_cast<const uint8_t*>(typed.data()), typed.size()));
}

// A PNG with stored (uncompressed) deflate blocks: larger than it could be, but
// needs nothing beyond this file.
std::string encodePng(int width, int height, const std::vector<uint8_t>& rgb) {
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw += '\0';
    raw.append(reinterpret_cast<const char*>(&rgb[static_cast<size_t>(y) * width * 3]), static_cast<size_t>(width) * 3);
  }
  std::string z = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535) {
    size_t n = std::min<size_t>(65535, raw.size() - pos);
    bool last = pos + n >= raw.size();
    z += static_cast<char>(last ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z.append(raw, pos, n);
    if (last) break;
  }
  put32(z, (b << 16) | a);
  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  put32(header, static_cast<uint32_t>(width));
  put32(header, static_cast<uint32_t>(height));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", z);
  chunk(png, "IEND", "");
  return png;
}

bool savePicture(HWND window, const std::wstring& path) {
  // Only what is on the screen can be copied (a copy reaching past its edge
  // comes out black), so the window is cut to the screen.
  RECT r = windowRect(window);
  RECT screenArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&r, &r, &screenArea);
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
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
  std::vector<uint8_t> bgra(static_cast<size_t>(w) * h * 4);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), bgra.data(), &info, DIB_RGB_COLORS);
  std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
    rgb[i * 3] = bgra[i * 4 + 2];
    rgb[i * 3 + 1] = bgra[i * 4 + 1];
    rgb[i * 3 + 2] = bgra[i * 4];
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  writeFile(path, encodePng(w, h, rgb));
  return true;
}

bool logHas(const std::wstring& log, const std::string& piece) {
  for (const std::string& line : readLines(log))
    if (line.find(piece) != std::string::npos) return true;
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: run_demo <folder> <picture.png>\n");
    return 2;
  }
  std::wstring folder = argv[1];
  std::wstring log = folder + L"\\audio.log";
  DeleteFileW(log.c_str());
  Process finder = launch(folder + L"\\findaro.exe", L"", folder, {{L"FINDARO_AUDIO_LOG", log}});
  HWND window = waitForWindow(finder.id(), L"Findaro ", 30s);
  if (!window) {
    std::fprintf(stderr, "run: the finder's window did not appear\n");
    return 1;
  }
  waitUntil([&] { return logHas(log, "SearchBox has focus"); }, 10s);
  if (bringToFront(window)) {
    pressKey(VK_RETURN);
    if (!waitUntil([&] { return logHas(log, "Search is complete"); }, 30s))
      std::fprintf(stderr, "run: no search was announced as complete\n");
  }
  // Let the list paint its new rows before the picture is taken.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(500);
  bool saved = savePicture(window, argv[2]);
  PostMessageW(window, WM_CLOSE, 0, 0);
  finder.waitForExit(30s);
  if (!saved) std::fprintf(stderr, "run: the picture could not be taken\n");
  return saved ? 0 : 1;
}
