#include "editor/properties/win/identifier_edit.h"

#include "editor/design/dlg_res.h"
#include "editor/foundation/code_page.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_commit.h"
#include "editor/properties/identifier_table.h"
#include "editor/properties/win/property_dlg.h"

namespace {

constexpr int kTextCapacity = 256;

std::wstring Wide(const std::string& ansi) {
  const std::u16string text = AnsiToUtf16(ansi);
  return std::wstring(text.begin(), text.end());
}

std::wstring Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

// A chosen list item, else what was typed. Right after a choice the edit
// field still shows the previous text.
std::string ReadIdText(HWND combo) {
  wchar_t text[kTextCapacity] = {};
  const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR && SendMessageW(combo, CB_GETLBTEXTLEN, selected, 0) < kTextCapacity)
    SendMessageW(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
  else
    GetWindowTextW(combo, text, kTextCapacity);
  return Utf16ToAnsi(reinterpret_cast<const char16_t*>(text));
}

// The list's own search ignores case and takes prefixes, which could pick
// IDC_Ok for IDC_OK and commit it later; names are compared exactly.
void SelectName(HWND combo, const std::string& name) {
  const std::wstring wanted = Wide(name);
  const LRESULT first = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(wanted.c_str()));
  LRESULT at = first;
  while (at != CB_ERR) {
    wchar_t text[kTextCapacity] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, at, 0) < kTextCapacity) {
      SendMessageW(combo, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text));
      if (wanted == text) {
        SendMessageW(combo, CB_SETCURSEL, at, 0);
        return;
      }
    }
    at = SendMessageW(combo, CB_FINDSTRINGEXACT, at, reinterpret_cast<LPARAM>(wanted.c_str()));
    if (at <= first) break;  // the search wrapped around
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetWindowTextW(combo, wanted.c_str());
}

// The old name goes back before the message: the box takes the focus from
// the field, and the commit that starts then finds nothing to do.
int Refuse(HWND combo, const IdCommit& commit, CPropertyHost& host) {
  SelectName(combo, commit.oldName);
  host.ShowError(Wide(commit.result == IdCommitResult::InUse ? kIdInUseText : kInvalidIdText));
  return 0;
}

// The box after a commit: the name kept, the list refilled after a change,
// or the old name back with the reason. 0 when refused.
int ShowCommit(HWND page, int comboId, const IdCommit& commit, IdentifierTable& ids, CPropertyHost& host) {
  HWND combo = GetDlgItem(page, comboId);
  switch (commit.result) {
    case IdCommitResult::Unchanged:
      SelectName(combo, commit.word);
      return 1;
    case IdCommitResult::Changed:
      CDocumentU::MarkModified();
      FillIdCombo(comboId, page, commit.word, ids);
      return 1;
    default:
      return Refuse(combo, commit, host);
  }
}

}  // namespace

void FillIdCombo(int comboId, HWND page, const std::string& name, IdentifierTable& ids) {
  HWND combo = GetDlgItem(page, comboId);
  if (!combo) return;
  SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const char* id = ids.FirstIdName(); id; id = ids.NextIdName())
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(id).c_str()));
  SelectName(combo, name);
  SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(combo, nullptr, TRUE);
}

int CommitIdentifier(HWND page, int comboId, const std::string& dialogName, DlgItem& control,
                     CPropertyHost& host) {
  HWND combo = GetDlgItem(page, comboId);
  IdentifierTable* ids = host.Identifiers();
  if (!combo || !ids) return 1;
  return ShowCommit(page, comboId, CommitControlId(*ids, dialogName, control.id, ReadIdText(combo)), *ids,
                    host);
}

int CommitDialogIdentifier(HWND page, int comboId, CDlgRes& dialog, CPropertyHost& host) {
  HWND combo = GetDlgItem(page, comboId);
  IdentifierTable* ids = host.Identifiers();
  if (!combo || !ids) return 1;
  const IdCommit commit = CommitDialogName(*ids, dialog, ReadIdText(combo));
  const int shown = ShowCommit(page, comboId, commit, *ids, host);
  if (commit.result == IdCommitResult::Changed) {
    host.RenameDialogInTree(Wide(commit.oldName), Wide(commit.word));
    if (dialog.window) SetWindowTextW(static_cast<HWND>(dialog.window), Wide(commit.word).c_str());
  }
  return shown;
}
