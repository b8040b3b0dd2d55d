// Caption colours of the frame and the palette. Wine draws captions itself
// only on a virtual desktop, so these run there (see CMakeLists.txt) and skip
// elsewhere.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "editor/app/win/frame.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/resources/resource.h"
#include "recording_hooks.h"
#include "win_test_util.h"

namespace {

// A pixel of the caption bar as it is on the screen.
COLORREF CaptionPixel(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  const bool tool = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW;
  const int x = (rc.right - rc.left) / 3;
  const int y = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION) / 2;
  HDC dc = GetWindowDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

class Caption : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureShellClasses());
    ASSERT_NE(frame.Create(GetModuleHandleW(nullptr), &hooks), nullptr);
    SetWindowPos(frame.Window(), nullptr, 10, 10, 700, 500, SWP_NOZORDER);
    ShowWindow(frame.Window(), SW_SHOW);
    SetForegroundWindow(frame.Window());
    ASSERT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == frame.Window(); }, 3000));
    // The two looks of this caption, drawn by the default handling itself.
    DefWindowProcW(frame.Window(), WM_NCACTIVATE, FALSE, 0);
    inactive = CaptionPixel(frame.Window());
    DefWindowProcW(frame.Window(), WM_NCACTIVATE, TRUE, 0);
    active = CaptionPixel(frame.Window());
    if (active == inactive) GTEST_SKIP() << "captions are not drawn here (no virtual desktop)";
  }
  void TearDown() override {
    if (palette.Palette()) DestroyWindow(palette.Palette());
  }
  RecordingHooks hooks;
  CFrame frame;
  CFloatToolBarU palette;
  COLORREF active = 0;
  COLORREF inactive = 0;
};

// Pumps everything but timer messages until pred() holds, so that the
// palette's re-activation timer cannot fire meanwhile.
bool PumpWithoutTimersUntil(const std::function<bool()>& pred, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageW(&msg, nullptr, WM_TIMER + 1, 0xFFFF, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT & ~QS_TIMER);
  }
  return true;
}

}  // namespace

TEST_F(Caption, PaletteClickKeepsTheFrameCaptionActive) {
  const int width = 2 * GetSystemMetrics(SM_CXEDGE) + 48;
  ASSERT_EQ(palette.CreatePalette(GetModuleHandleW(nullptr), frame.Window(), 720, 40, width), 1);
  palette.AutoSize();
  SetForegroundWindow(frame.Window());
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == frame.Window(); }, 3000));

  RECT button = {};
  SendMessageW(palette.Window(), TB_GETRECT, IDM_TOOL_PUSH_BUTTON, reinterpret_cast<LPARAM>(&button));
  POINT at = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  MapWindowPoints(palette.Window(), palette.Palette(), &at, 1);
  // A click sent before the X server has mapped the palette goes to whatever
  // lies beneath: wait until the point belongs to the palette.
  POINT onScreen = at;
  ClientToScreen(palette.Palette(), &onScreen);
  ASSERT_TRUE(wintest::PumpUntil([&] {
    HWND hit = WindowFromPoint(onScreen);
    return hit == palette.Palette() || IsChild(palette.Palette(), hit);
  }, 3000));
  // While the palette is the active window, both captions look active. The
  // press and the release go one at a time. Under load Wine now and then
  // loses an injected button event or cancels the press; then the whole
  // click is made again.
  SetCursorPos(onScreen.x, onScreen.y);
  auto clicked = [&] {
    return GetActiveWindow() == palette.Palette() && palette.CheckedTool() == IDM_TOOL_PUSH_BUTTON &&
           !hooks.calls.empty() && GetCapture() == nullptr;
  };
  bool paletteActive = false;
  for (int attempt = 0; attempt < 3 && !paletteActive; ++attempt) {
    wintest::LeftButtonOnScreen(onScreen, true);
    if (!PumpWithoutTimersUntil([&] { return GetCapture() == palette.Window(); }, 1500)) continue;
    wintest::LeftButtonOnScreen(onScreen, false);
    paletteActive = PumpWithoutTimersUntil(clicked, 1500);
    if (!paletteActive && GetCapture() == palette.Window()) wintest::LeftButtonOnScreen(onScreen, false);
  }
  ASSERT_TRUE(paletteActive) << "active " << GetActiveWindow() << " palette " << palette.Palette() << " frame "
                             << frame.Window() << " capture " << GetCapture() << " checked " << palette.CheckedTool()
                             << " calls " << hooks.calls.size();
  EXPECT_EQ(CaptionPixel(frame.Window()), active);
  EXPECT_EQ(CaptionPixel(palette.Palette()), active);
  // Then the frame is the active window again, and it has the command.
  EXPECT_TRUE(wintest::PumpUntil([&] { return GetActiveWindow() == frame.Window() && !hooks.calls.empty(); }, 3000));
  EXPECT_EQ(CaptionPixel(frame.Window()), active);
  // One command for each click that got through.
  EXPECT_FALSE(hooks.calls.empty());
  for (const std::wstring& call : hooks.calls) EXPECT_EQ(call, L"Tool 3");
}

TEST_F(Caption, AnotherProgramTurnsTheFrameCaptionInactiveUntilItComesBack) {
  SendMessageW(frame.Window(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(CaptionPixel(frame.Window()), inactive);
  SendMessageW(frame.Window(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(CaptionPixel(frame.Window()), active);

  // While the frame is disabled (a modal box), it looks inactive.
  EnableWindow(frame.Window(), FALSE);
  EXPECT_EQ(CaptionPixel(frame.Window()), inactive);
  EnableWindow(frame.Window(), TRUE);
  EXPECT_EQ(CaptionPixel(frame.Window()), active);
}
