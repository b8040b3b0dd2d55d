// One owner per handle: moved, never copied, released by its deleter only.
#pragma once

#include <windows.h>

#include <utility>

template <typename T, typename Deleter, T Invalid = T()>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T value) : value(value) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value(std::exchange(other.value, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value, Invalid));
    return *this;
  }

  T get() const { return value; }
  explicit operator bool() const { return value != Invalid; }
  void reset(T replacement = Invalid) {
    if (value != Invalid) Deleter()(value);
    value = replacement;
  }
  T release() { return std::exchange(value, Invalid); }

 private:
  T value = Invalid;
};

struct CloseHandleDeleter {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DeleteObjectDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteDCDeleter {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyMenuDeleter {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct DestroyAcceleratorDeleter {
  void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};
struct DestroyWindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};

// INVALID_HANDLE_VALUE is not a constant expression, so files keep a flag of their own.
class UniqueFileHandle {
 public:
  UniqueFileHandle() = default;
  explicit UniqueFileHandle(HANDLE h) : h(h) {}
  ~UniqueFileHandle() { reset(); }
  UniqueFileHandle(const UniqueFileHandle&) = delete;
  UniqueFileHandle& operator=(const UniqueFileHandle&) = delete;
  HANDLE get() const { return h; }
  explicit operator bool() const { return h != INVALID_HANDLE_VALUE; }
  void reset(HANDLE replacement = INVALID_HANDLE_VALUE) {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    h = replacement;
  }

 private:
  HANDLE h = INVALID_HANDLE_VALUE;
};

using UniqueHFont = UniqueHandle<HFONT, DeleteObjectDeleter>;
using UniqueHBitmap = UniqueHandle<HBITMAP, DeleteObjectDeleter>;
using UniqueHPen = UniqueHandle<HPEN, DeleteObjectDeleter>;
using UniqueHBrush = UniqueHandle<HBRUSH, DeleteObjectDeleter>;
using UniqueHDC = UniqueHandle<HDC, DeleteDCDeleter>;
using UniqueHMenu = UniqueHandle<HMENU, DestroyMenuDeleter>;
using UniqueHAccel = UniqueHandle<HACCEL, DestroyAcceleratorDeleter>;
using UniqueHWnd = UniqueHandle<HWND, DestroyWindowDeleter>;

// Selects an object into a DC for the scope, and the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc, previous); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc;
  HGDIOBJ previous;
};

class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window(window) { dc = BeginPaint(window, &ps); }
  ~ScopedPaint() { EndPaint(window, &ps); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC get() const { return dc; }

 private:
  HWND window;
  PAINTSTRUCT ps = {};
  HDC dc = nullptr;
};
