#include "editor/design/field_change.h"

#include <algorithm>

#include "editor/design/dlg_res.h"
#include "editor/design/journal.h"
#include "editor/properties/identifier_table.h"

namespace {

bool SameRecord(const IdentifierRecord& a, const IdentifierRecord& b) {
  return a.name == b.name && a.value == b.value && a.users == b.users;
}

bool SameTable(const IdentifierTable& a, const IdentifierTable& b) {
  if (a.StaticName() != b.StaticName()) return false;
  const auto& userA = a.UserIds();
  const auto& userB = b.UserIds();
  if (userA.size() != userB.size()) return false;
  for (std::size_t i = 0; i < userA.size(); ++i)
    if (!SameRecord(*userA[i], *userB[i])) return false;
  const auto& predefinedA = a.PredefinedIds();
  const auto& predefinedB = b.PredefinedIds();
  return std::equal(predefinedA.begin(), predefinedA.end(), predefinedB.begin(), predefinedB.end(),
                    SameRecord);
}

}  // namespace

DialogFields FieldsOf(const CDlgRes& d) {
  DialogFields f;
  f.style = d.style;
  f.exStyle = d.exStyle;
  f.x = d.x;
  f.y = d.y;
  f.cx = d.cx;
  f.cy = d.cy;
  f.captionLength = d.captionLength;
  f.caption = d.caption;
  f.fontLength = d.fontLength;
  f.pointSize = d.pointSize;
  f.fontName = d.fontName;
  f.name = d.name;
  return f;
}

void WriteFields(CDlgRes& d, const DialogFields& f) {
  d.style = f.style;
  d.exStyle = f.exStyle;
  d.x = f.x;
  d.y = f.y;
  d.cx = f.cx;
  d.cy = f.cy;
  d.captionLength = f.captionLength;
  d.caption = f.caption;
  d.fontLength = f.fontLength;
  d.pointSize = f.pointSize;
  d.fontName = f.fontName;
  d.name = f.name;
}

bool SameFields(const DialogFields& a, const DialogFields& b) {
  return a.style == b.style && a.exStyle == b.exStyle && a.x == b.x && a.y == b.y && a.cx == b.cx &&
         a.cy == b.cy && a.captionLength == b.captionLength && a.caption == b.caption &&
         a.fontLength == b.fontLength && a.pointSize == b.pointSize && a.fontName == b.fontName &&
         a.name == b.name;
}

bool SameExceptRect(const DlgItem& a, const DlgItem& b) {
  return a.style == b.style && a.exStyle == b.exStyle && a.order == b.order &&
         a.classLength == b.classLength && a.classOrdinalFlag == b.classOrdinalFlag &&
         a.classAtom == b.classAtom && a.className == b.className && a.textLength == b.textLength &&
         a.textOrdinalFlag == b.textOrdinalFlag && a.textOrdinal == b.textOrdinal && a.text == b.text &&
         a.extraLength == b.extraLength && a.extra == b.extra && a.kind == b.kind && a.id == b.id;
}

bool SameItem(const DlgItem& a, const DlgItem& b) {
  return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy && SameExceptRect(a, b);
}

void CEditStep::KeepControls(const std::vector<std::uint32_t>& orders) {
  for (std::uint32_t order : orders) {
    const DlgItem* item = dialog.ControlAt(order);
    if (item == nullptr) continue;
    const bool kept = std::any_of(controls.begin(), controls.end(),
                                  [order](const DlgItem& old) { return old.order == order; });
    if (!kept) controls.push_back(*item);
  }
}

void CEditStep::KeepDialogFields() {
  if (!dialogFields) dialogFields = std::make_unique<DialogFields>(FieldsOf(dialog));
}

void CEditStep::KeepTable(IdentifierTable& table) {
  if (ids != nullptr || journal == nullptr) return;
  ids = &table;
  ids->SnapshotIds();
}

std::uint64_t CEditStep::Finish(std::uint64_t run) {
  if (finished) return 0;
  finished = true;
  if (journal == nullptr) return 0;
  auto change = std::make_shared<FieldsChanged>();
  for (const DlgItem& old : controls) {
    change->kept.push_back(old.order);
    const DlgItem* now = dialog.ControlAt(old.order);
    if (now != nullptr && !SameItem(*now, old)) change->controls.push_back(old);
  }
  if (dialogFields && !SameFields(FieldsOf(dialog), *dialogFields)) {
    change->hasDialog = true;
    change->dialog = *dialogFields;
  }
  const UndoRecord* snapshot = ids != nullptr ? ids->history.Top() : nullptr;
  const bool tableChanged =
      snapshot != nullptr && !SameTable(*ids, *static_cast<const IdentifierTable*>(snapshot->data.get()));
  if (snapshot != nullptr && !tableChanged) {
    // A snapshot no entry refers to would stand between older entries and theirs.
    UndoRecord unused;
    ids->history.Pop(unused);
  }
  if (change->controls.empty() && !change->hasDialog && !tableChanged) return 0;

  const UndoRecord* top = dialog.undo.Top();
  if (run != 0 && ids == nullptr && top != nullptr && top->serial == run &&
      top->kind == UndoRecord::kFieldsChanged) {
    auto* held = static_cast<FieldsChanged*>(top->data.get());
    for (const DlgItem& old : change->controls) {
      const bool there = std::any_of(held->controls.begin(), held->controls.end(),
                                     [&old](const DlgItem& item) { return item.order == old.order; });
      if (!there) held->controls.push_back(old);
    }
    if (change->hasDialog && !held->hasDialog) {
      held->hasDialog = true;
      held->dialog = change->dialog;
    }
    return run;
  }

  UndoRecord record;
  record.kind = UndoRecord::kFieldsChanged;
  record.count = static_cast<std::int32_t>(change->controls.size());
  record.data = std::move(change);
  const std::uint64_t serial = dialog.undo.Push(record);
  if (tableChanged)
    journal->RecordEdit(dialog, *ids);
  else
    journal->RecordEdit(dialog);
  return serial;
}

std::uint64_t CKeyRun::Press(int pressed, std::uint32_t at, const std::vector<std::uint32_t>& selected) {
  const bool continues = serial != 0 && pressed == key && selected == orders && at - time <= kGapMs;
  key = pressed;
  time = at;
  orders = selected;
  if (!continues) serial = 0;
  return serial;
}
