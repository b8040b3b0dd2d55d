#include "editor/foundation/win/status_bar_u.h"

#include <commctrl.h>

#include "editor/foundation/win/unique_handle.h"
#include "editor/resources/resource.h"

PaneEntry CStatusBarU::noPanes[] = {{0, L"", 0}};

CStatusBarU::~CStatusBarU() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

int CStatusBarU::CreateStatusBar(HWND frame) {
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(frame, GWLP_HINSTANCE)), nullptr);
  if (!bar) return 0;
  hwnd = bar;

  paneCount = 0;
  while (panes[paneCount].id != 0) ++paneCount;

  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return 0;
  UniqueHFont font(CreateFontIndirectW(&metrics.lfStatusFont));
  int borders[3] = {};
  SendMessageW(hwnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  WindowDc dc(hwnd);
  ScopedSelect select(dc.get(), font.get());
  paneWidths.assign(static_cast<size_t>(paneCount), 0);
  for (int i = 0; i < paneCount; ++i) {
    SIZE extent = {};
    GetTextExtentPoint32W(dc.get(), panes[i].text.c_str(), static_cast<int>(panes[i].text.size()), &extent);
    paneWidths[static_cast<size_t>(i)] = extent.cx + 2 * borders[2];
  }

  RECT rc = {};
  GetClientRect(hwnd, &rc);
  SetParts(rc.right - rc.left);
  SendMessageW(hwnd, SB_SETTEXTW, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(L""));
  for (int i = 0; i < paneCount; ++i) {
    SendMessageW(hwnd, SB_SETTEXTW, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(panes[i].text.c_str()));
    panes[i].dirty = 0;
  }
  return 1;
}

// Part 0 takes what the fixed panes and the size grip (as wide as the bar is
// high) leave; the last pane ends where the grip begins.
void CStatusBarU::SetParts(int barWidth) {
  RECT bar = {};
  GetWindowRect(hwnd, &bar);
  const int gripWidth = bar.bottom - bar.top;
  int total = 0;
  for (int width : paneWidths) total += width;
  std::vector<int> edges;
  int edge = barWidth - gripWidth - total;
  edges.push_back(edge);
  for (int width : paneWidths) {
    edge += width;
    edges.push_back(edge);
  }
  SendMessageW(hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBarU::LayoutParts(WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return;
  SetParts(LOWORD(lParam));
  SendMessageW(hwnd, WM_SIZE, wParam, lParam);
}

void CStatusBarU::SetStatusText(const wchar_t* text) {
  if (hwnd) SendMessageW(hwnd, SB_SETTEXTW, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
}

void CStatusBarU::RefreshPanes() {
  if (!hwnd) return;
  for (int i = 0; i < paneCount; ++i) {
    if (!panes[i].dirty) continue;
    SendMessageW(hwnd, SB_SETTEXTW, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(panes[i].text.c_str()));
    panes[i].dirty = 0;
  }
}
