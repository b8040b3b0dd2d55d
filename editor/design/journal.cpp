#include "editor/design/journal.h"

#include <memory>
#include <string>

#include "editor/design/dlg_res.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"

namespace {

// What a journal entry refers to: the serials identify the records the
// action pushed, 0 where it pushed none.
struct JournalTargets {
  CDlgRes* dialog = nullptr;
  std::uint64_t dialogRecord = 0;
  std::uint64_t tableRecord = 0;
};

// Placing took an identifier for the new control; taking the control back
// gives it up again, as deleting it would, so the header keeps no name that
// no control uses.
void ReleasePlacedId(CDlgRes& dialog, IdentifierTable& ids) {
  const DlgItem* placed = dialog.ControlAt(dialog.ControlCount());
  if (placed == nullptr) return;
  const std::string dialogName = dialog.name.Ansi();
  std::string name;
  if (!ids.NameOf(placed->id, dialogName, name)) return;
  ids.RemoveUse(name, dialogName);
  ids.DropIfUnused(name);
}

}  // namespace

void CJournal::Record(CDlgRes& dialog, const IdentifierTable* ids) {
  auto targets = std::make_shared<JournalTargets>();
  targets->dialog = &dialog;
  targets->dialogRecord = dialog.undo.TopSerial();
  UndoRecord entry;
  entry.kind = UndoRecord::kJournalEntry;
  entry.mask = UndoRecord::kTargetDialog;
  if (ids != nullptr) {
    targets->tableRecord = ids->history.TopSerial();
    entry.mask |= UndoRecord::kTargetIdentifiers;
  }
  entry.data = std::move(targets);
  entries.Push(entry);
}

void CJournal::RecordPlacement(CDlgRes& dialog) { Record(dialog, nullptr); }

void CJournal::RecordDeletion(CDlgRes& dialog, const IdentifierTable& ids) { Record(dialog, &ids); }

CDlgRes* CJournal::NewestDialog() const {
  const UndoRecord* newest = entries.Top();
  const auto* targets = newest != nullptr ? static_cast<const JournalTargets*>(newest->data.get()) : nullptr;
  return targets != nullptr && (newest->mask & UndoRecord::kTargetDialog) != 0 ? targets->dialog : nullptr;
}

CJournal::Result CJournal::Undo(IdentifierTable& ids, CDlgRes*& undone) {
  undone = nullptr;
  UndoRecord entry;
  if (!entries.Pop(entry)) return Result::Empty;
  const auto* targets = static_cast<const JournalTargets*>(entry.data.get());
  if (targets == nullptr) return Result::Dropped;
  const bool onTable = (entry.mask & UndoRecord::kTargetIdentifiers) != 0;
  const bool onDialog = (entry.mask & UndoRecord::kTargetDialog) != 0;
  if (onTable && (targets->tableRecord == 0 || ids.history.TopSerial() != targets->tableRecord)) return Result::Dropped;
  if (onDialog && (targets->dialog == nullptr || targets->dialogRecord == 0 ||
                   targets->dialog->undo.TopSerial() != targets->dialogRecord))
    return Result::Dropped;

  if (onTable) ids.RestoreSnapshot();
  if (onDialog) {
    CDlgRes& dialog = *targets->dialog;
    const UndoRecord* top = dialog.undo.Top();
    if (!onTable && top != nullptr && top->kind == UndoRecord::kControlAdded) ReleasePlacedId(dialog, ids);
    dialog.Undo();
    undone = &dialog;
  }
  CDocumentU::MarkModified();
  return Result::Undone;
}
