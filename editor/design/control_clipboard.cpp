#include "editor/design/control_clipboard.h"

#include "editor/design/control_id.h"
#include "editor/design/dlg_res.h"
#include "editor/design/drag_geometry.h"
#include "editor/design/journal.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"

namespace {

constexpr int kPasteOffset = 5;  // dialog units, across and down

// Its own name when the target can take it, else a new one for its kind.
int PastedId(const DlgItem& item, const std::string& name, IdentifierTable& ids,
             const std::string& dialogName, std::uint16_t& id) {
  if (item.id == kStaticId) return AllocateIdForKind(ControlKind::StaticText, ids, dialogName, id);
  std::uint16_t value = 0;
  if (!name.empty() && ids.ValueOf(name, value) && !ids.IsValueUsedIn(value, dialogName)) {
    ids.AddUse(0, name, dialogName);
    id = value;
    return 1;
  }
  return AllocateIdForKind(item.kind, ids, dialogName, id);
}

}  // namespace

std::uint32_t CControlClipboard::Copy(const CDlgRes& dialog, const IdentifierTable& ids) {
  std::vector<DlgItem> copied;
  if (dialog.CopySelected(&copied) == 0) return 0;
  records.swap(copied);
  names.clear();
  const std::string dialogName = dialog.name.Ansi();
  for (const DlgItem& item : records) {
    std::string name;
    if (!ids.NameOf(item.id, dialogName, name)) name.clear();
    names.push_back(name);
  }
  source = &dialog;
  return static_cast<std::uint32_t>(records.size());
}

std::uint32_t CControlClipboard::Paste(CDlgRes& target, IdentifierTable& ids, const CSurfaceGeometry& surface,
                                       CJournal& journal) const {
  if (records.empty() || !surface.Valid()) return 0;
  ids.SnapshotIds();
  const std::string dialogName = target.name.Ansi();
  const int offset = source == &target ? kPasteOffset : 0;
  std::vector<DlgItem> pasted;
  pasted.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    DlgItem item = records[i];
    DlgRect rect{item.x + offset, item.y + offset, item.x + offset + item.cx, item.y + offset + item.cy};
    ShiftIntoDialog(surface, rect);  // left where the offset put it when it cannot be mapped
    item.x = static_cast<std::int16_t>(rect.left);
    item.y = static_cast<std::int16_t>(rect.top);
    if (!PastedId(item, names[i], ids, dialogName, item.id)) item.id = kStaticId;
    pasted.push_back(item);
  }
  const std::uint32_t count = target.PasteControls(pasted);
  journal.RecordEdit(target, ids);
  CDocumentU::MarkModified();
  return count;
}
