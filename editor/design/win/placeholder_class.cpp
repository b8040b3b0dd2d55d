#include "editor/design/win/placeholder_class.h"

#include <windows.h>

namespace {

// Paints nothing, so the control shows as an empty area of the dialog.
LRESULT CALLBACK PlaceholderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int RegisterPlaceholderClass(const CStringU& className) {
  if (className.Length() == 0) return 0;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW known = {};
  known.cbSize = sizeof(known);
  if (GetClassInfoExW(instance, className.W(), &known)) return 1;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = PlaceholderProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className.W();
  return RegisterClassExW(&wc) ? 1 : 0;
}
