#include "editor/design/control_clipboard.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/design/drag_geometry.h"
#include "editor/design/journal.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"
#include "fake_surface.h"

namespace {

class ModifiedFlag : public CDocumentU {
 public:
  int ClearContents() override { return 1; }
  int Exchange(CFileU&, int) override { return 1; }
};

struct Placed {
  ControlKind kind;
  std::string name;  // "IDC_STATIC": the static identifier
  int x, y;
};

bool operator==(const Placed& a, const Placed& b) {
  return a.kind == b.kind && a.name == b.name && a.x == b.x && a.y == b.y;
}

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << p.name << "@" << p.x << "," << p.y;
}

// Two dialogs on fake surfaces, their identifiers in one table.
class Clipboard : public ::testing::Test {
 protected:
  void Make(CDlgRes& dialog, const char* name, int cx, int cy, const std::vector<Placed>& placed) {
    dialog.name.Assign(name);
    dialog.cx = static_cast<std::int16_t>(cx);
    dialog.cy = static_cast<std::int16_t>(cy);
    ids.AllocateId(name);
    for (const Placed& p : placed) {
      DlgItem item;
      item.kind = p.kind;
      item.x = static_cast<std::int16_t>(p.x);
      item.y = static_cast<std::int16_t>(p.y);
      item.cx = 20;
      item.cy = 12;
      ids.AddHeaderId("IDC_STATIC", kStaticId);
      ids.AllocateId(p.name);
      ids.ValueOf(p.name, item.id);
      ids.AddUse(item.id, p.name, name);
      dialog.AppendCopy(item);
    }
    dialog.count = static_cast<std::uint16_t>(dialog.controls.size());
    surfaces.push_back(std::make_unique<designtest::FakeSurface>(dialog));
    dialog.surface = surfaces.back().get();
  }
  void TearDown() override { a.surface = b.surface = nullptr; }

  std::uint32_t Paste(CDlgRes& target) {
    const CSurfaceGeometry geometry(map, target.cx, target.cy, target.cx * 3, target.cy * 2);
    return clipboard.Paste(target, ids, geometry, journal);
  }

  std::vector<Placed> From(const CDlgRes& dialog, std::uint32_t first) const {
    std::vector<Placed> out;
    for (std::uint32_t order = first; order <= dialog.ControlCount(); ++order) {
      const DlgItem& item = *dialog.ControlAt(order);
      std::string name;
      if (!ids.NameOf(item.id, dialog.name.Ansi(), name)) name = "?";
      out.push_back({item.kind, name, item.x, item.y});
    }
    return out;
  }

  std::string Table() const {
    std::string text = ids.StaticName();
    for (const auto& record : ids.UserIds()) {
      text += " " + record->name + "=" + std::to_string(record->value) + ":";
      for (const std::string& user : record->users) text += user + ";";
    }
    for (const IdentifierRecord& record : ids.PredefinedIds()) text += std::to_string(record.users.size());
    return text;
  }

  designtest::FakeMap map;
  IdentifierTable ids;
  CJournal journal;
  CControlClipboard clipboard;
  ModifiedFlag doc;
  std::vector<std::unique_ptr<designtest::FakeSurface>> surfaces;
  CDlgRes a, b;
};

using K = ControlKind;

// IDC_VIEW ends at the right edge: 5 units further it is shifted back in.
const std::vector<Placed> kFirst = {{K::Edit, "IDC_NAME", 10, 10},
                                    {K::PushButton, "IDOK", 60, 40},
                                    {K::StaticText, "IDC_STATIC", 10, 30},
                                    {K::ListView, "IDC_VIEW", 80, 5}};

TEST_F(Clipboard, PasteKeepsFreeNamesAllocatesTakenOnesAndOffsetsInItsOwnDialog) {
  Make(a, "IDD_A", 100, 60, kFirst);
  Make(b, "IDD_B", 200, 100, {{K::Edit, "IDC_OTHER", 5, 5}});
  a.SelectOnlyAt(4);
  for (std::uint32_t order : {3u, 2u, 1u}) a.AddAsPrimaryAt(order);
  ASSERT_EQ(clipboard.Copy(a, ids), 4u);

  ASSERT_EQ(Paste(b), 4u);
  EXPECT_EQ(From(b, 2), kFirst);
  std::string users;
  ASSERT_TRUE(ids.UsersText("IDC_NAME", users));
  EXPECT_EQ(users, "IDD_A; IDD_B");

  ASSERT_EQ(Paste(a), 4u);
  EXPECT_EQ(From(a, 5), (std::vector<Placed>{{K::Edit, "IDC_EDIT1", 15, 15},
                                             {K::PushButton, "IDC_BUTTON1", 65, 45},
                                             {K::StaticText, "IDC_STATIC", 15, 35},
                                             {K::ListView, "IDC_LIST1", 80, 10}}));
  EXPECT_EQ(a.SelectedOrders(), (std::vector<std::uint32_t>{8, 7, 6, 5}));  // the last one primary
  EXPECT_EQ(a.count, 8);
  EXPECT_EQ(doc.modified, 1);
}

TEST_F(Clipboard, OneUndoTakesTheWholePasteBackWithTheTable) {
  Make(a, "IDD_A", 100, 60, kFirst);
  const std::string table = Table();
  EXPECT_EQ(Paste(a), 0u);  // nothing copied yet
  a.SelectOnlyAt(4);
  a.AddAsPrimaryAt(1);
  ASSERT_EQ(clipboard.Copy(a, ids), 2u);
  EXPECT_EQ(clipboard.Records()[0].id, a.ControlAt(1)->id);  // order sequence, not selection order
  ASSERT_EQ(Paste(a), 2u);
  ASSERT_NE(Table(), table);

  CDlgRes* undone = nullptr;
  ASSERT_EQ(journal.Undo(ids, undone), CJournal::Result::Undone);
  EXPECT_EQ(a.ControlCount(), 4u);
  EXPECT_EQ(Table(), table);
  EXPECT_EQ(a.selection.Count(), 0u);
  EXPECT_EQ(journal.Undo(ids, undone), CJournal::Result::Empty);
}

}  // namespace
