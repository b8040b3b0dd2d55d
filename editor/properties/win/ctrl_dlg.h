// CCtrlDlg: the dialog list panel docked at the left of the frame, a tree of
// the document's name, the folder of dialogs and one item per dialog.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// What the panel asks of the shell: opening a design window on a double
// click, and the active flag of the design window while the tree has the focus.
class CCtrlDlgHost {
 public:
  virtual ~CCtrlDlgHost() = default;
  virtual int OpenDesignWindow(const std::wstring& dialogName) = 0;
  // The active design window, or nullptr.
  virtual HWND ActiveDesignWindow() = 0;
  // Marks the design window active (handles drawn, "&Диалог" menu present) or not.
  virtual void SetDesignActive(HWND designWindow, int active) = 0;
  virtual void RefreshProperties() = 0;
};

class CCtrlDlg {
 public:
  CCtrlDlg() = default;
  CCtrlDlg(const CCtrlDlg&) = delete;
  CCtrlDlg& operator=(const CCtrlDlg&) = delete;
  virtual ~CCtrlDlg();

  // Creates the panel from its template as a child of `frame`, at (x, y).
  int Create(HINSTANCE instance, HWND frame, CCtrlDlgHost* host, int x, int y);

  int ResetDialogTree(const std::wstring& rootText);
  int FillDialogTree(const std::wstring& rootText, const std::wstring& folderText,
                     const std::vector<std::wstring>& dialogNames);
  int AddDialogToTree(const std::wstring& folderText, const std::wstring& dialogName);
  // The root's text, as after a save under a new name.
  int SetRootText(const std::wstring& rootText);
  int RenameDialogInTree(const std::wstring& folderText, const std::wstring& oldName, const std::wstring& newName);

  HWND Window() const { return window; }
  HWND Tree() const { return tree; }
  int OpenedByDoubleClick() const { return openedByDoubleClick; }

  // Texts of an item's children, in tree order (tests and diagnostics).
  std::vector<std::wstring> ChildTexts(HTREEITEM parent) const;
  std::wstring ItemText(HTREEITEM item) const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnNotify(const NMHDR* header);
  void OnSize(int width, int height);
  HTREEITEM InsertRoot(const std::wstring& text);
  HTREEITEM InsertItem(HTREEITEM parent, const std::wstring& text, HTREEITEM after);
  HTREEITEM FindChild(HTREEITEM parent, const std::wstring& text) const;
  void OnDoubleClick();
  void OnTreeFocus(bool gained);

  HWND window = nullptr;
  HWND tree = nullptr;
  CCtrlDlgHost* host = nullptr;
  int openedByDoubleClick = 0;
  std::wstring folderOfDialogs;
};
