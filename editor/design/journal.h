#pragma once
// CJournal: the editor-wide list of undoable actions, newest first, capped
// as deep as a dialog's stack. An entry remembers the dialog it was recorded in
// and the records the action left on that dialog's stack and on the
// identifier table's history, so that Ctrl+Z undoes the model and the table
// together on that dialog, whichever design window is active and whether or
// not the dialog has one. It refers to dialogs without owning them: its
// owner forgets it before the dialogs go.

#include <cstddef>

#include "editor/design/undo.h"

class CDlgRes;
class IdentifierTable;

class CJournal {
 public:
  enum class Result { Empty, Dropped, Undone };

  // After placing a control, once its ControlAdded record is on the dialog's stack.
  void RecordPlacement(CDlgRes& dialog);
  // After deleting controls, once the table's snapshot is on its history and
  // the ControlsDeleted record on the dialog's stack.
  void RecordDeletion(CDlgRes& dialog, const IdentifierTable& ids);
  // After any other edit, once its record is on the dialog's stack (and,
  // when it changed the identifiers, the table's snapshot on its history).
  void RecordEdit(CDlgRes& dialog) { Record(dialog, nullptr); }
  void RecordEdit(CDlgRes& dialog, const IdentifierTable& ids) { Record(dialog, &ids); }

  // Takes back the newest entry and marks the document modified; `undone`
  // is its dialog. An entry whose records are no longer on top of their
  // stacks (one fell off a full stack) is dropped without touching either.
  Result Undo(IdentifierTable& ids, CDlgRes*& undone);

  // The dialog the next Undo goes to, or null.
  CDlgRes* NewestDialog() const;

  void Clear() { entries.Clear(); }
  std::size_t Size() const { return entries.Size(); }

 private:
  void Record(CDlgRes& dialog, const IdentifierTable* ids);

  CUndo entries{CUndo::kEditDepth};
};
