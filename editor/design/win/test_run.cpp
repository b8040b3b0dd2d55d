#include "editor/design/win/test_run.h"

#include <commctrl.h>

#include "editor/design/dlg_res.h"

namespace {

constexpr WPARAM kProgressShown = 60;  // a bar that shows it is one

INT_PTR CALLBACK TestRunProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* dialog = reinterpret_cast<const CDlgRes*>(lParam);
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      for (const auto& item : dialog->controls) {
        if (item->kind == ControlKind::Progress) SendDlgItemMessageW(window, item->order, PBM_SETPOS, kProgressShown, 0);
      }
      return TRUE;
    }
    case WM_COMMAND: {
      const auto* dialog = reinterpret_cast<const CDlgRes*>(GetWindowLongPtrW(window, DWLP_USER));
      int endCode = 0;
      if (dialog != nullptr && dialog->TestRunEndCode(LOWORD(wParam), endCode)) EndDialog(window, endCode);
      return TRUE;
    }
    case WM_CLOSE:
      EndDialog(window, 2);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR RunTestDialog(HWND owner, const CDlgRes& dialog) {
  const CDialogTemplate block = dialog.BuildTemplate(TemplateMode::TestRun);
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(block.Data()), owner,
                                 TestRunProc, reinterpret_cast<LPARAM>(&dialog));
}
