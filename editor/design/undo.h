// CUndo: a bounded stack of undo records, newest first. The stack does not
// know what its records mean; each owner defines its kinds and interprets
// what it pops. Record data is shared ownership, so the oldest record that
// falls off a full stack releases its data by itself.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

struct UndoRecord {
  // Kinds in use; each owner keeps to its own.
  enum : int32_t { kJournalEntry = 0, kIdentifierSnapshot = 1, kControlAdded = 2, kControlsDeleted = 3 };
  // Bits of a journal entry's target mask.
  enum : uint32_t { kTargetDialog = 1, kTargetIdentifiers = 2 };

  int32_t kind = 0;
  std::shared_ptr<void> data;  // record-specific data, or none
  int32_t count = 0;           // number of entries in data
  uint32_t mask = 0;           // journal entries: which targets to restore
};

class CUndo {
 public:
  static constexpr size_t kDepth = 10;

  virtual ~CUndo() = default;

  void Push(const UndoRecord& record);
  // 1 and the newest record; 0 and the record untouched when the stack is empty.
  int Pop(UndoRecord& record);
  size_t Size() const { return records.size(); }
  void Clear() { records.clear(); }

 private:
  std::deque<UndoRecord> records;
};
