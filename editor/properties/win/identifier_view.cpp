#include "editor/properties/win/identifier_view.h"

#include "editor/foundation/win/spread_sheet_u.h"
#include "editor/properties/identifier_view_text.h"
#include "editor/resources/resource.h"

namespace {

const SpreadSheetColumn kColumns[] = {
    {u"Name", 150, SpreadSheetColumn::kHeaderLeft},
    {u"Value", 70, SpreadSheetColumn::kHeaderRight},
    {u"Using", 150, SpreadSheetColumn::kHeaderLeft},
    {u"", 0, 0},
};

INT_PTR CALLBACK ViewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      RECT client;
      GetClientRect(dialog, &client);
      if (g_spreadSheet.CreateGrid(dialog, client.right, client.bottom, kColumns, 3))
        FillIdentifierGrid(*reinterpret_cast<const IdentifierTable*>(lParam));
      return TRUE;
    }
    case WM_SIZE:
      if (HWND grid = g_spreadSheet.Window())
        SetWindowPos(grid, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOMOVE);
      return TRUE;
    case WM_ERASEBKGND:
      // The grid covers the whole client area.
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_COMMAND:
      // The view has no close box: Escape closes it as users expect of a list.
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      [[fallthrough]];
    case WM_CLOSE:
      g_spreadSheet.DeleteGrid();
      EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY:
      g_spreadSheet.DeleteGrid();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void FillIdentifierGrid(const IdentifierTable& table) {
  int row = 0;
  for (const auto& record : table.UserIds()) {
    if (!g_spreadSheet.AddRow()) return;
    g_spreadSheet.SetCellFormat(SpreadSheetCell::kLeft, 0, row);
    g_spreadSheet.SetCellText(record->name.c_str(), 0, row);
    g_spreadSheet.SetCellFormat(SpreadSheetCell::kRight, 1, row);
    g_spreadSheet.SetCellNumber(record->value, row);
    g_spreadSheet.SetCellFormat(SpreadSheetCell::kLeft, 2, row);
    g_spreadSheet.SetCellText(UsingText(record->users, SpreadSheetModel::kCellTextLimit).c_str(), 2, row);
    ++row;
  }
}

void ShowIdentifierView(HINSTANCE instance, HWND owner, const IdentifierTable& table) {
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_IDENTIFIERS), owner, ViewProc,
                  reinterpret_cast<LPARAM>(&table));
}
