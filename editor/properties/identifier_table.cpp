#include "editor/properties/identifier_table.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "editor/foundation/file_u.h"

namespace {

struct Predefined {
  const char* name;
  uint16_t value;
};

constexpr std::array<Predefined, 9> kPredefined = {{
    {"IDOK", 1},
    {"IDCANCEL", 2},
    {"IDABORT", 3},
    {"IDRETRY", 4},
    {"IDIGNORE", 5},
    {"IDYES", 6},
    {"IDNO", 7},
    {"IDCLOSE", 8},
    {"IDHELP", 9},
}};

bool ByValue(const std::unique_ptr<IdentifierRecord>& a, const std::unique_ptr<IdentifierRecord>& b) {
  return a->value < b->value;
}

}  // namespace

void IdentifierTable::UseCounts::Clear() {
  slots_.clear();
  used_ = 0;
}

size_t IdentifierTable::UseCounts::Find(uint64_t key) const {
  uint64_t h = key * 0x9E3779B97F4A7C15ull;
  size_t mask = slots_.size() - 1;
  for (size_t i = static_cast<size_t>(h ^ (h >> 32)) & mask;; i = (i + 1) & mask) {
    if (slots_[i].key == key || slots_[i].key == kEmpty) return i;
  }
}

void IdentifierTable::UseCounts::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{kEmpty, 0});
  for (const Slot& slot : old) {
    if (slot.key != kEmpty) slots_[Find(slot.key)] = slot;
  }
}

void IdentifierTable::UseCounts::Add(uint64_t key) {
  if (2 * (used_ + 1) > slots_.size()) Grow();
  Slot& slot = slots_[Find(key)];
  if (slot.key == kEmpty) {
    slot.key = key;
    ++used_;
  }
  ++slot.count;
}

// A pair whose count drops to 0 keeps its slot: dialogs use the same values again.
void IdentifierTable::UseCounts::Remove(uint64_t key) {
  if (slots_.empty()) return;
  Slot& slot = slots_[Find(key)];
  if (slot.key == key && slot.count > 0) --slot.count;
}

bool IdentifierTable::UseCounts::Has(uint64_t key) const {
  if (slots_.empty()) return false;
  const Slot& slot = slots_[Find(key)];
  return slot.key == key && slot.count > 0;
}

IdentifierTable::IdentifierTable() {
  for (const Predefined& p : kPredefined) predefinedIds.push_back(IdentifierRecord{p.name, p.value, {}});
}

void IdentifierTable::NameIndex::Clear() {
  slots_.clear();
  used_ = 0;
}

IdentifierRecord* IdentifierTable::NameIndex::Find(std::string_view name) const {
  if (slots_.empty()) return nullptr;
  const size_t hash = Hash(name);
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.record) return nullptr;
    if (slot.hash == hash && slot.record->name == name) return slot.record;
  }
}

void IdentifierTable::NameIndex::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{0, nullptr});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.record) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].record) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void IdentifierTable::NameIndex::Insert(IdentifierRecord* record) {
  if (2 * (used_ + 1) > slots_.size()) Grow();
  const size_t hash = Hash(record->name);
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  for (; slots_[i].record; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && slots_[i].record->name == record->name) return;
  }
  slots_[i] = Slot{hash, record};
  ++used_;
}

// Linear probing without tombstones: the entries after the hole that would
// no longer be reached from their home slot move back into it.
void IdentifierTable::NameIndex::Erase(std::string_view name) {
  if (slots_.empty()) return;
  const size_t hash = Hash(name);
  const size_t mask = slots_.size() - 1;
  size_t hole = hash & mask;
  for (;; hole = (hole + 1) & mask) {
    if (!slots_[hole].record) return;
    if (slots_[hole].hash == hash && slots_[hole].record->name == name) break;
  }
  for (size_t j = (hole + 1) & mask; slots_[j].record; j = (j + 1) & mask) {
    size_t home = slots_[j].hash & mask;
    // Stays when its home lies cyclically in (hole, j].
    bool stays = hole < j ? (home > hole && home <= j) : (home > hole || home <= j);
    if (!stays) {
      slots_[hole] = slots_[j];
      hole = j;
    }
  }
  slots_[hole] = Slot{0, nullptr};
  --used_;
}

void IdentifierTable::ValueIndex::Clear() {
  slot_.clear();
  groups_.clear();
}

const IdentifierTable::ValueIndex::Group* IdentifierTable::ValueIndex::Find(uint16_t value) const {
  if (slot_.empty()) {
    for (const Group& group : groups_) {
      if (group.value == value) return &group;
    }
    return nullptr;
  }
  return slot_[value] == 0 ? nullptr : &groups_[slot_[value] - 1];
}

IdentifierTable::ValueIndex::Group* IdentifierTable::ValueIndex::Find(uint16_t value) {
  return const_cast<Group*>(std::as_const(*this).Find(value));
}

void IdentifierTable::ValueIndex::Append(IdentifierRecord* record) {
  Group* found = Find(record->value);
  if (!found) {
    groups_.emplace_back();
    groups_.back().value = record->value;
    if (!slot_.empty()) {
      slot_[record->value] = static_cast<uint32_t>(groups_.size());
    } else if (groups_.size() > kFewGroups) {
      slot_.assign(0x10000, 0);
      for (size_t i = 0; i < groups_.size(); ++i) slot_[groups_[i].value] = static_cast<uint32_t>(i + 1);
    }
    found = &groups_.back();
  }
  Group& group = *found;
  if (!group.first) {
    group.first = record;
  } else {
    group.more.push_back(record);
  }
}

void IdentifierTable::ValueIndex::Remove(IdentifierRecord* record) {
  Group* group = Find(record->value);
  if (!group) return;
  if (group->first == record) {
    group->first = group->more.empty() ? nullptr : group->more.front();
    if (!group->more.empty()) group->more.erase(group->more.begin());
  } else {
    auto it = std::find(group->more.begin(), group->more.end(), record);
    if (it != group->more.end()) group->more.erase(it);
  }
}

void IdentifierTable::ValueIndex::Empty(uint16_t value) {
  if (Group* group = Find(value)) {
    group->first = nullptr;
    group->more.clear();
  }
}

size_t IdentifierTable::ValueIndex::Count(uint16_t value) const {
  const Group* group = Find(value);
  return group && group->first ? 1 + group->more.size() : 0;
}

IdentifierRecord* IdentifierTable::ValueIndex::At(uint16_t value, size_t i) const {
  const Group* group = Find(value);
  return i == 0 ? group->first : group->more[i - 1];
}

IdentifierRecord* IdentifierTable::FindUser(const std::string& name) const {
  if (cachedValid && cachedName == name) return cachedRecord;
  cachedRecord = byName.Find(name);
  cachedName = name;
  cachedValid = true;
  return cachedRecord;
}

bool IdentifierTable::FindDialog(const std::string& dialog, uint32_t& index) const {
  if (cachedDialogValid && cachedDialog == dialog) {
    index = cachedDialogIndex;
    return true;
  }
  auto it = dialogIndex.find(dialog);
  if (it == dialogIndex.end()) return false;
  cachedDialog = dialog;
  cachedDialogIndex = it->second;
  cachedDialogValid = true;
  index = it->second;
  return true;
}

uint32_t IdentifierTable::InternDialog(const std::string& dialog) {
  uint32_t index;
  if (FindDialog(dialog, index)) return index;
  index = static_cast<uint32_t>(dialogEntries.size());
  dialogIndex.emplace(dialog, index);
  dialogEntries.push_back(0);
  trackedDialog = index;  // no uses yet: its list starts complete
  trackedUses.clear();
  cachedDialog = dialog;
  cachedDialogIndex = index;
  cachedDialogValid = true;
  return index;
}

void IdentifierTable::CountUse(uint16_t value, const std::string& dialog) {
  uint32_t index = InternDialog(dialog);
  useCounts.Add(UseKey(value, index));
  ++dialogEntries[index];
  if (index != trackedDialog) return;
  for (auto& use : trackedUses) {
    if (use.first == value) {
      ++use.second;
      return;
    }
  }
  trackedUses.emplace_back(value, 1);
  if (trackedUses.size() > kTrackedValues) trackedDialog = kNoDialog;
}

void IdentifierTable::UncountUse(uint16_t value, const std::string& dialog) {
  uint32_t index;
  if (!FindDialog(dialog, index)) return;
  useCounts.Remove(UseKey(value, index));
  --dialogEntries[index];
  if (index != trackedDialog) return;
  for (auto& use : trackedUses) {
    if (use.first == value && use.second > 0) --use.second;
  }
}

const IdentifierRecord* IdentifierTable::FindPredefinedName(const std::string& name) const {
  for (const IdentifierRecord& p : predefinedIds) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

const IdentifierRecord* IdentifierTable::FindPredefinedValue(uint16_t value) const {
  for (const IdentifierRecord& p : predefinedIds) {
    if (p.value == value) return &p;
  }
  return nullptr;
}

IdentifierRecord* IdentifierTable::FindPredefinedName(const std::string& name) {
  return const_cast<IdentifierRecord*>(std::as_const(*this).FindPredefinedName(name));
}

IdentifierRecord* IdentifierTable::FindPredefinedValue(uint16_t value) {
  return const_cast<IdentifierRecord*>(std::as_const(*this).FindPredefinedValue(value));
}

void IdentifierTable::AddUser(IdentifierRecord& record, const std::string& dialog) {
  if (dialog.empty()) return;
  record.users.push_back(dialog);
  CountUse(record.value, dialog);
}

void IdentifierTable::RemoveUserAt(IdentifierRecord& record, size_t index) {
  UncountUse(record.value, record.users[index]);
  record.users.erase(record.users.begin() + static_cast<std::ptrdiff_t>(index));
}

void IdentifierTable::ReplaceUserAt(IdentifierRecord& record, size_t index, const std::string& dialog) {
  UncountUse(record.value, record.users[index]);
  record.users[index] = dialog;
  CountUse(record.value, dialog);
}

void IdentifierTable::Index(IdentifierRecord* r, bool lastOfItsValue) {
  ForgetName();
  byName.Insert(r);
  if (lastOfItsValue) {
    byValue.Append(r);
  } else {
    byValue.Empty(r->value);
    for (const auto& u : userIds) {
      if (u->value == r->value) byValue.Append(u.get());
    }
  }
  for (const std::string& dialog : r->users) CountUse(r->value, dialog);
}

// Anywhere in the list; nothing may be pending.
void IdentifierTable::Insert(size_t position, std::unique_ptr<IdentifierRecord> record) {
  IdentifierRecord* r = record.get();
  bool appended = position == userIds.size();
  bool wasSorted = sorted;
  if (position > 0 && userIds[position - 1]->value > r->value) sorted = false;
  if (!appended && userIds[position]->value < r->value) sorted = false;
  userIds.insert(userIds.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
  // In a sorted list every record of this value is before the new one.
  Index(r, appended || wasSorted);
}

// Into the sorted list, before the first record of a greater value.
void IdentifierTable::InsertInOrder(std::unique_ptr<IdentifierRecord> record) {
  IdentifierRecord* r = record.get();
  if (pending.empty() && (userIds.empty() || userIds.back()->value <= r->value)) {
    userIds.push_back(std::move(record));
  } else {
    if (!pendingLast || r->value >= pendingLast->value) pendingLast = r;
    pending.push_back(std::move(record));
  }
  Index(r, true);
}

const IdentifierRecord* IdentifierTable::LastRecord() const {
  const IdentifierRecord* last = userIds.empty() ? nullptr : userIds.back().get();
  if (pendingLast && (!last || pendingLast->value >= last->value)) last = pendingLast;
  return last;
}

// Each pending record went after every record of a value not greater than
// its own, those pending before it included: a stable merge.
void IdentifierTable::Flush() const {
  if (pending.empty()) return;
  std::stable_sort(pending.begin(), pending.end(), ByValue);
  std::vector<std::unique_ptr<IdentifierRecord>> merged;
  merged.reserve(userIds.size() + pending.size());
  std::merge(std::make_move_iterator(userIds.begin()), std::make_move_iterator(userIds.end()),
             std::make_move_iterator(pending.begin()), std::make_move_iterator(pending.end()),
             std::back_inserter(merged), ByValue);
  userIds.swap(merged);
  pending.clear();
  pendingLast = nullptr;
}

void IdentifierTable::Rebuild() {
  Flush();
  ForgetName();
  cachedDialogValid = false;
  trackedDialog = kNoDialog;
  byName.Clear();
  byValue.Clear();
  dialogIndex.clear();
  dialogEntries.clear();
  useCounts.Clear();
  sorted = true;
  freeHint = kFirstUserValue;
  for (size_t i = 0; i < userIds.size(); ++i) {
    IdentifierRecord* r = userIds[i].get();
    if (i > 0 && userIds[i - 1]->value > r->value) sorted = false;
    byName.Insert(r);
    byValue.Append(r);
    for (const std::string& dialog : r->users) CountUse(r->value, dialog);
  }
  for (const IdentifierRecord& p : predefinedIds) {
    for (const std::string& dialog : p.users) CountUse(p.value, dialog);
  }
}

bool IdentifierTable::ValueOf(const std::string& name, uint16_t& value) const {
  if (const IdentifierRecord* p = FindPredefinedName(name)) {
    value = p->value;
    return true;
  }
  if (IsStatic(name)) {
    value = kStaticValue;
    return true;
  }
  if (const IdentifierRecord* r = FindUser(name)) {
    value = r->value;
    return true;
  }
  return false;
}

bool IdentifierTable::NameOf(uint16_t value, const std::string& dialog, std::string& name) const {
  if (value == kStaticValue) {
    name = staticName;
    return true;
  }
  name.clear();
  const size_t users = byValue.Count(value);
  size_t left = users;
  for (const IdentifierRecord& p : predefinedIds) left += p.value == value;
  // A lone record with a few users is looked at directly; otherwise the
  // index says whether some record of this value is used in the dialog, and
  // then the last candidate needs no search of its users.
  if (left == 1 && users == 1) {
    const IdentifierRecord* r = byValue.At(value, 0);
    if (r->users.size() <= 4) {
      if (std::find(r->users.begin(), r->users.end(), dialog) == r->users.end()) return false;
      name = r->name;
      return true;
    }
  }
  if (!IsValueUsedIn(value, dialog)) return false;
  auto take = [&](const IdentifierRecord& r) {
    if (--left != 0 && std::find(r.users.begin(), r.users.end(), dialog) == r.users.end()) return false;
    name = r.name;
    return true;
  };
  for (const IdentifierRecord& p : predefinedIds) {
    if (p.value == value && take(p)) return true;
  }
  for (size_t i = 0; i < users; ++i) {
    if (take(*byValue.At(value, i))) return true;
  }
  return false;
}

bool IdentifierTable::IsValueUsedIn(uint16_t value, const std::string& dialog) const {
  if (value == kStaticValue) return false;
  uint32_t index;
  if (!FindDialog(dialog, index)) return false;
  if (index != trackedDialog) return useCounts.Has(UseKey(value, index));
  for (const auto& use : trackedUses) {
    if (use.first == value) return use.second > 0;
  }
  return false;
}

bool IdentifierTable::IsNameTaken(const std::string& name) const {
  return FindPredefinedName(name) || IsStatic(name) || FindUser(name);
}

// The next number follows the last record. When that would be 0xFFFF (the
// static value), wrap to 0, land on a predefined value or repeat a number
// already held, the lowest number from 100 that no user record holds is taken
// instead: renumbering would cut the link to controls that keep their number.
bool IdentifierTable::NextValue(uint16_t& value) const {
  const IdentifierRecord* last = LastRecord();
  if (!last) {
    value = kFirstUserValue;
    return true;
  }
  uint16_t next = static_cast<uint16_t>(last->value + 1);
  if (next != kStaticValue && next != 0 && !FindPredefinedValue(next) && byValue.Count(next) == 0) {
    value = next;
    return true;
  }
  for (; freeHint < kStaticValue; ++freeHint) {
    if (byValue.Count(static_cast<uint16_t>(freeHint)) == 0) {
      value = static_cast<uint16_t>(freeHint);
      return true;
    }
  }
  return false;
}

void IdentifierTable::AllocateId(const std::string& name) {
  if (name.empty() || IsNameTaken(name)) return;
  uint16_t value;
  if (!NextValue(value)) return;
  auto record = std::make_unique<IdentifierRecord>(IdentifierRecord{name, value, {}});
  const IdentifierRecord* last = LastRecord();
  if (sorted && (!last || value > last->value)) {
    InsertInOrder(std::move(record));
  } else {
    Flush();
    Insert(userIds.size(), std::move(record));
  }
}

int IdentifierTable::AddUse(uint16_t value, const std::string& name, const std::string& dialog) {
  IdentifierRecord* r = FindPredefinedName(name);
  if (!r) r = FindPredefinedValue(value);
  if (!r && IsStatic(name)) return 1;
  if (!r) r = FindUser(name);
  if (!r) return 0;
  AddUser(*r, dialog);
  return 1;
}

int IdentifierTable::RemoveUse(const std::string& name, const std::string& dialog) {
  IdentifierRecord* r = FindPredefinedName(name);
  if (!r && IsStatic(name)) return 1;
  if (!r) r = FindUser(name);
  if (!r) return 0;
  auto it = std::find(r->users.begin(), r->users.end(), dialog);
  if (it != r->users.end()) RemoveUserAt(*r, static_cast<size_t>(it - r->users.begin()));
  return 1;
}

int IdentifierTable::DropIfUnused(const std::string& name) {
  IdentifierRecord* r = FindUser(name);
  // A dialog's own name stays while its controls use identifiers.
  uint32_t index;
  if (!r || !r->users.empty() || (FindDialog(name, index) && dialogEntries[index] != 0)) return 0;
  Flush();
  ForgetName();
  byValue.Remove(r);
  if (byValue.Count(r->value) == 0) {
    if (r->value >= kFirstUserValue && r->value < freeHint) freeHint = r->value;
  }
  byName.Erase(name);
  userIds.erase(std::find_if(userIds.begin(), userIds.end(), [r](const auto& u) { return u.get() == r; }));
  return 1;
}

// Renaming to a name that is already taken would leave two records of one
// name, the second unreachable; it is refused like an unknown old name.
void IdentifierTable::RenameId(const std::string& oldName, const std::string& newName) {
  IdentifierRecord* r = FindUser(oldName);
  if (!r || newName.empty() || newName == oldName || IsNameTaken(newName)) return;
  if (!r->users.empty()) {
    AllocateId(newName);  // the old record stays for its users
  } else {
    ForgetName();
    byName.Erase(oldName);
    r->name = newName;
    byName.Insert(r);
  }
  uint32_t index;
  if (!FindDialog(oldName, index) || dialogEntries[index] == 0) return;
  Flush();
  auto replaceFirst = [&](IdentifierRecord& record) {
    auto it = std::find(record.users.begin(), record.users.end(), oldName);
    if (it != record.users.end()) ReplaceUserAt(record, static_cast<size_t>(it - record.users.begin()), newName);
  };
  for (auto& u : userIds) replaceFirst(*u);
  for (IdentifierRecord& p : predefinedIds) replaceFirst(p);
}

int IdentifierTable::AddHeaderId(const std::string& name, uint16_t value) {
  if (name.empty()) return 0;
  if (const IdentifierRecord* p = FindPredefinedName(name)) return p->value == value ? 1 : 0;
  if (FindPredefinedValue(value)) return 1;  // the system header defines it
  if (staticName.empty() && value == kStaticValue) {
    staticName = name;
    return 1;
  }
  if (IsStatic(name)) return value == kStaticValue ? 1 : 0;
  if (const IdentifierRecord* r = FindUser(name)) return r->value == value ? 1 : 0;
  // Before the first record of a greater value.
  auto record = std::make_unique<IdentifierRecord>(IdentifierRecord{name, value, {}});
  if (sorted) {
    InsertInOrder(std::move(record));
    return 1;
  }
  size_t position = userIds.size();
  for (size_t i = 0; i < userIds.size(); ++i) {
    if (userIds[i]->value > value) {
      position = i;
      break;
    }
  }
  Insert(position, std::move(record));
  return 1;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The first `most` whitespace-separated words; returns how many there are.
size_t Words(std::string_view line, std::string_view* words, size_t most) {
  size_t count = 0;
  size_t i = 0;
  while (count < most) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    words[count++] = line.substr(start, i - start);
  }
  return count;
}

// A C integer constant at the start of the word: optional sign, then
// decimal, 0x hexadecimal or leading-0 octal digits; the low 16 bits.
// False when no digit follows the sign.
bool ReadValue(std::string_view word, uint16_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
  if (i == word.size() || !IsDigit(word[i])) return false;
  uint32_t v = 0;
  if (word[i] == '0' && i + 2 < word.size() && (word[i + 1] == 'x' || word[i + 1] == 'X') &&
      HexDigit(word[i + 2]) >= 0) {
    for (i += 2; i < word.size() && HexDigit(word[i]) >= 0; ++i) v = (v << 4 | HexDigit(word[i])) & 0xFFFF;
  } else if (word[i] == '0') {
    for (; i < word.size() && word[i] >= '0' && word[i] <= '7'; ++i) v = (v * 8 + (word[i] - '0')) & 0xFFFF;
  } else {
    for (; i < word.size() && IsDigit(word[i]); ++i) v = (v * 10 + (word[i] - '0')) & 0xFFFF;
  }
  value = static_cast<uint16_t>(negative ? (0x10000 - v) & 0xFFFF : v);
  return true;
}

}  // namespace

int IdentifierTable::LoadHeaderIds(const CStringU& path, CErrorU& error) {
  CFileU file;
  if (!file.Open(path, "rb")) return 0;
  return LoadHeaderIds(file.fp, error);
}

// Lines of `#define NAME VALUE`, read in pieces of at most 255 bytes. A line
// counts when its third word begins with a digit or a sign and a digit;
// other lines, function-like macros among them, are passed over.
int IdentifierTable::LoadHeaderIds(std::FILE* file, CErrorU& error) {
  if (!file) return 0;
  // The whole header at once; a read error fails the load before any line.
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  if (std::ferror(file)) return 0;

  size_t pos = 0;
  std::string_view line;
  std::string name;
  while (NextLinePiece(bytes, pos, line)) {
    // A name cannot hold a zero byte: the line ends there, as a C string does.
    line = line.substr(0, line.find('\0'));
    std::string_view words[3];
    uint16_t value;
    if (Words(line, words, 3) < 3 || words[0] != "#define" || !ReadValue(words[2], value)) continue;
    name.assign(words[1]);
    if (AddHeaderId(name, value)) continue;
    // The refused line stays in the error text as the context of the failure.
    error.Push();
    error.message.Append("#define");
    error.message.Append(" ");
    error.message.Append(name.c_str());
    error.message.Append("\t");
    return 0;
  }
  return 1;
}

bool IdentifierTable::UsersText(const std::string& name, std::string& text) const {
  text.clear();
  if (FindPredefinedName(name) || IsStatic(name)) return true;
  const IdentifierRecord* r = FindUser(name);
  if (!r) return false;
  for (size_t i = 0; i < r->users.size(); ++i) {
    if (i > 0) text += "; ";
    text += r->users[i];
  }
  return true;
}

const char* IdentifierTable::FirstIdName() {
  Flush();
  cursor = 0;
  return userIds.empty() ? predefinedIds.front().name.c_str() : userIds.front()->name.c_str();
}

const char* IdentifierTable::NextIdName() {
  Flush();
  size_t position = ++cursor;
  if (position < userIds.size()) return userIds[position]->name.c_str();
  position -= userIds.size();
  if (position < predefinedIds.size()) return predefinedIds[position].name.c_str();
  if (position == predefinedIds.size() && !staticName.empty()) return staticName.c_str();
  return nullptr;
}

void IdentifierTable::Clear() {
  userIds.clear();
  pending.clear();
  pendingLast = nullptr;
  for (IdentifierRecord& p : predefinedIds) p.users.clear();
  staticName.clear();
  Rebuild();
}

void IdentifierTable::CopyFrom(const IdentifierTable& other) {
  if (&other == this) return;
  other.Flush();
  userIds.clear();
  pending.clear();
  pendingLast = nullptr;
  for (const auto& u : other.userIds) userIds.push_back(std::make_unique<IdentifierRecord>(*u));
  predefinedIds = other.predefinedIds;
  staticName = other.staticName;
  cursor = other.cursor;
  Rebuild();
}

void IdentifierTable::ReleaseControlIds(const std::string& dialog, const std::vector<uint16_t>& values) {
  SnapshotIds();
  std::string name;
  for (uint16_t value : values) {
    NameOf(value, dialog, name);
    RemoveUse(name, dialog);
    DropIfUnused(name);
  }
}

void IdentifierTable::SnapshotIds() {
  auto copy = std::make_shared<IdentifierTable>();
  copy->CopyFrom(*this);
  UndoRecord record;
  record.kind = UndoRecord::kIdentifierSnapshot;
  record.data = std::move(copy);
  history.Push(record);
}

int IdentifierTable::RestoreSnapshot() {
  UndoRecord record;
  if (!history.Pop(record)) return 0;
  if (record.kind != UndoRecord::kIdentifierSnapshot || !record.data) return 0;
  CopyFrom(*static_cast<const IdentifierTable*>(record.data.get()));
  return 1;
}
