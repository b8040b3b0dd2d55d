// CPropertyDlg: the modeless "Свойства" tool window. It shows the pages of
// what is selected in the active design window (the dialog, or exactly one
// control) under a tab strip, and is rebuilt from the selection at every
// refresh; the pages write straight into the model.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/design/control_kind.h"

class CDlgRes;
class CJournal;
class CPropertyPage;
class IdentifierTable;

// Sent to a page to commit pending input; its dialog result is 1, or 0
// when its identifier field holds input that was refused.
constexpr UINT WM_PAGE_COMMIT = WM_APP + 1;

// What the window and its pages need of the shell.
class CPropertyHost {
 public:
  virtual ~CPropertyHost() = default;
  virtual HWND FrameWindow() = 0;
  // The active design window, or nullptr.
  virtual HWND ActiveDesignWindow() = 0;
  virtual IdentifierTable* Identifiers() = 0;
  // An error box owned by the frame, titled with the program's name, the
  // frame's other windows disabled while it is up.
  virtual void ShowError(const std::wstring& text) = 0;
  virtual void RenameDialogInTree(const std::wstring& oldName, const std::wstring& newName) = 0;
  // Runs a modal dialog with every window of the frame disabled.
  virtual void RunModal(const std::function<void()>& modal) = 0;
  // Where page changes are recorded for Ctrl+Z; null records nothing.
  virtual CJournal* Journal() { return nullptr; }
};

class CPropertyDlg {
 public:
  CPropertyDlg();
  CPropertyDlg(const CPropertyDlg&) = delete;
  CPropertyDlg& operator=(const CPropertyDlg&) = delete;
  virtual ~CPropertyDlg();

  void SetHost(CPropertyHost* shell) { host = shell; }
  CPropertyHost* Host() const { return host; }

  // Opens the window (once) and shows the selection; 0 when it cannot be made.
  // `panel` is the dialog list panel, whose tree takes the properties away
  // while it has the focus.
  int ShowProperties(HWND panel);
  void RefreshProperties(HWND focusOwner);
  int BuildPageSet(int tab, CDlgRes& shown);
  void ShowControlPage(int tab);
  void ShowDialogPage(int tab);
  void ShowNoProperties(int tab);

  HWND Tabs() const;
  // A page tells its window is gone.
  void PageGone(CPropertyPage* gone) {
    if (page == gone) page = nullptr;
  }

  HWND window = nullptr;
  HWND pageWindow = nullptr;
  std::uint32_t pageSet = 0;
  CDlgRes* itemDialog = nullptr;
  std::uint32_t itemOrder = 0;
  CDlgRes* dialog = nullptr;
  std::int32_t lastTab = -1;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Rebuild(HWND focusOwner);
  void RebuildPageSet(HWND focusOwner, int tab);
  bool SpareTabsShow(const std::vector<const char16_t*>& texts) const;
  void SetCaption(int stringId);
  void OnTabChange();
  void OnClose();
  void DestroyPage();
  HWND CreateTabs(const std::vector<const char16_t*>& texts);
  void ShowPage(int templateId, int caption, ControlKind kind, bool forDialog);
  std::uint32_t SelectedOrder(const CDlgRes& shown) const;

  CPropertyHost* host = nullptr;
  CPropertyPage* page = nullptr;  // owned by its window
  HWND spareTabs = nullptr;       // the old strip during a refresh
};

// The one properties window of the program.
extern CPropertyDlg g_propertyDlg;
