// CStatusBarU: the free text part and fixed panes that end at the size grip.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/foundation/win/status_bar_u.h"
#include "host_window.h"
#include "win_test_util.h"

namespace {

std::vector<int> Edges(HWND bar) {
  int edges[8] = {};
  const int n = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + n);
}

std::wstring PartText(HWND bar, int part) {
  wchar_t text[256] = {};
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
  return text;
}

int Height(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  return rc.bottom - rc.top;
}

}  // namespace

TEST(StatusBar, WithoutPanesTheTextPartEndsAtTheGrip) {
  HostWindow host(500, 300);
  CStatusBarU status;
  ASSERT_EQ(status.CreateStatusBar(host.get()), 1);
  HWND bar = status.Window();
  EXPECT_EQ(GetDlgCtrlID(bar), 101);
  EXPECT_TRUE(GetWindowLongW(bar, GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(status.PaneCount(), 0);
  RECT client;
  GetClientRect(bar, &client);
  EXPECT_EQ(Edges(bar), std::vector<int>{client.right - Height(bar)});

  status.SetStatusText(L"Готово");
  EXPECT_EQ(PartText(bar, 0), L"Готово");
  EXPECT_EQ(HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0)) & SBT_NOBORDERS, SBT_NOBORDERS);
}

TEST(StatusBar, FixedPanesAreSizedToTheirTextsAndFollowTheFrameWidth) {
  PaneEntry panes[] = {{1, L"Строка 100", 0}, {2, L"INS", 0}, {0, L"", 0}};
  HostWindow host(600, 300);
  CStatusBarU status(panes);
  ASSERT_EQ(status.CreateStatusBar(host.get()), 1);
  HWND bar = status.Window();
  ASSERT_EQ(status.PaneCount(), 2);
  const auto& widths = status.PaneWidths();
  EXPECT_GT(widths[0], widths[1]);
  EXPECT_EQ(PartText(bar, 1), L"Строка 100");
  EXPECT_EQ(PartText(bar, 2), L"INS");

  MoveWindow(host.get(), 50, 50, 420, 300, TRUE);
  RECT frame;
  GetClientRect(host.get(), &frame);
  status.LayoutParts(SIZE_RESTORED, MAKELPARAM(frame.right, frame.bottom));
  const int grip = Height(bar);
  EXPECT_EQ(Edges(bar), (std::vector<int>{frame.right - grip - widths[0] - widths[1], frame.right - grip - widths[1],
                                          frame.right - grip}));
  // The bar moved itself to the frame's new width.
  RECT barRect;
  GetClientRect(bar, &barRect);
  EXPECT_EQ(barRect.right, frame.right);

  panes[1].text = L"OVR";
  panes[1].dirty = 1;
  status.RefreshPanes();
  EXPECT_EQ(PartText(bar, 2), L"OVR");
  EXPECT_EQ(panes[1].dirty, 0);
}
