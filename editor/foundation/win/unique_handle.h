// One owner for every Windows handle: a handle is released exactly once, by
// the object that holds it, and never copied.
#pragma once

#include <windows.h>

#include <utility>

template <typename T, typename Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T value) : value(value) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return value; }
  explicit operator bool() const { return value != T(); }
  T release() { return std::exchange(value, T()); }
  void reset(T replacement = T()) {
    T old = std::exchange(value, replacement);
    if (old != T()) Deleter()(old);
  }

 private:
  T value = T();
};

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct WindowDeleter {
  void operator()(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct AcceleratorDeleter {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using UniqueHBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueHFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueHBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniqueHPen = UniqueHandle<HPEN, GdiObjectDeleter>;
using UniqueHWnd = UniqueHandle<HWND, WindowDeleter>;
using UniqueHMenu = UniqueHandle<HMENU, MenuDeleter>;
using UniqueHAccel = UniqueHandle<HACCEL, AcceleratorDeleter>;
using UniqueHDc = UniqueHandle<HDC, DcDeleter>;

// A window's device context for the lifetime of the object (GetDC/ReleaseDC).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
  // With GetDCEx's flags: what the DC is clipped to.
  WindowDc(HWND window, DWORD flags) : window(window), dc(GetDCEx(window, nullptr, flags)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc) ReleaseDC(window, dc);
  }
  HDC get() const { return dc; }

 private:
  HWND window;
  HDC dc;
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), old(object ? SelectObject(dc, object) : nullptr) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (old) SelectObject(dc, old);
  }

 private:
  HDC dc;
  HGDIOBJ old;
};

// BeginPaint/EndPaint around a WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window(window) { dc = BeginPaint(window, &ps); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window, &ps); }
  HDC get() const { return dc; }

 private:
  HWND window;
  PAINTSTRUCT ps = {};
  HDC dc = nullptr;
};
