#pragma once
// The editor's control clipboard: what "&Копировать" took from a dialog,
// which "&Вставить" appends to the dialog of the active design window.

#include <cstdint>
#include <string>
#include <vector>

#include "editor/design/dlg_item.h"

class CDlgRes;
class CJournal;
class CSurfaceGeometry;
class IdentifierTable;

class CControlClipboard {
 public:
  // Copies of the dialog's selected controls in order sequence, each with
  // the name its identifier has in that dialog, replace what was held.
  // Nothing selected: the clipboard stays as it was. Returns the number copied.
  std::uint32_t Copy(const CDlgRes& dialog, const IdentifierTable& ids);

  // Appends copies of the held controls to `target` in their copied order
  // (CDlgRes::PasteControls). Pasted into the dialog they came from they lie
  // 5 units right of and below their originals; each is then shifted back
  // inside the dialog as the alignment commands do. Each keeps its name when
  // the table has it and the target does not use its value; otherwise it
  // gets a new one as a control of its kind placed from the palette would.
  // A static control stays static. The table's snapshot and one journal
  // entry take the whole paste back. Returns the number pasted: 0 with an
  // empty clipboard or when the surface cannot be mapped.
  std::uint32_t Paste(CDlgRes& target, IdentifierTable& ids, const CSurfaceGeometry& surface,
                      CJournal& journal) const;

  // The dialogs are gone (another document): nothing pastes as into its source.
  void ForgetSource() { source = nullptr; }

  bool Empty() const { return records.empty(); }
  const std::vector<DlgItem>& Records() const { return records; }
  const std::vector<std::string>& Names() const { return names; }

 private:
  std::vector<DlgItem> records;
  std::vector<std::string> names;   // empty where the value had no name
  const CDlgRes* source = nullptr;  // compared, never followed
};
