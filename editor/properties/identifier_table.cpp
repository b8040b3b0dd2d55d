#include "editor/properties/identifier_table.h"

#include <algorithm>
#include <array>
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

void Decrement(std::unordered_map<std::string, size_t>& counts, const std::string& key) {
  auto it = counts.find(key);
  if (it != counts.end() && --it->second == 0) counts.erase(it);
}

}  // namespace

IdentifierTable::IdentifierTable() {
  for (const Predefined& p : kPredefined) predefinedIds.push_back(IdentifierRecord{p.name, p.value, {}});
}

std::string IdentifierTable::UseKey(uint16_t value, const std::string& dialog) {
  std::string key;
  key.reserve(dialog.size() + 2);
  key.push_back(static_cast<char>(value & 0xFF));
  key.push_back(static_cast<char>(value >> 8));
  key += dialog;
  return key;
}

IdentifierRecord* IdentifierTable::FindUser(const std::string& name) const {
  auto it = byName.find(name);
  return it == byName.end() ? nullptr : it->second;
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
  ++useCount[UseKey(record.value, dialog)];
  ++userEntries[dialog];
}

void IdentifierTable::RemoveUserAt(IdentifierRecord& record, size_t index) {
  Decrement(useCount, UseKey(record.value, record.users[index]));
  Decrement(userEntries, record.users[index]);
  record.users.erase(record.users.begin() + static_cast<std::ptrdiff_t>(index));
}

void IdentifierTable::ReplaceUserAt(IdentifierRecord& record, size_t index, const std::string& dialog) {
  Decrement(useCount, UseKey(record.value, record.users[index]));
  Decrement(userEntries, record.users[index]);
  record.users[index] = dialog;
  ++useCount[UseKey(record.value, dialog)];
  ++userEntries[dialog];
}

void IdentifierTable::Insert(size_t position, std::unique_ptr<IdentifierRecord> record) {
  IdentifierRecord* r = record.get();
  bool appended = position == userIds.size();
  bool wasSorted = sorted;
  if (position > 0 && userIds[position - 1]->value > r->value) sorted = false;
  if (!appended && userIds[position]->value < r->value) sorted = false;
  userIds.insert(userIds.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
  byName.emplace(r->name, r);
  std::vector<IdentifierRecord*>& sameValue = byValue[r->value];
  if (appended || wasSorted) {
    // Every record of this value is before the new one.
    sameValue.push_back(r);
  } else {
    sameValue.clear();
    for (const auto& u : userIds) {
      if (u->value == r->value) sameValue.push_back(u.get());
    }
  }
  for (const std::string& dialog : r->users) {
    ++useCount[UseKey(r->value, dialog)];
    ++userEntries[dialog];
  }
}

void IdentifierTable::Rebuild() {
  byName.clear();
  byValue.clear();
  useCount.clear();
  userEntries.clear();
  sorted = true;
  freeHint = kFirstUserValue;
  for (size_t i = 0; i < userIds.size(); ++i) {
    IdentifierRecord* r = userIds[i].get();
    if (i > 0 && userIds[i - 1]->value > r->value) sorted = false;
    byName.emplace(r->name, r);
    byValue[r->value].push_back(r);
    for (const std::string& dialog : r->users) {
      ++useCount[UseKey(r->value, dialog)];
      ++userEntries[dialog];
    }
  }
  for (const IdentifierRecord& p : predefinedIds) {
    for (const std::string& dialog : p.users) {
      ++useCount[UseKey(p.value, dialog)];
      ++userEntries[dialog];
    }
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
  if (!IsValueUsedIn(value, dialog)) return false;
  // Some record of this value is used in the dialog: the last candidate
  // needs no search of its users.
  std::vector<const IdentifierRecord*> candidates;
  for (const IdentifierRecord& p : predefinedIds) {
    if (p.value == value) candidates.push_back(&p);
  }
  auto it = byValue.find(value);
  if (it != byValue.end()) candidates.insert(candidates.end(), it->second.begin(), it->second.end());
  for (size_t i = 0; i < candidates.size(); ++i) {
    const std::vector<std::string>& users = candidates[i]->users;
    if (i + 1 == candidates.size() || std::find(users.begin(), users.end(), dialog) != users.end()) {
      name = candidates[i]->name;
      return true;
    }
  }
  return false;
}

bool IdentifierTable::IsValueUsedIn(uint16_t value, const std::string& dialog) const {
  if (value == kStaticValue) return false;
  return useCount.count(UseKey(value, dialog)) != 0;
}

bool IdentifierTable::IsNameTaken(const std::string& name) const {
  return FindPredefinedName(name) || IsStatic(name) || FindUser(name);
}

// The next number follows the last record. When that would be 0xFFFF (the
// static value), wrap to 0, land on a predefined value or repeat a number
// already held, the lowest number from 100 that no user record holds is taken
// instead: renumbering would cut the link to controls that keep their number.
bool IdentifierTable::NextValue(uint16_t& value) const {
  if (userIds.empty()) {
    value = kFirstUserValue;
    return true;
  }
  uint16_t next = static_cast<uint16_t>(userIds.back()->value + 1);
  if (next != kStaticValue && next != 0 && !FindPredefinedValue(next) && byValue.count(next) == 0) {
    value = next;
    return true;
  }
  for (; freeHint < kStaticValue; ++freeHint) {
    if (byValue.count(static_cast<uint16_t>(freeHint)) == 0) {
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
  Insert(userIds.size(), std::make_unique<IdentifierRecord>(IdentifierRecord{name, value, {}}));
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
  if (!r || !r->users.empty() || userEntries.count(name) != 0) return 0;
  std::vector<IdentifierRecord*>& sameValue = byValue[r->value];
  sameValue.erase(std::find(sameValue.begin(), sameValue.end(), r));
  if (sameValue.empty()) {
    byValue.erase(r->value);
    if (r->value >= kFirstUserValue && r->value < freeHint) freeHint = r->value;
  }
  byName.erase(name);
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
    byName.erase(oldName);
    r->name = newName;
    byName.emplace(newName, r);
  }
  if (userEntries.count(oldName) == 0) return;
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
  size_t position;
  if (sorted) {
    auto it = std::upper_bound(userIds.begin(), userIds.end(), value,
                               [](uint16_t v, const auto& u) { return v < u->value; });
    position = static_cast<size_t>(it - userIds.begin());
  } else {
    position = userIds.size();
    for (size_t i = 0; i < userIds.size(); ++i) {
      if (userIds[i]->value > value) {
        position = i;
        break;
      }
    }
  }
  Insert(position, std::make_unique<IdentifierRecord>(IdentifierRecord{name, value, {}}));
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

std::vector<std::string> Words(const std::string& line, size_t most) {
  std::vector<std::string> words;
  size_t i = 0;
  while (words.size() < most) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    words.push_back(line.substr(start, i - start));
  }
  return words;
}

// A C integer constant at the start of the word: optional sign, then
// decimal, 0x hexadecimal or leading-0 octal digits; the low 16 bits.
// False when no digit follows the sign.
bool ReadValue(const std::string& word, uint16_t& value) {
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
  CFileU reader;
  reader.fp = file;
  struct Release {
    CFileU& f;
    ~Release() { f.fp = nullptr; }  // the caller closes its stream
  } release{reader};

  std::string line;
  for (;;) {
    CFileU::Line got = reader.ReadLine(line);
    if (got == CFileU::Line::End) return 1;
    if (got == CFileU::Line::Error) return 0;
    // A name cannot hold a zero byte: the line ends there, as a C string does.
    line.resize(std::min(line.size(), line.find('\0')));
    std::vector<std::string> words = Words(line, 3);
    uint16_t value;
    if (words.size() < 3 || words[0] != "#define" || !ReadValue(words[2], value)) continue;
    error.Push();
    error.message.Append("#define");
    error.message.Append(" ");
    error.message.Append(words[1].c_str());
    error.message.Append("\t");
    if (!AddHeaderId(words[1], value)) return 0;
    error.Pop();
  }
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
  cursor = 0;
  return userIds.empty() ? predefinedIds.front().name.c_str() : userIds.front()->name.c_str();
}

const char* IdentifierTable::NextIdName() {
  size_t position = ++cursor;
  if (position < userIds.size()) return userIds[position]->name.c_str();
  position -= userIds.size();
  if (position < predefinedIds.size()) return predefinedIds[position].name.c_str();
  if (position == predefinedIds.size() && !staticName.empty()) return staticName.c_str();
  return nullptr;
}

void IdentifierTable::Clear() {
  userIds.clear();
  for (IdentifierRecord& p : predefinedIds) p.users.clear();
  staticName.clear();
  Rebuild();
}

void IdentifierTable::CopyFrom(const IdentifierTable& other) {
  if (&other == this) return;
  userIds.clear();
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
