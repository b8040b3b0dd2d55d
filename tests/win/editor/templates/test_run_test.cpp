// The test command's modal dialog: progress bars at 60, commands looked up by
// order, closing ends it with 2.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "editor/design/dlg_res.h"
#include "editor/design/toolbox.h"
#include "editor/design/win/test_run.h"

namespace {

// What to do once the modal dialog is up; run from a timer inside its loop.
std::function<void(HWND)> onShown;

void CALLBACK FindDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND shown = FindWindowW(L"#32770", L"Проба");
  if (shown == nullptr) return;
  KillTimer(nullptr, timer);
  onShown(shown);
}

INT_PTR RunWhenShown(const CDlgRes& dialog, std::function<void(HWND)> action) {
  onShown = std::move(action);
  SetTimer(nullptr, 0, 20, FindDialog);
  return RunTestDialog(nullptr, dialog);
}

class TestRun : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&init);
    dialog.FillWithDefaults("IDD_RUN");
    dialog.caption.Assign(u"Проба");
    dialog.captionLength = 6;
    DlgItem progress;
    ToolboxDefaults(13, progress);
    progress.cx = 60;
    progress.cy = 10;
    progress.id = 100;
    dialog.AppendCopy(progress);
    dialog.count = 3;
  }
  CDlgRes dialog;
};

TEST_F(TestRun, ProgressBarsShowSixtyAndCancelEndsWithTwo) {
  LRESULT position = -1;
  const INT_PTR result = RunWhenShown(dialog, [&](HWND shown) {
    position = SendDlgItemMessageW(shown, 3, PBM_GETPOS, 0, 0);
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0);
  });
  EXPECT_EQ(position, 60);
  EXPECT_EQ(result, 2);
}

TEST_F(TestRun, CommandsAreLookedUpByOrderNotById) {
  // Enter (identifier 1) reaches the control at order 1, whose id is now 2.
  dialog.ControlAt(1)->id = 2;
  dialog.ControlAt(2)->id = 1;
  EXPECT_EQ(RunWhenShown(dialog, [](HWND shown) { PostMessageW(shown, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); }), 2);
  EXPECT_EQ(RunWhenShown(dialog, [](HWND shown) { PostMessageW(shown, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0); }), 1);
}

TEST_F(TestRun, OtherCommandsLeaveItRunningUntilClosed) {
  // Ending on these would give 100.
  dialog.ControlAt(1)->id = 100;
  const INT_PTR result = RunWhenShown(dialog, [](HWND shown) {
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(3, 0), 0);
    PostMessageW(shown, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(result, 2);
}

}  // namespace
