#include "win_test_util.h"

#include <algorithm>
#include <cstdio>

namespace wintest {

void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (pred()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

namespace {

// Pixels of a width x height area that `draw` puts into a memory DC over a
// 32-bit top-down DIB section compatible with `dc`.
Pixels CaptureInto(HDC dc, int width, int height, const std::function<void(HDC)>& draw) {
  Pixels result;
  result.width = width;
  result.height = height;
  if (width <= 0 || height <= 0) return result;
  HDC memDc = CreateCompatibleDC(dc);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memDc, bitmap);
  draw(memDc);
  GdiFlush();
  const auto* src = static_cast<const uint32_t*>(bits);
  result.data.assign(src, src + static_cast<size_t>(width) * height);
  for (auto& p : result.data) p &= 0x00FFFFFF;
  SelectObject(memDc, old);
  DeleteObject(bitmap);
  DeleteDC(memDc);
  return result;
}

}  // namespace

Pixels CaptureClient(HWND window) {
  RECT rc;
  GetClientRect(window, &rc);
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  HDC windowDc = GetDC(window);
  Pixels result = CaptureInto(windowDc, width, height, [&](HDC memDc) {
    // Ask the window to paint itself first; fall back to the screen contents.
    if (!PrintWindow(window, memDc, PW_CLIENTONLY)) BitBlt(memDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  });
  ReleaseDC(window, windowDc);
  return result;
}

Pixels CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  Pixels result = CaptureInto(screen, width, height, [&](HDC memDc) {
    BitBlt(memDc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  });
  ReleaseDC(nullptr, screen);
  return result;
}

Pixels CaptureScreenOfWindow(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return CaptureScreen(rect);
}

Pixels CaptureScreenOfClient(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return CaptureScreen(rect);
}

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& body) {
  PutBe32(file, static_cast<uint32_t>(body.size()));
  std::vector<uint8_t> typed(type, type + 4);
  typed.insert(typed.end(), body.begin(), body.end());
  file.insert(file.end(), typed.begin(), typed.end());
  PutBe32(file, Crc32(typed.data(), typed.size()));
}

}  // namespace

// PNG with stored (uncompressed) deflate blocks: no codec needed, any viewer reads it.
bool SavePng(const std::wstring& path, const Pixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return false;
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(pixels.height) * (pixels.width * 3 + 1));
  for (int y = 0; y < pixels.height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < pixels.width; ++x) {
      const uint32_t p = pixels.At(x, y);
      raw.push_back(static_cast<uint8_t>(p >> 16));
      raw.push_back(static_cast<uint8_t>(p >> 8));
      raw.push_back(static_cast<uint8_t>(p));
    }
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t pos = 0; pos < raw.size() || pos == 0;) {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    const bool last = pos + n >= raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n));
    z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n));
    z.push_back(static_cast<uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
    pos += n;
    if (last) break;
  }
  PutBe32(z, (b << 16) | a);

  std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> header;
  PutBe32(header, static_cast<uint32_t>(pixels.width));
  PutBe32(header, static_cast<uint32_t>(pixels.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", z);
  PutChunk(file, "IEND", {});

  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  const bool ok = fwrite(file.data(), 1, file.size(), f) == file.size();
  return fclose(f) == 0 && ok;
}

std::wstring ScreenshotPath(const std::wstring& name) {
  return Widen(SCREENSHOT_DIR) + L"\\" + name + L".png";
}

bool SaveScreenshot(HWND window, const std::wstring& name) {
  return SavePng(ScreenshotPath(name), CaptureClient(window));
}

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

namespace {

INPUT LeftButton(POINT at, bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP) | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

}  // namespace

void ClickOnScreen(POINT at, int clicks) {
  SetCursorPos(at.x, at.y);
  INPUT input[4] = {};
  const int count = clicks == 2 ? 4 : 2;
  for (int i = 0; i < count; ++i) input[i] = LeftButton(at, i % 2 == 0);
  SendInput(static_cast<UINT>(count), input, sizeof(INPUT));
}

void LeftButtonOnScreen(POINT at, bool down) {
  INPUT input = LeftButton(at, down);
  SendInput(1, &input, sizeof(INPUT));
}

void MoveOnScreen(POINT at) {
  INPUT input = LeftButton(at, false);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

void KeyOnScreen(WORD key, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  // Arrows are extended keys; without the flag they arrive as the keypad's.
  if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_DELETE)
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  SendInput(1, &input, sizeof(INPUT));
}

void PressKey(WORD key, std::initializer_list<WORD> held) {
  for (WORD k : held) KeyOnScreen(k, true);
  KeyOnScreen(key, true);
  KeyOnScreen(key, false);
  for (auto k = held.end(); k != held.begin();) KeyOnScreen(*--k, false);
}

}  // namespace wintest
