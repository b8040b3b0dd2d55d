// The table keeps indexes and merges sorted inserts lazily; this checks it
// against a plain model of the lists, with linear scans and nothing else,
// over long random sequences of operations.
#include "editor/properties/identifier_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

struct ModelRecord {
  std::string name;
  uint16_t value;
  std::vector<std::string> users;
};

struct Model {
  std::vector<ModelRecord> user;
  std::vector<ModelRecord> predefined{{"IDOK", 1, {}},     {"IDCANCEL", 2, {}}, {"IDABORT", 3, {}},
                                      {"IDRETRY", 4, {}},  {"IDIGNORE", 5, {}}, {"IDYES", 6, {}},
                                      {"IDNO", 7, {}},     {"IDCLOSE", 8, {}},  {"IDHELP", 9, {}}};
  std::string staticName;

  ModelRecord* Pre(const std::string& n) {
    for (auto& p : predefined)
      if (p.name == n) return &p;
    return nullptr;
  }
  ModelRecord* PreValue(uint16_t v) {
    for (auto& p : predefined)
      if (p.value == v) return &p;
    return nullptr;
  }
  ModelRecord* User(const std::string& n) {
    for (auto& r : user)
      if (r.name == n) return &r;
    return nullptr;
  }
  bool IsStatic(const std::string& n) const { return !staticName.empty() && n == staticName; }
  bool Taken(const std::string& n) { return Pre(n) || IsStatic(n) || User(n); }
  static bool Has(const ModelRecord& r, const std::string& d) {
    return std::find(r.users.begin(), r.users.end(), d) != r.users.end();
  }
  bool Used(uint16_t v, const std::string& d) {
    if (v == 0xFFFF) return false;
    for (auto& p : predefined)
      if (p.value == v && Has(p, d)) return true;
    for (auto& r : user)
      if (r.value == v && Has(r, d)) return true;
    return false;
  }
  bool NameOf(uint16_t v, const std::string& d, std::string& name) {
    name.clear();
    if (v == 0xFFFF) {
      name = staticName;
      return true;
    }
    for (auto& p : predefined)
      if (p.value == v && Has(p, d)) return name = p.name, true;
    for (auto& r : user)
      if (r.value == v && Has(r, d)) return name = r.name, true;
    return false;
  }
  bool Held(uint32_t v) {
    for (auto& r : user)
      if (r.value == v) return true;
    return false;
  }
  void Allocate(const std::string& n) {
    if (n.empty() || Taken(n)) return;
    uint32_t value = 100;
    if (!user.empty()) {
      uint16_t next = static_cast<uint16_t>(user.back().value + 1);
      if (next != 0xFFFF && next != 0 && !PreValue(next) && !Held(next)) {
        value = next;
      } else {
        value = 100;
        while (value < 0xFFFF && Held(value)) ++value;
        if (value == 0xFFFF) return;
      }
    }
    user.push_back({n, static_cast<uint16_t>(value), {}});
  }
  int AddUse(uint16_t v, const std::string& n, const std::string& d) {
    ModelRecord* r = Pre(n);
    if (!r) r = PreValue(v);
    if (!r && IsStatic(n)) return 1;
    if (!r) r = User(n);
    if (!r) return 0;
    if (!d.empty()) r->users.push_back(d);
    return 1;
  }
  int RemoveUse(const std::string& n, const std::string& d) {
    ModelRecord* r = Pre(n);
    if (!r && IsStatic(n)) return 1;
    if (!r) r = User(n);
    if (!r) return 0;
    auto it = std::find(r->users.begin(), r->users.end(), d);
    if (it != r->users.end()) r->users.erase(it);
    return 1;
  }
  bool Listed(const std::string& n) {
    for (auto& r : user)
      if (Has(r, n)) return true;
    for (auto& p : predefined)
      if (Has(p, n)) return true;
    return false;
  }
  int Drop(const std::string& n) {
    ModelRecord* r = User(n);
    if (!r || !r->users.empty() || Listed(n)) return 0;
    user.erase(user.begin() + (r - user.data()));
    return 1;
  }
  void Rename(const std::string& o, const std::string& n) {
    ModelRecord* r = User(o);
    if (!r || n.empty() || n == o || Taken(n)) return;
    if (!r->users.empty()) {
      Allocate(n);
    } else {
      r->name = n;
    }
    auto replaceFirst = [&](ModelRecord& rec) {
      auto it = std::find(rec.users.begin(), rec.users.end(), o);
      if (it != rec.users.end()) *it = n;
    };
    for (auto& u : user) replaceFirst(u);
    for (auto& p : predefined) replaceFirst(p);
  }
  int AddHeader(const std::string& n, uint16_t v) {
    if (n.empty()) return 0;
    if (ModelRecord* p = Pre(n)) return p->value == v;
    if (PreValue(v)) return 1;
    if (staticName.empty() && v == 0xFFFF) {
      staticName = n;
      return 1;
    }
    if (IsStatic(n)) return v == 0xFFFF;
    if (ModelRecord* r = User(n)) return r->value == v;
    size_t at = 0;
    while (at < user.size() && user[at].value <= v) ++at;
    user.insert(user.begin() + static_cast<std::ptrdiff_t>(at), ModelRecord{n, v, {}});
    return 1;
  }
};

std::string Dump(const std::vector<ModelRecord>& records) {
  std::string text;
  for (const auto& r : records) {
    text += r.name + "=" + std::to_string(r.value) + "[";
    for (const auto& u : r.users) text += u + ",";
    text += "] ";
  }
  return text;
}

std::string Dump(IdentifierTable& t) {
  std::vector<ModelRecord> records;
  for (const auto& r : t.UserIds()) records.push_back({r->name, r->value, r->users});
  std::string text = Dump(records) + "| ";
  records.clear();
  for (const auto& p : t.PredefinedIds()) records.push_back({p.name, p.value, p.users});
  return text + Dump(records) + "| " + t.StaticName();
}

std::string Dump(const Model& m) { return Dump(m.user) + "| " + Dump(m.predefined) + "| " + m.staticName; }

class Sequence {
 public:
  explicit Sequence(unsigned seed) : random_(seed) {}

  std::string Name() {
    static const char* const kNames[] = {"IDOK",  "IDHELP", "IDC_STATIC", "A", "B", "C", "D",
                                         "E",     "F",      "IDD_X",      "IDD_Y", ""};
    return kNames[Pick(std::size(kNames))];
  }
  std::string Dialog() {
    static const char* const kDialogs[] = {"IDD_X", "IDD_Y", "IDD_Z", "A", ""};
    return kDialogs[Pick(std::size(kDialogs))];
  }
  uint16_t Value() {
    static const uint16_t kValues[] = {1, 9, 0, 100, 101, 102, 103, 150, 65533, 65534, 0xFFFF};
    return kValues[Pick(std::size(kValues))];
  }
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  std::mt19937 random_;
};

TEST(IdentifierTableModel, RandomOperationsMatchThePlainLists) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    Sequence s(seed);
    IdentifierTable t;
    Model m;
    IdentifierTable saved;
    Model savedModel;
    for (int step = 0; step < 400; ++step) {
      std::string name = s.Name();
      std::string dialog = s.Dialog();
      uint16_t value = s.Value();
      std::string what = "seed " + std::to_string(seed) + " step " + std::to_string(step);
      switch (s.Pick(13)) {
        case 0:
        case 1:
        case 2:
          EXPECT_EQ(t.AddHeaderId(name, value), m.AddHeader(name, value)) << what;
          break;
        case 3:
          t.AllocateId(name);
          m.Allocate(name);
          break;
        case 4:
        case 5:
          EXPECT_EQ(t.AddUse(value, name, dialog), m.AddUse(value, name, dialog)) << what;
          break;
        case 6:
          EXPECT_EQ(t.RemoveUse(name, dialog), m.RemoveUse(name, dialog)) << what;
          break;
        case 7:
          EXPECT_EQ(t.DropIfUnused(name), m.Drop(name)) << what;
          break;
        case 8: {
          std::string other = s.Name();
          t.RenameId(name, other);
          m.Rename(name, other);
          break;
        }
        case 9: {
          std::string a, b;
          EXPECT_EQ(t.NameOf(value, dialog, a), m.NameOf(value, dialog, b)) << what;
          EXPECT_EQ(a, b) << what;
          EXPECT_EQ(t.IsValueUsedIn(value, dialog), m.Used(value, dialog)) << what;
          break;
        }
        case 10: {
          uint16_t got = 0;
          bool found = t.ValueOf(name, got);
          EXPECT_EQ(found, m.Taken(name)) << what;
          EXPECT_EQ(t.IsNameTaken(name), m.Taken(name)) << what;
          break;
        }
        case 11:
          saved.CopyFrom(t);
          savedModel = m;
          break;
        case 12:
          if (s.Pick(4) == 0) {
            t.CopyFrom(saved);
            m = savedModel;
          }
          break;
      }
      ASSERT_EQ(Dump(t), Dump(m)) << what;
    }
  }
}

// Renames among allocations and uses, where a renamed dialog's name moves in
// the users lists.
TEST(IdentifierTableModel, RenamesMatchThePlainLists) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    Sequence s(seed);
    IdentifierTable t;
    Model m;
    for (int step = 0; step < 300; ++step) {
      std::string name = s.Name();
      std::string other = s.Name();
      std::string dialog = s.Dialog();
      uint16_t value = s.Value();
      switch (s.Pick(4)) {
        case 0:
          t.AddHeaderId(name, value);
          m.AddHeader(name, value);
          break;
        case 1:
          t.AllocateId(name);
          m.Allocate(name);
          break;
        case 2:
          t.AddUse(value, name, dialog);
          m.AddUse(value, name, dialog);
          break;
        case 3:
          t.RenameId(name, other);
          m.Rename(name, other);
          break;
      }
      ASSERT_EQ(Dump(t), Dump(m)) << "seed " << seed << " step " << step;
    }
  }
}

// Headers in any order, many names to a value: the list ends up as inserting
// each line before the first greater value would leave it, also when
// allocations and lookups come between the lines.
TEST(IdentifierTableModel, LargeHeadersInAnyOrderKeepTheInsertionOrder) {
  std::mt19937 random(7);
  IdentifierTable t;
  Model m;
  for (int i = 0; i < 3000; ++i) {
    std::string name = "N" + std::to_string(i);
    uint16_t value = static_cast<uint16_t>(100 + random() % 400);
    ASSERT_EQ(t.AddHeaderId(name, value), m.AddHeader(name, value));
    if (i % 500 == 250) {
      t.AllocateId("ALLOC" + std::to_string(i));
      m.Allocate("ALLOC" + std::to_string(i));
    }
    if (i % 700 == 0) {
      const char* first = t.FirstIdName();
      ASSERT_EQ(std::string(first), m.user.front().name);
    }
  }
  ASSERT_EQ(Dump(t), Dump(m));
}

}  // namespace

namespace {

// A dialog with many controls, others between its uses, and uses removed:
// whether a value is used in a dialog stays exact throughout.
TEST(IdentifierTableModel, UsesOfLargeDialogsMatchThePlainLists) {
  std::mt19937 random(11);
  IdentifierTable t;
  Model m;
  const std::string dialogs[] = {"IDD_BIG", "IDD_OTHER", "IDD_LATE"};
  for (int i = 0; i < 200; ++i) {
    std::string name = "IDC_" + std::to_string(i);
    t.AddHeaderId(name, static_cast<uint16_t>(1000 + i));
    m.AddHeader(name, static_cast<uint16_t>(1000 + i));
  }
  for (int step = 0; step < 3000; ++step) {
    const std::string& dialog = dialogs[step < 1000 ? 0 : random() % 3];
    int i = static_cast<int>(random() % 200);
    std::string name = "IDC_" + std::to_string(i);
    uint16_t value = static_cast<uint16_t>(1000 + i);
    if (random() % 4 == 0) {
      ASSERT_EQ(t.RemoveUse(name, dialog), m.RemoveUse(name, dialog));
    } else {
      ASSERT_EQ(t.AddUse(value, name, dialog), m.AddUse(value, name, dialog));
    }
    uint16_t probe = static_cast<uint16_t>(1000 + random() % 200);
    ASSERT_EQ(t.IsValueUsedIn(probe, dialog), m.Used(probe, dialog)) << step;
  }
  ASSERT_EQ(Dump(t), Dump(m));
}

}  // namespace
