// The shell's editing commands on the dialog of the active design window.
#include "editor/app/win/doc_shell_hooks.h"

#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"

// The identifiers first (the table keeps a snapshot for undo), then the
// controls with their own undo record, then Ctrl+Z's entry for both.
void DocShellHooks::DeleteControls() {
  if (!frame) return;
  CDesignWindow* design = CDesignWindow::FromWindow(frame->ActiveDesignWindow());
  CDlgRes* dialog = design ? &design->Dialog() : nullptr;
  if (!dialog || dialog->type != kResourceDialog) return;
  const std::vector<std::uint16_t> values = dialog->SelectedIds();
  if (values.empty()) return;
  doc->ids.ReleaseControlIds(dialog->name.Ansi(), values);
  {
    CSurfaceFreeze frozen(design);
    if (dialog->DeleteSelectedControls()) doc->journal.RecordDeletion(*dialog, doc->ids);
  }
  CDocumentU::MarkModified();
  frame->RefreshProperties();
}
