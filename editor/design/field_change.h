#pragma once
// Undo of the edits that change fields in place: moves and resizes, the
// dialog frame, alignment and the property pages. A gesture keeps the old
// values of what it may change before it starts (CEditStep); once it is done,
// what really changed becomes one FieldsChanged record on the dialog's stack
// and one journal entry, and CDlgRes::Undo writes the old values back.

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/design/dlg_item.h"
#include "editor/foundation/string_u.h"

class CDlgRes;
class CJournal;
class IdentifierTable;

// The dialog's own fields that editing changes.
struct DialogFields {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t cx = 0;
  std::int16_t cy = 0;
  std::uint32_t captionLength = 0;
  CStringU caption;
  std::uint32_t fontLength = 0;
  std::uint16_t pointSize = 0;
  CStringU fontName;
  CStringU name;
};

DialogFields FieldsOf(const CDlgRes& dialog);
void WriteFields(CDlgRes& dialog, const DialogFields& fields);
bool SameFields(const DialogFields& a, const DialogFields& b);

// Whether two records are alike in every field, or in every field but the rectangle.
bool SameItem(const DlgItem& a, const DlgItem& b);
bool SameExceptRect(const DlgItem& a, const DlgItem& b);

// The data of a FieldsChanged record.
struct FieldsChanged {
  std::vector<DlgItem> controls;    // as they were, each with its order
  std::vector<std::uint32_t> kept;  // the orders the gesture worked on, primary first
  bool hasDialog = false;
  DialogFields dialog;
};

// One user gesture that changes fields. Without a journal (no document)
// nothing is recorded. A step that is not finished by hand is finished when
// it goes, so every way out of a gesture records what it changed.
class CEditStep {
 public:
  CEditStep(CDlgRes& dialog, CJournal* journal) : dialog(dialog), journal(journal) {}
  CEditStep(const CEditStep&) = delete;
  CEditStep& operator=(const CEditStep&) = delete;
  ~CEditStep() { Finish(); }

  // The records at these orders as they are now (each kept once).
  void KeepControls(const std::vector<std::uint32_t>& orders);
  void KeepDialogFields();
  // A snapshot of the table on its history: the step then restores the
  // table too (journal mask 3) when the gesture changed it.
  void KeepTable(IdentifierTable& ids);

  // Records what changed. `run` is the serial that an earlier step of the
  // same run returned: while that record is still the newest on the
  // dialog's stack, this step's old values join it (where it holds none for
  // them yet) and the journal gets no new entry. Returns the serial of the
  // record holding the step, or 0 when nothing changed.
  std::uint64_t Finish(std::uint64_t run = 0);

 private:
  CDlgRes& dialog;
  CJournal* journal;
  std::vector<DlgItem> controls;
  std::unique_ptr<DialogFields> dialogFields;
  IdentifierTable* ids = nullptr;
  bool finished = false;
};

// Presses of one key on one selection, each within half a second of the one
// before, make one step: the first press records it, the others join it.
class CKeyRun {
 public:
  static constexpr std::uint32_t kGapMs = 500;

  // For a press at `time` (milliseconds of a wrapping clock): the serial of
  // the run's record when the press continues the run, else 0.
  std::uint64_t Press(int key, std::uint32_t time, const std::vector<std::uint32_t>& orders);
  // The serial the press's step returned; 0 (nothing changed) keeps the run's.
  void Recorded(std::uint64_t serial) {
    if (serial != 0) this->serial = serial;
  }

 private:
  int key = -1;
  std::uint32_t time = 0;
  std::vector<std::uint32_t> orders;
  std::uint64_t serial = 0;
};
