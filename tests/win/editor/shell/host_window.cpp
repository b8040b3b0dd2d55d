#include "host_window.h"

namespace {
constexpr const wchar_t* kClass = L"ShellTestHost";
}

HostWindow::HostWindow(int width, int height) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  RegisterClassW(&wc);  // a second registration fails harmlessly
  hwnd = CreateWindowExW(0, kClass, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, width, height, nullptr, nullptr,
                         wc.hInstance, this);
}

HostWindow::~HostWindow() {
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

LRESULT CALLBACK HostWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_COMMAND) self->commands.push_back(wParam);
  if (self && message == WM_NOTIFY) self->notifications.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
  return DefWindowProcW(window, message, wParam, lParam);
}
