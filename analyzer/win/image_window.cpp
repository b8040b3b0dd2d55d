#include "analyzer/win/image_window.h"

#include "analyzer/win/unique_handle.h"

namespace {

constexpr wchar_t kImageClass[] = L"TImage";
constexpr wchar_t kPanelClass[] = L"TPanel";

LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* owner = reinterpret_cast<ImageOwner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      ScopedPaint paint(hwnd);
      if (owner) owner->PaintImage(hwnd, paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (owner) owner->PaintImage(hwnd, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      if (owner) owner->ImageMouse(hwnd, message, wParam, lParam);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_PAINT: {
      ScopedPaint paint(hwnd);
      const auto bevel = static_cast<PanelBevel>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      if (bevel != PanelBevel::None) {
        RECT rect;
        GetClientRect(hwnd, &rect);
        DrawEdge(paint.get(), &rect, bevel == PanelBevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
      }
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterSimple(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name, &existing)) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool RegisterImageClass(HINSTANCE instance) {
  return RegisterSimple(instance, kImageClass, ImageProc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

HWND CreateImageWindow(HWND parent, int x, int y, int w, int h, int id, ImageOwner* owner) {
  return CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), owner);
}

bool RegisterPanelClass(HINSTANCE instance) {
  return RegisterSimple(instance, kPanelClass, PanelProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

HWND CreatePanel(HWND parent, int x, int y, int w, int h, PanelBevel bevel) {
  HWND panel = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                               w, h, parent, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (panel) SetWindowLongPtrW(panel, GWLP_USERDATA, static_cast<LONG_PTR>(bevel));
  return panel;
}
