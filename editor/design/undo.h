// CUndo: a bounded stack of undo records, newest first. The stack does not
// know what its records mean; each owner defines its kinds and interprets
// what it pops. Record data is shared ownership, so the oldest record that
// falls off a full stack releases its data by itself. Every pushed record
// gets a serial number unique in the program, so whoever remembers a record
// can tell whether it is still the one on top.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

struct UndoRecord {
  // Kinds in use; each owner keeps to its own.
  enum : int32_t {
    kJournalEntry = 0,
    kIdentifierSnapshot = 1,
    kControlAdded = 2,
    kControlsDeleted = 3,
    kFieldsChanged = 4,   // old field values of controls or of the dialog
    kControlsPasted = 5,  // count: how many controls at the end were pasted
  };
  // Bits of a journal entry's target mask.
  enum : uint32_t { kTargetDialog = 1, kTargetIdentifiers = 2 };

  int32_t kind = 0;
  std::shared_ptr<void> data;  // record-specific data, or none
  int32_t count = 0;           // number of entries in data
  uint32_t mask = 0;           // journal entries: which targets to restore
  uint64_t serial = 0;         // given by Push
};

class CUndo {
 public:
  // Whole copies of the identifier table are kept ten deep; a dialog's edits
  // and the journal, which record every gesture, a hundred.
  static constexpr size_t kDepth = 10;
  static constexpr size_t kEditDepth = 100;

  explicit CUndo(size_t depth = kDepth) : depth(depth) {}
  virtual ~CUndo() = default;

  // Returns the serial given to the copy pushed.
  uint64_t Push(const UndoRecord& record);
  // 1 and the newest record; 0 and the record untouched when the stack is empty.
  int Pop(UndoRecord& record);
  // The newest record, or null.
  const UndoRecord* Top() const { return records.empty() ? nullptr : &records.front(); }
  uint64_t TopSerial() const { return records.empty() ? 0 : records.front().serial; }
  size_t Size() const { return records.size(); }
  size_t Depth() const { return depth; }
  void Clear() { records.clear(); }

 private:
  size_t depth;
  std::deque<UndoRecord> records;
};
