// IdentifierTable: the document's symbolic identifiers. Each name maps to a
// 16-bit value and records, per use, the dialog that uses it. Names are byte
// strings in the ANSI code page, compared exactly.
//
// The lists keep their documented order and first-match rules; the indexes
// beside them only make lookups fast, they never change a result.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "editor/design/undo.h"
#include "editor/foundation/error_u.h"
#include "editor/foundation/string_u.h"

struct IdentifierRecord {
  std::string name;
  uint16_t value = 0;
  // One entry per use: the name of the dialog; duplicates allowed, never empty.
  std::vector<std::string> users;
};

class IdentifierTable {
 public:
  // The value that stands for the static name.
  static constexpr uint16_t kStaticValue = 0xFFFF;
  static constexpr uint16_t kFirstUserValue = 100;

  IdentifierTable();
  IdentifierTable(const IdentifierTable&) = delete;
  IdentifierTable& operator=(const IdentifierTable&) = delete;
  virtual ~IdentifierTable() = default;

  // Predefined name: its value; the static name: 0xFFFF; a user name: its value.
  bool ValueOf(const std::string& name, uint16_t& value) const;
  // 0xFFFF: the static name (found, possibly empty). Otherwise the first
  // predefined, else the first user record with this value used in the dialog.
  bool NameOf(uint16_t value, const std::string& dialog, std::string& name) const;
  // Never for 0xFFFF: any number of controls may be static.
  bool IsValueUsedIn(uint16_t value, const std::string& dialog) const;
  bool IsNameTaken(const std::string& name) const;

  // Gives a new name the next number; nothing when the name is taken or no
  // number is free (then IsNameTaken stays false and callers stop).
  void AllocateId(const std::string& name);
  int AddUse(uint16_t value, const std::string& name, const std::string& dialog);
  int RemoveUse(const std::string& name, const std::string& dialog);
  int DropIfUnused(const std::string& name);
  void RenameId(const std::string& oldName, const std::string& newName);

  // One `#define name value` of a header; 1 when accepted.
  int AddHeaderId(const std::string& name, uint16_t value);
  // The `#define` lines of a header. A refused definition fails the load and
  // leaves "#define name\t" in the error text.
  int LoadHeaderIds(const CStringU& path, CErrorU& error = AppError());
  int LoadHeaderIds(std::FILE* file, CErrorU& error = AppError());

  // A user name's dialogs joined by "; ".
  bool UsersText(const std::string& name, std::string& text) const;
  // Every name: user names, predefined names, then the static name. nullptr after the last.
  const char* FirstIdName();
  const char* NextIdName();
  const std::string& StaticName() const { return staticName; }

  void Clear();
  // A copy of the other table's records, static name and cursor; the history stays.
  void CopyFrom(const IdentifierTable& other);
  // Deleting controls of a dialog: snapshot, then release each value's name.
  void ReleaseControlIds(const std::string& dialog, const std::vector<uint16_t>& values);
  // A copy of the table on the history, as an identifier-snapshot record.
  void SnapshotIds();
  // Undo: the newest snapshot back into the table; 0 when there is none.
  int RestoreSnapshot();

  const std::vector<std::unique_ptr<IdentifierRecord>>& UserIds() const {
    Flush();
    return userIds;
  }
  const std::vector<IdentifierRecord>& PredefinedIds() const { return predefinedIds; }

  CUndo history;

 private:
  // Counts keyed by a 64-bit number, in one open-addressed array: the uses of
  // (value, dialog) pairs, tens of thousands while a script is read.
  class UseCounts {
   public:
    void Clear();
    void Add(uint64_t key);
    void Remove(uint64_t key);
    bool Has(uint64_t key) const;

   private:
    struct Slot {
      uint64_t key;
      uint32_t count;
    };
    static constexpr uint64_t kEmpty = ~uint64_t{0};
    size_t Find(uint64_t key) const;
    void Grow();
    std::vector<Slot> slots_;
    size_t used_ = 0;
  };

  // User records by name, in one open-addressed array of (hash, record):
  // a lookup touches the array and the record it finds, nothing else.
  class NameIndex {
   public:
    void Clear();
    IdentifierRecord* Find(std::string_view name) const;
    // Keeps a record already there under the same name.
    void Insert(IdentifierRecord* record);
    void Erase(std::string_view name);

   private:
    struct Slot {
      size_t hash;
      IdentifierRecord* record;  // null: empty
    };
    static size_t Hash(std::string_view name) { return std::hash<std::string_view>()(name); }
    void Grow();
    std::vector<Slot> slots_;
    size_t used_ = 0;
  };

  // User records by value, in list order: the records of one value in a
  // group that allocates only for a second record, and once there are more
  // than a few groups, a slot per 16-bit value to find them.
  class ValueIndex {
   public:
    void Clear();
    // After every record of its value.
    void Append(IdentifierRecord* record);
    void Remove(IdentifierRecord* record);
    void Empty(uint16_t value);
    size_t Count(uint16_t value) const;
    IdentifierRecord* At(uint16_t value, size_t i) const;

   private:
    struct Group {
      uint16_t value = 0;
      IdentifierRecord* first = nullptr;
      std::vector<IdentifierRecord*> more;
    };
    static constexpr size_t kFewGroups = 32;
    Group* Find(uint16_t value);
    const Group* Find(uint16_t value) const;
    std::vector<uint32_t> slot_;  // per value: 1 + index into groups_, or 0
    std::vector<Group> groups_;
  };

  IdentifierRecord* FindUser(const std::string& name) const;
  IdentifierRecord* FindPredefinedName(const std::string& name);
  IdentifierRecord* FindPredefinedValue(uint16_t value);
  const IdentifierRecord* FindPredefinedName(const std::string& name) const;
  const IdentifierRecord* FindPredefinedValue(uint16_t value) const;
  bool IsStatic(const std::string& name) const { return !staticName.empty() && name == staticName; }
  void AddUser(IdentifierRecord& record, const std::string& dialog);
  void RemoveUserAt(IdentifierRecord& record, size_t index);
  void ReplaceUserAt(IdentifierRecord& record, size_t index, const std::string& dialog);
  void CountUse(uint16_t value, const std::string& dialog);
  void UncountUse(uint16_t value, const std::string& dialog);
  bool FindDialog(const std::string& dialog, uint32_t& index) const;
  uint32_t InternDialog(const std::string& dialog);
  static uint64_t UseKey(uint16_t value, uint32_t dialog) { return uint64_t{dialog} << 16 | value; }
  void Insert(size_t position, std::unique_ptr<IdentifierRecord> record);
  void InsertInOrder(std::unique_ptr<IdentifierRecord> record);
  void Index(IdentifierRecord* record, bool lastOfItsValue);
  const IdentifierRecord* LastRecord() const;
  void Flush() const;
  void ForgetName() const { cachedValid = false; }
  bool NextValue(uint16_t& value) const;
  void Rebuild();

  // The list in its documented order, except for `pending` below.
  mutable std::vector<std::unique_ptr<IdentifierRecord>> userIds;
  // While userIds is sorted by value, records inserted before the first
  // greater value wait here in insertion order and are merged in only when
  // the order is looked at: a header of tens of thousands of lines in any
  // order then loads without moving the list for every line. The merge gives
  // exactly the list that inserting one by one would give.
  mutable std::vector<std::unique_ptr<IdentifierRecord>> pending;
  mutable const IdentifierRecord* pendingLast = nullptr;  // the greatest value, the latest of equals
  std::vector<IdentifierRecord> predefinedIds;
  std::string staticName;
  uint32_t cursor = 0;

  // Indexes over userIds and over the users of every record.
  NameIndex byName;
  ValueIndex byValue;
  // Dialog names that occur among users, as small numbers.
  std::unordered_map<std::string, uint32_t> dialogIndex;
  std::vector<size_t> dialogEntries;  // per dialog number: entries in users lists
  UseCounts useCounts;                // (value, dialog number) -> entries
  // The values used in the dialog named last, while it has few: a dialog
  // being read asks about its own values for every control.
  static constexpr uint32_t kNoDialog = ~uint32_t{0};
  static constexpr size_t kTrackedValues = 64;
  uint32_t trackedDialog = kNoDialog;
  std::vector<std::pair<uint16_t, uint32_t>> trackedUses;
  bool sorted = true;                 // userIds by ascending value
  // Every value from 100 below this one is held by a user record.
  mutable uint32_t freeHint = kFirstUserValue;
  // The reader asks about one name and one dialog several times in a row.
  mutable std::string cachedName;
  mutable IdentifierRecord* cachedRecord = nullptr;
  mutable bool cachedValid = false;
  mutable std::string cachedDialog;
  mutable uint32_t cachedDialogIndex = 0;
  mutable bool cachedDialogValid = false;
};
