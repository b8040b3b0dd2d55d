#include "editor/properties/win/ctrl_dlg.h"

#include <commctrl.h>

#include "editor/resources/resource.h"

namespace {

// Read-back buffer of an item text: room for the longest name a script may hold.
constexpr int kItemTextCapacity = 256;

std::wstring LoadText(UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace

CCtrlDlg::~CCtrlDlg() {
  if (window && IsWindow(window)) DestroyWindow(window);
}

int CCtrlDlg::Create(HINSTANCE instance, HWND frame, CCtrlDlgHost* shell, int x, int y) {
  host = shell;
  folderOfDialogs = LoadText(IDS_DIALOGS);
  HWND panel = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_DIALOG_LIST), frame, DialogProc,
                                  reinterpret_cast<LPARAM>(this));
  if (!panel) return 0;
  SetWindowPos(panel, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 1;
}

INT_PTR CALLBACK CCtrlDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CCtrlDlg*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    self->window = dialog;
    self->tree = GetDlgItem(dialog, IDC_DIALOG_TREE);
    return FALSE;  // the panel does not take the focus when it appears
  }
  auto* self = reinterpret_cast<CCtrlDlg*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_SIZE:
      self->OnSize(LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_NOTIFY:
      return self->OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_DESTROY:
      self->window = nullptr;
      self->tree = nullptr;
      return FALSE;
    default:
      (void)wParam;
      return FALSE;
  }
}

void CCtrlDlg::OnSize(int width, int height) {
  if (!tree) return;
  RECT margin = {0, 0, 2, 0};
  MapDialogRect(window, &margin);
  MoveWindow(tree, 0, 0, width - margin.right, height, TRUE);
}

INT_PTR CCtrlDlg::OnNotify(const NMHDR* header) {
  if (header->hwndFrom != tree) return FALSE;
  switch (header->code) {
    case NM_DBLCLK:
      OnDoubleClick();
      return TRUE;
    case NM_SETFOCUS:
      OnTreeFocus(true);
      return TRUE;
    case NM_KILLFOCUS:
      OnTreeFocus(false);
      return TRUE;
    default:
      return FALSE;
  }
}

void CCtrlDlg::OnDoubleClick() {
  HTREEITEM item = TreeView_GetSelection(tree);
  if (!item) return;
  HTREEITEM parent = TreeView_GetParent(tree, item);
  if (!parent || ItemText(parent) != folderOfDialogs) return;
  openedByDoubleClick = 1;
  if (host) host->OpenDesignWindow(ItemText(item));
}

// While the tree has the focus the design window shows no selection and the
// properties window no properties; a double click that just opened a dialog
// hands the focus straight on to its design window.
void CCtrlDlg::OnTreeFocus(bool gained) {
  if (!host) return;
  HWND design = host->ActiveDesignWindow();
  if (!design) return;
  if (gained && openedByDoubleClick) {
    openedByDoubleClick = 0;
    SetFocus(design);
    host->SetDesignActive(design, 1);
  } else {
    host->SetDesignActive(design, gained ? 0 : 1);
  }
  host->RefreshProperties();
  InvalidateRect(design, nullptr, TRUE);
}

std::wstring CCtrlDlg::ItemText(HTREEITEM item) const {
  wchar_t text[kItemTextCapacity] = {};
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = kItemTextCapacity;
  if (!tree || !TreeView_GetItem(tree, &tv)) return {};
  return text;
}

std::vector<std::wstring> CCtrlDlg::ChildTexts(HTREEITEM parent) const {
  std::vector<std::wstring> texts;
  if (!tree) return texts;
  HTREEITEM child = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
  for (; child; child = TreeView_GetNextSibling(tree, child)) texts.push_back(ItemText(child));
  return texts;
}

HTREEITEM CCtrlDlg::InsertRoot(const std::wstring& text) {
  TVINSERTSTRUCTW insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_STATE;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.state = TVIS_BOLD | TVIS_EXPANDED;
  insert.item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
  return TreeView_InsertItem(tree, &insert);
}

HTREEITEM CCtrlDlg::InsertItem(HTREEITEM parent, const std::wstring& text, HTREEITEM after) {
  TVINSERTSTRUCTW insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  return TreeView_InsertItem(tree, &insert);
}

HTREEITEM CCtrlDlg::FindChild(HTREEITEM parent, const std::wstring& text) const {
  for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child))
    if (ItemText(child) == text) return child;
  return nullptr;
}

int CCtrlDlg::ResetDialogTree(const std::wstring& rootText) {
  if (!tree || !TreeView_DeleteAllItems(tree)) return 0;
  HTREEITEM root = InsertRoot(rootText);
  if (!root) return 0;
  TreeView_SelectItem(tree, root);
  SetFocus(tree);
  return 1;
}

int CCtrlDlg::FillDialogTree(const std::wstring& rootText, const std::wstring& folderText,
                             const std::vector<std::wstring>& dialogNames) {
  if (!tree || !TreeView_DeleteAllItems(tree)) return 0;
  HTREEITEM root = InsertRoot(rootText);
  if (!root) return 0;
  if (!dialogNames.empty()) {
    HTREEITEM folder = InsertItem(root, folderText, TVI_SORT);
    for (const auto& name : dialogNames) InsertItem(folder, name, TVI_LAST);
    TreeView_Expand(tree, folder, TVE_EXPAND);
  }
  TreeView_SelectItem(tree, root);
  SetFocus(tree);
  return 1;
}

int CCtrlDlg::AddDialogToTree(const std::wstring& folderText, const std::wstring& dialogName) {
  if (!tree) return 0;
  HTREEITEM root = TreeView_GetRoot(tree);
  if (!root) return 0;
  HTREEITEM folder = FindChild(root, folderText);
  if (folder) {
    TreeView_Expand(tree, root, TVE_EXPAND);
    TreeView_Expand(tree, folder, TVE_EXPAND);
  } else {
    folder = InsertItem(root, folderText, TVI_SORT);
    if (!folder) return 0;
  }
  HTREEITEM item = InsertItem(folder, dialogName, TVI_LAST);
  if (!item) return 0;
  TreeView_Expand(tree, folder, TVE_EXPAND);
  TreeView_SelectItem(tree, item);
  return 1;
}

int CCtrlDlg::RenameDialogInTree(const std::wstring& folderText, const std::wstring& oldName,
                                 const std::wstring& newName) {
  if (!tree) return 0;
  HTREEITEM root = TreeView_GetRoot(tree);
  HTREEITEM folder = root ? FindChild(root, folderText) : nullptr;
  HTREEITEM item = folder ? FindChild(folder, oldName) : nullptr;
  if (!item) return 0;
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = const_cast<wchar_t*>(newName.c_str());
  return TreeView_SetItem(tree, &tv) ? 1 : 0;
}

int CCtrlDlg::SetRootText(const std::wstring& rootText) {
  HTREEITEM root = tree ? TreeView_GetRoot(tree) : nullptr;
  if (!root) return 0;
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = root;
  tv.pszText = const_cast<wchar_t*>(rootText.c_str());
  return TreeView_SetItem(tree, &tv) ? 1 : 0;
}
