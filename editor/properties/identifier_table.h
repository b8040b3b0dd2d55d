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
#include <unordered_map>
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

  const std::vector<std::unique_ptr<IdentifierRecord>>& UserIds() const { return userIds; }
  const std::vector<IdentifierRecord>& PredefinedIds() const { return predefinedIds; }

  CUndo history;

 private:
  IdentifierRecord* FindUser(const std::string& name) const;
  IdentifierRecord* FindPredefinedName(const std::string& name);
  IdentifierRecord* FindPredefinedValue(uint16_t value);
  const IdentifierRecord* FindPredefinedName(const std::string& name) const;
  const IdentifierRecord* FindPredefinedValue(uint16_t value) const;
  bool IsStatic(const std::string& name) const { return !staticName.empty() && name == staticName; }
  void AddUser(IdentifierRecord& record, const std::string& dialog);
  void RemoveUserAt(IdentifierRecord& record, size_t index);
  void ReplaceUserAt(IdentifierRecord& record, size_t index, const std::string& dialog);
  void Insert(size_t position, std::unique_ptr<IdentifierRecord> record);
  bool NextValue(uint16_t& value) const;
  void Rebuild();
  static std::string UseKey(uint16_t value, const std::string& dialog);

  std::vector<std::unique_ptr<IdentifierRecord>> userIds;
  std::vector<IdentifierRecord> predefinedIds;
  std::string staticName;
  uint32_t cursor = 0;

  // Indexes over userIds and over the users of every record.
  std::unordered_map<std::string, IdentifierRecord*> byName;
  std::unordered_map<uint16_t, std::vector<IdentifierRecord*>> byValue;  // in list order
  std::unordered_map<std::string, size_t> useCount;                     // (value, dialog) -> entries
  std::unordered_map<std::string, size_t> userEntries;                  // dialog -> entries
  bool sorted = true;                                                   // userIds by ascending value
  // Every value from 100 below this one is held by a user record.
  mutable uint32_t freeHint = kFirstUserValue;
};
