// CPropertyPage: one page under the properties window's tab strip. It reads
// the model when it is made and writes every change back at once: style
// fields by the rules of page_rules.h, then the control windows are made
// again (control pages) or the surface dialog is rebuilt (dialog pages).
// The General pages add the identifier, the caption and, for the dialog,
// its font and position.
//
// A page belongs to its window and goes with it, but never while one of its
// handlers runs: a change may refresh the properties window, which destroys
// the page from inside its own handler.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "editor/design/control_kind.h"
#include "editor/design/field_change.h"
#include "editor/properties/page_rules.h"

class CDlgRes;
class CPropertyDlg;
struct DlgItem;

class CPropertyPage {
 public:
  CPropertyPage(CPropertyDlg& owner, int templateId, ControlKind kind, bool forDialog)
      : owner(owner), templateId(templateId), kind(kind), forDialog(forDialog) {}
  CPropertyPage(const CPropertyPage&) = delete;
  CPropertyPage& operator=(const CPropertyPage&) = delete;

  static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

  // Set while the page is being destroyed: an identifier committed on the
  // way out leaves the surface alone, which is being rebuilt for a new selection.
  bool closing = false;
  // Set once the page has its window; until then its maker owns it.
  bool attached = false;

 private:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  int OnCommand(int id, int code);
  int OnCommit();

  DlgItem* Control() const;
  CDlgRes* Dialog() const;
  std::uint32_t& Style();
  std::uint32_t& ExStyle();
  int IdCombo() const;

  void ShowState(const PageState& state);
  PageState ReadState() const;
  int ApplyStyleField(int id, int value);
  int CommitId(bool fromCombo);
  int ApplyCaption(int id);
  int ApplyPosition(int id);
  void ChooseDialogFont();
  void ShowFont();
  std::wstring FieldText(int id) const;

  // A control's windows are made again; the dialog's surface is rebuilt.
  void ControlChanged();
  void DialogChanged();

  // Undo steps keep what the page shows: the control's record or the
  // dialog's own fields.
  CJournal* Journal() const;
  void KeepShown(CEditStep& step) const;

  CPropertyDlg& owner;
  int templateId;
  ControlKind kind;
  bool forDialog;
  HWND hwnd = nullptr;
  bool filling = false;
  int depth = 0;  // handlers running
  bool gone = false;
  // The caption typed during one visit of the page is one undo step.
  std::uint64_t captionRun = 0;
};
