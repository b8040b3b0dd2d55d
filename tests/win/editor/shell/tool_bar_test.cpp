// CToolBarU: buttons from a command table, and the refresh of buttons and
// menu items from the rows marked dirty.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "editor/foundation/win/tool_bar_u.h"
#include "editor/resources/resource.h"
#include "host_window.h"

namespace {

constexpr DWORD kMainStyle = 0x50000904;  // child, visible, flat, tooltips, no automatic resizing

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

TBBUTTON Button(HWND toolbar, int index) {
  TBBUTTON button = {};
  SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
  return button;
}

bool Enabled(HWND toolbar, int cmd) { return SendMessageW(toolbar, TB_ISBUTTONENABLED, cmd, 0) != 0; }

}  // namespace

TEST(ToolBar, RowsOfItsOwnIdentifierBecomeButtonsWithSeparatorsAfterMarkedRows) {
  CmdEntry table[] = {{IDM_NEW, 1, 0, 0, 102, 0, 0},
                      {IDM_OPEN, 1, 0, 0, 100, 0, 0},  // another toolbar's row
                      {IDM_SAVE, 1, 0, 0, 102, 0, 1},
                      {IDM_EXIT, 1, 0, 0, 102, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0}};
  HostWindow host;
  CToolBarU bar;
  ASSERT_EQ(bar.Create(Instance(), table, host.get(), IDB_PALETTE, 102, kMainStyle, BTNS_BUTTON), 1);
  HWND toolbar = bar.Window();
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(GetDlgCtrlID(toolbar), 102);
  EXPECT_EQ(bar.Id(), 102);
  ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(Button(toolbar, 0).idCommand, IDM_NEW);
  EXPECT_EQ(Button(toolbar, 0).iBitmap, 0);
  EXPECT_EQ(Button(toolbar, 1).idCommand, IDM_SAVE);
  EXPECT_EQ(Button(toolbar, 1).iBitmap, 1);
  EXPECT_TRUE(Button(toolbar, 2).fsStyle & BTNS_SEP);
  EXPECT_EQ(Button(toolbar, 3).idCommand, IDM_EXIT);
  EXPECT_EQ(Button(toolbar, 3).iBitmap, 2);

  // A second Create keeps what is there.
  EXPECT_EQ(bar.Create(Instance(), table, host.get(), IDB_PALETTE, 102, kMainStyle, BTNS_BUTTON), 1);
  EXPECT_EQ(bar.Window(), toolbar);
  EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 4);
}

TEST(ToolBar, MissingBitmapFailsWithoutAWindow) {
  CmdEntry table[] = {{IDM_NEW, 1, 0, 0, 100, 0, 0}, {0, 0, 0, 0, 0, 0, 0}};
  HostWindow host;
  CToolBarU bar;
  EXPECT_EQ(bar.Create(Instance(), table, host.get(), 4999, 100, kMainStyle, BTNS_BUTTON), 0);
  EXPECT_EQ(bar.Window(), nullptr);
  EXPECT_EQ(GetWindow(host.get(), GW_CHILD), nullptr);
}

TEST(ToolBar, DirtyRowsOfThisToolbarRefreshTheirButtons) {
  CmdEntry table[] = {{IDM_NEW, 0, 0, 0, 100, 0, 0},
                      {IDM_OPEN, 1, 0, 0, 100, 0, 0},
                      {IDM_SAVE, 0, 0, 0, 100, 0, 0},
                      {IDM_EXIT, 1, 0, 0, 102, 1, 0},
                      {0, 0, 0, 0, 0, 0, 0}};
  HostWindow host;
  CToolBarU bar;
  ASSERT_EQ(bar.Create(Instance(), table, host.get(), IDB_MAIN_TOOLBAR, 100, kMainStyle, BTNS_BUTTON), 1);
  HWND toolbar = bar.Window();
  EXPECT_FALSE(Enabled(toolbar, IDM_NEW));
  EXPECT_TRUE(Enabled(toolbar, IDM_OPEN));

  table[0].enabled = 1;
  table[0].toolbarDirty = 1;
  table[1].enabled = 0;
  table[1].toolbarDirty = 1;
  table[2].enabled = 1;  // not marked: stays as it is
  bar.RefreshToolbarStates();
  EXPECT_TRUE(Enabled(toolbar, IDM_NEW));
  EXPECT_FALSE(Enabled(toolbar, IDM_OPEN));
  EXPECT_FALSE(Enabled(toolbar, IDM_SAVE));
  EXPECT_EQ(table[0].toolbarDirty, 0);
  EXPECT_EQ(table[1].toolbarDirty, 0);
  EXPECT_EQ(table[3].toolbarDirty, 1);  // another toolbar's row
}

TEST(ToolBar, DirtyRowsOfTheFrameMenuEnableOrGreyTheirItems) {
  CmdEntry table[] = {{IDM_NEW, 1, 0, 0, 100, 0, 0},
                      {IDM_COPY, 0, kFrameMenuGroup, 1, 0, 0, 0},
                      {IDM_DELETE, 1, kFrameMenuGroup, 1, 0, 0, 0},
                      {IDM_UNDO, 0, kFrameMenuGroup, 0, 0, 0, 0},
                      {IDM_EXIT, 0, 0, 1, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0}};
  HostWindow host;
  CToolBarU bar;
  ASSERT_EQ(bar.Create(Instance(), table, host.get(), IDB_MAIN_TOOLBAR, 100, kMainStyle, BTNS_BUTTON), 1);
  HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_FRAME_MENU));
  ASSERT_NE(menu, nullptr);
  EnableMenuItem(menu, IDM_DELETE, MF_BYCOMMAND | MF_GRAYED);
  bar.RefreshMenuStates(menu);
  EXPECT_TRUE(GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, IDM_DELETE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED);  // not marked
  EXPECT_FALSE(GetMenuState(menu, IDM_EXIT, MF_BYCOMMAND) & MF_GRAYED);  // not in the frame menu group
  EXPECT_EQ(table[1].menuDirty, 0);
  EXPECT_EQ(table[2].menuDirty, 0);
  EXPECT_EQ(table[4].menuDirty, 1);
  DestroyMenu(menu);
}

TEST(ToolBar, TooltipShowAndPopReachTheParent) {
  CmdEntry table[] = {{IDM_NEW, 1, 0, 0, 100, 0, 0}, {0, 0, 0, 0, 0, 0, 0}};
  HostWindow host;
  CToolBarU bar;
  ASSERT_EQ(bar.Create(Instance(), table, host.get(), IDB_MAIN_TOOLBAR, 100, kMainStyle, BTNS_BUTTON), 1);
  HWND tooltip = reinterpret_cast<HWND>(SendMessageW(bar.Window(), TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tooltip, nullptr);
  for (UINT code : {static_cast<UINT>(TTN_SHOW), static_cast<UINT>(TTN_POP)}) {
    host.notifications.clear();
    NMHDR header = {tooltip, IDM_NEW, code};
    SendMessageW(bar.Window(), WM_NOTIFY, IDM_NEW, reinterpret_cast<LPARAM>(&header));
    ASSERT_FALSE(host.notifications.empty()) << code;
    EXPECT_EQ(host.notifications.back(), code);
  }
}
