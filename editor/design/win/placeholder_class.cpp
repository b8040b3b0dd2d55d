#include "editor/design/win/placeholder_class.h"

#include <windows.h>

#include "editor/foundation/win/window_class.h"

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
  return RegisterClassOnce(GetModuleHandleW(nullptr), className.W(), PlaceholderProc, CS_DBLCLKS);
}
