#include "editor/foundation/win/window_class.h"

int RegisterClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style, int extraBytes,
                      HBRUSH background) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(instance, name, &wc)) return 1;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = extraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) ? 1 : 0;
}
