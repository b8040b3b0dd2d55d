// Helpers for tests that run under Wine: pumping messages until a condition
// holds, reading pixels back and saving them as PNG for review.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace wintest {

// Dispatches this thread's messages until pred() holds or timeoutMs passes.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

// Dispatches whatever is queued now.
void PumpPending();

// Left clicks (1 or 2) at a point of the screen. Each button event carries
// the point itself, so a late pointer motion from the X server cannot move
// it elsewhere.
void ClickOnScreen(POINT at, int clicks = 1);
// One press or release of the left button at a point of the screen.
void LeftButtonOnScreen(POINT at, bool down);
// The pointer moved to a point of the screen, buttons as they are.
void MoveOnScreen(POINT at);
// A key held down or let go (VK_SHIFT, VK_CONTROL around clicks).
void KeyOnScreen(WORD key, bool down);
// A key pressed and released while the keys in `held` are down.
void PressKey(WORD key, std::initializer_list<WORD> held = {});

// Top-to-bottom 32-bit BGRA pixels of a window's client area.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> data;  // 0x00RRGGBB
  uint32_t At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};
Pixels CaptureClient(HWND window);

// What the screen shows in a rectangle of screen coordinates, windows of other
// processes included (Wine's PrintWindow draws those empty); the whole window
// or its client area.
Pixels CaptureScreen(const RECT& area);
Pixels CaptureScreenOfWindow(HWND window);
Pixels CaptureScreenOfClient(HWND window);

// Writes pixels as an uncompressed PNG; returns false when the file cannot be written.
bool SavePng(const std::wstring& path, const Pixels& pixels);

// SCREENSHOT_DIR + "\\" + name + ".png", and the capture of the window saved there.
std::wstring ScreenshotPath(const std::wstring& name);
bool SaveScreenshot(HWND window, const std::wstring& name);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

}  // namespace wintest
