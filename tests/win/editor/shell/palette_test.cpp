// CFloatToolBarU: the control palette window, its check-group of tools, the
// forwarding to its owner and giving the activation back at once.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/resources/resource.h"
#include "host_window.h"
#include "win_test_util.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

void ClickButton(HWND toolbar, int cmd) {
  RECT rc = {};
  SendMessageW(toolbar, TB_GETRECT, cmd, reinterpret_cast<LPARAM>(&rc));
  const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(toolbar, WM_LBUTTONUP, 0, at);
}

bool Received(const HostWindow& host, WPARAM command) {
  return std::find(host.commands.begin(), host.commands.end(), command) != host.commands.end();
}

class Palette : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
  }
  void TearDown() override {
    if (palette.Palette()) DestroyWindow(palette.Palette());
  }
  int Create() {
    const int width = 2 * GetSystemMetrics(SM_CXEDGE) + 48;
    const int ok = palette.CreatePalette(Instance(), host.get(), 500, 60, width);
    if (ok) palette.AutoSize();
    return ok;
  }
  HostWindow host;
  CFloatToolBarU palette;
};

}  // namespace

TEST_F(Palette, IsAToolWindowOwnedByTheFrameWithFifteenTools) {
  ASSERT_EQ(Create(), 1);
  HWND window = palette.Palette();
  ASSERT_NE(window, nullptr);
  wchar_t text[64] = {};
  GetClassNameW(window, text, 64);
  EXPECT_EQ(std::wstring(text), L"ParentTB_ClassName");
  GetWindowTextW(window, text, 64);
  EXPECT_EQ(std::wstring(text), L"SC");
  EXPECT_EQ(GetWindow(window, GW_OWNER), host.get());
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  RECT rc;
  GetWindowRect(window, &rc);
  EXPECT_EQ(rc.bottom - rc.top, 200);

  HWND toolbar = palette.Window();
  EXPECT_EQ(GetParent(toolbar), window);
  EXPECT_EQ(GetDlgCtrlID(toolbar), IDC_PALETTE_TOOLBAR);
  EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 15);
  EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, IDM_TOOL_PICTURE, 0));
  EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, IDM_TOOL_SLIDER, 0));

  // A second call keeps the palette.
  EXPECT_EQ(Create(), 1);
  EXPECT_EQ(palette.Palette(), window);
}

TEST_F(Palette, ToolsFormOneCheckGroupAndClicksReachTheOwner) {
  ASSERT_EQ(Create(), 1);
  HWND toolbar = palette.Window();
  EXPECT_EQ(palette.CheckedTool(), 0);
  palette.CheckPointerTool();
  EXPECT_EQ(palette.CheckedTool(), IDM_TOOL_POINTER);

  ClickButton(toolbar, IDM_TOOL_CHECK_BOX);
  EXPECT_EQ(palette.CheckedTool(), IDM_TOOL_CHECK_BOX);
  EXPECT_TRUE(wintest::PumpUntil([&] { return Received(host, IDM_TOOL_CHECK_BOX); }, 2000));

  palette.ReleaseTools();
  EXPECT_EQ(palette.CheckedTool(), 0);
}

TEST_F(Palette, ForwardsCommandsAndNotificationsAndSwallowsItsMenus) {
  ASSERT_EQ(Create(), 1);
  HWND window = palette.Palette();
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(1234, BN_CLICKED), 0);
  EXPECT_TRUE(Received(host, MAKEWPARAM(1234, BN_CLICKED)));
  NMHDR header = {palette.Window(), IDC_PALETTE_TOOLBAR, static_cast<UINT>(TTN_SHOW)};
  SendMessageW(window, WM_NOTIFY, IDC_PALETTE_TOOLBAR, reinterpret_cast<LPARAM>(&header));
  ASSERT_FALSE(host.notifications.empty());
  EXPECT_EQ(host.notifications.back(), static_cast<UINT>(TTN_SHOW));

  // Neither the system menu nor a context menu opens (either would block here).
  EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0), 0);
  EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_MOUSEMENU, 0), 0);
  EXPECT_EQ(SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(510, 70)), 0);
}

TEST_F(Palette, GivesTheActivationBackToItsOwner) {
  ASSERT_EQ(Create(), 1);
  SetActiveWindow(host.get());
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == host.get(); }, 2000));
  SetActiveWindow(palette.Palette());
  EXPECT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == host.get(); }, 2000));
}

TEST_F(Palette, HidesShowsAndComesBackAfterBeingClosed) {
  ASSERT_EQ(Create(), 1);
  HWND first = palette.Palette();
  palette.HidePalette();
  EXPECT_FALSE(IsWindowVisible(first));
  palette.ShowPalette();
  EXPECT_TRUE(IsWindowVisible(first));

  // The close box destroys the window; the object forgets it and builds anew.
  SendMessageW(first, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(palette.Palette(), nullptr);
  EXPECT_EQ(palette.Window(), nullptr);
  EXPECT_EQ(palette.Id(), -1);
  palette.ShowPalette();  // nothing to show: no crash
  ASSERT_EQ(Create(), 1);
  EXPECT_TRUE(IsWindow(palette.Palette()));
  EXPECT_EQ(SendMessageW(palette.Window(), TB_BUTTONCOUNT, 0, 0), 15);
}
