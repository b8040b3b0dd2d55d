// The frame in process: its children and their layout, command routing, the
// status bar texts of menus and tooltips, the keyboard handling of the
// message loop, closing, and design windows in the MDI client.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/app/win/frame.h"
#include "editor/resources/resource.h"
#include "recording_hooks.h"
#include "win_test_util.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring StatusText(CFrame& frame) {
  wchar_t text[256] = {};
  SendMessageW(frame.Status().Window(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

RECT RectIn(HWND child, HWND parent) {
  RECT rc;
  GetWindowRect(child, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureShellClasses());
    ASSERT_NE(frame.Create(Instance(), &hooks), nullptr);
    SetWindowPos(frame.Window(), nullptr, 20, 20, 800, 600, SWP_NOZORDER);
    ShowWindow(frame.Window(), SW_SHOW);
    hooks.NewCommand();
    frame.RefreshStates();
    wintest::PumpPending();
  }
  RecordingHooks hooks;
  CFrame frame;
};

}  // namespace

TEST_F(Frame, ChildrenFillTheClientArea) {
  HWND window = frame.Window();
  wchar_t text[64] = {};
  GetClassNameW(window, text, 64);
  EXPECT_EQ(std::wstring(text), L"FRAME_WIN_UFC");
  GetWindowTextW(window, text, 64);
  EXPECT_EQ(std::wstring(text), L"Resource Editor");
  EXPECT_EQ(GetMenuItemCount(GetMenu(window)), 5);

  RECT client;
  GetClientRect(window, &client);
  HWND toolbar = GetDlgItem(window, IDC_MAIN_TOOLBAR);
  ASSERT_EQ(toolbar, frame.Toolbar().Window());
  EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 4);  // New, Open, Save and a separator
  RECT rc = RectIn(toolbar, window);
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.top, 0);
  EXPECT_EQ(rc.right, client.right);
  EXPECT_EQ(rc.bottom, 25);

  HWND status = GetDlgItem(window, IDC_STATUS_BAR);
  ASSERT_EQ(status, frame.Status().Window());
  EXPECT_EQ(StatusText(frame), L"Готово");
  RECT statusRect = RectIn(status, window);
  EXPECT_EQ(statusRect.bottom, client.bottom);
  const int middle = client.bottom - (statusRect.bottom - statusRect.top) - 25;

  rc = RectIn(frame.Panel().Window(), window);
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.top, 25);
  EXPECT_EQ(rc.right, 192);
  EXPECT_EQ(rc.bottom - rc.top, middle);

  HWND mdi = GetDlgItem(window, IDC_MDI_CLIENT);
  ASSERT_EQ(mdi, frame.MdiClient());
  rc = RectIn(mdi, window);
  EXPECT_EQ(rc.left, 192);
  EXPECT_EQ(rc.top, 25);
  EXPECT_EQ(rc.right, client.right);
  EXPECT_EQ(rc.bottom - rc.top, middle);
  EXPECT_TRUE(GetWindowLongW(mdi, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  // Again after the user resizes the frame.
  SetWindowPos(window, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(window, &client);
  EXPECT_EQ(RectIn(toolbar, window).right, client.right);
  EXPECT_EQ(RectIn(mdi, window).right, client.right);
  EXPECT_EQ(RectIn(status, window).bottom, client.bottom);
}

// Without a design window there is nothing to copy or paste into.
TEST_F(Frame, CommandTableGreysCopyAndPasteAndEnablesTheRest) {
  HMENU menu = GetMenu(frame.Window());
  EXPECT_TRUE(GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, IDM_PASTE, MF_BYCOMMAND) & MF_GRAYED);
  for (UINT cmd : {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_EXIT, IDM_UNDO, IDM_DELETE, IDM_ADD_DIALOG, IDM_IDENTIFIERS})
    EXPECT_FALSE(GetMenuState(menu, cmd, MF_BYCOMMAND) & MF_GRAYED) << cmd;
  for (int cmd : {IDM_NEW, IDM_OPEN, IDM_SAVE})
    EXPECT_TRUE(SendMessageW(frame.Toolbar().Window(), TB_ISBUTTONENABLED, cmd, 0)) << cmd;
}

TEST_F(Frame, CommandsReachTheirHandlers) {
  HWND window = frame.Window();
  hooks.calls.clear();
  for (int cmd : {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_ADD_DIALOG, IDM_UNDO, IDM_COPY, IDM_PASTE, IDM_IDENTIFIERS,
                  IDM_TEST, IDM_ALIGN_LEFT, IDM_CENTRE_VERTICAL, IDM_TOOL_POINTER, IDM_TOOL_SLIDER})
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::wstring>{L"New", L"Open", L"Save", L"AddDialog", L"Undo", L"Copy",
                                                    L"Paste", L"Identifiers", L"Test", L"Arrange 3102",
                                                    L"Arrange 3110", L"Tool 0", L"Tool 14"}));
  EXPECT_EQ(frame.RouteCommand(4321), 0);

  // Del deletes controls, but not while the dialog list has the focus.
  hooks.calls.clear();
  SetFocus(frame.Panel().Tree());
  SendMessageW(window, WM_COMMAND, IDM_DELETE, 0);
  EXPECT_TRUE(hooks.calls.empty());
  SetFocus(frame.MdiClient());
  SendMessageW(window, WM_COMMAND, IDM_DELETE, 0);
  EXPECT_EQ(hooks.calls, std::vector<std::wstring>{L"Delete"});
}

TEST_F(Frame, MenuHelpTextsGoToTheStatusBar) {
  HWND window = frame.Window();
  HMENU menu = GetMenu(window);
  SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(frame), L"");
  SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(IDM_OPEN, 0), reinterpret_cast<LPARAM>(GetSubMenu(menu, 0)));
  EXPECT_EQ(StatusText(frame), L"Открыть документ");
  SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(IDM_EXIT, 0), reinterpret_cast<LPARAM>(GetSubMenu(menu, 0)));
  EXPECT_EQ(StatusText(frame), L"Завершение работы с программой");
  SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(IDM_CASCADE, 0), reinterpret_cast<LPARAM>(GetSubMenu(menu, 3)));
  EXPECT_EQ(StatusText(frame), L"");  // no string for this command
  SendMessageW(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(StatusText(frame), L"Готово");
}

TEST_F(Frame, TooltipsShowTheShortTextAndTheStatusBarTheLongOne) {
  HWND window = frame.Window();
  NMTTDISPINFOW info = {};
  info.hdr.hwndFrom = frame.Toolbar().Window();
  info.hdr.idFrom = IDM_SAVE;
  info.hdr.code = TTN_GETDISPINFOW;
  SendMessageW(window, WM_NOTIFY, IDM_SAVE, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_EQ(std::wstring(info.lpszText), L"Сохранить");

  NMHDR header = {frame.Toolbar().Window(), IDM_SAVE, static_cast<UINT>(TTN_SHOW)};
  SendMessageW(window, WM_NOTIFY, IDM_SAVE, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(StatusText(frame), L"Сохранить документ");
  header.code = static_cast<UINT>(TTN_POP);
  SendMessageW(window, WM_NOTIFY, IDM_SAVE, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(StatusText(frame), L"Готово");
}

TEST_F(Frame, AcceleratorsWorkWhileTheFrameIsActiveAndCtrlSIsNotOne) {
  HACCEL accelerators = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  ASSERT_NE(accelerators, nullptr);
  SetForegroundWindow(frame.Window());
  SetActiveWindow(frame.Window());
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == frame.Window(); }, 2000));
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  hooks.calls.clear();
  MSG msg = {frame.MdiClient(), WM_KEYDOWN, 'N', 0x00310001, 0, {0, 0}};
  EXPECT_EQ(frame.PreTranslate(&msg, accelerators), 1);
  msg.wParam = 'S';
  EXPECT_EQ(frame.PreTranslate(&msg, accelerators), 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(hooks.calls, std::vector<std::wstring>{L"New"});
  DestroyAcceleratorTable(accelerators);
}

TEST_F(Frame, ClosingAsksTheDocumentFirst) {
  HWND window = frame.Window();
  hooks.allowClose = 0;
  SendMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), FALSE);  // logging off asks too
  hooks.allowClose = 1;
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  hooks.allowClose = 1;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(frame.Window(), nullptr);
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the quit message of the frame
}

TEST_F(Frame, DesignWindowsOpenMaximisedAndCloseAllDestroysThem) {
  HWND first = frame.CreateDesignWindow(L"IDD_ONE", nullptr);
  HWND second = frame.CreateDesignWindow(L"IDD_TWO", nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetParent(first), frame.MdiClient());
  wchar_t text[64] = {};
  GetClassNameW(first, text, 64);
  EXPECT_EQ(std::wstring(text), L"CHILD_WIN_UFC");
  EXPECT_TRUE(IsZoomed(second));
  EXPECT_EQ(frame.ActiveDesignWindow(), second);
  EXPECT_EQ(frame.OpenDesignWindows(), (std::vector<HWND>{first, second}));

  SendMessageW(frame.Window(), WM_COMMAND, IDM_TILE_VERTICAL, 0);
  EXPECT_FALSE(IsZoomed(second));
  RECT a = RectIn(first, frame.MdiClient());
  RECT b = RectIn(second, frame.MdiClient());
  EXPECT_NE(a.left, b.left);  // side by side
  SendMessageW(frame.Window(), WM_COMMAND, IDM_TILE_HORIZONTAL, 0);
  a = RectIn(first, frame.MdiClient());
  b = RectIn(second, frame.MdiClient());
  EXPECT_NE(a.top, b.top);  // one above the other
  SendMessageW(frame.Window(), WM_COMMAND, IDM_CASCADE, 0);

  SendMessageW(frame.Window(), WM_COMMAND, IDM_CLOSE_ALL, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(frame.ActiveDesignWindow(), nullptr);
}

TEST_F(Frame, OwnedWindowsAreDisabledWhileAModalBoxRuns) {
  HWND tool = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"tool", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                              frame.Window(), nullptr, Instance(), nullptr);
  HWND disabledTool = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"off", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0, 0,
                                      50, 50, frame.Window(), nullptr, Instance(), nullptr);
  {
    ModalScope modal(frame.Window());
    EXPECT_FALSE(IsWindowEnabled(tool));
    EXPECT_TRUE(IsWindowEnabled(frame.Window()));  // the box itself disables its owner
  }
  EXPECT_TRUE(IsWindowEnabled(tool));
  EXPECT_FALSE(IsWindowEnabled(disabledTool));  // stays as it was
  DestroyWindow(tool);
  DestroyWindow(disabledTool);
}

TEST_F(Frame, AboutNamesTheProgramAndClosesWithOk) {
  // Answered from a timer: the dialog runs its own modal loop.
  static HWND found = nullptr;
  found = nullptr;
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND about = FindWindowW(L"#32770", L"О программе");
    if (!about) return;
    found = about;
    KillTimer(nullptr, id);
    PostMessageW(about, WM_COMMAND, IDOK, 0);
  });
  frame.ShowAbout();
  EXPECT_NE(found, nullptr);
  EXPECT_EQ(FindWindowW(L"#32770", L"О программе"), nullptr);
}

// An empty client draws no scroll bars into the first frame (it would take
// them away a moment later).
TEST(FrameStart, EmptyClientHasNoScrollBarsFromTheStart) {
  ASSERT_TRUE(EnsureShellClasses());
  RecordingHooks hooks;
  CFrame frame;
  ASSERT_NE(frame.Create(Instance(), &hooks), nullptr);
  const auto bars = [&] { return GetWindowLongW(frame.MdiClient(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
  EXPECT_EQ(bars(), 0);
  ShowWindow(frame.Window(), SW_SHOW);
  EXPECT_EQ(bars(), 0);
  wintest::PumpPending();
  EXPECT_EQ(bars(), 0);
}
