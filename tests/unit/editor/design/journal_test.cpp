#include "editor/design/journal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "surface_edits.h"
#include "editor/design/dlg_res.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"

namespace {

using Result = CJournal::Result;

class ModifiedFlag : public CDocumentU {
 public:
  int ClearContents() override { return 1; }
  int Exchange(CFileU&, int) override { return 1; }
};

// Dialogs without windows, with named identifiers, edited as the design
// surface does.
class JournalTest : public ::testing::Test {
 protected:
  std::unique_ptr<CDlgRes> NewDialog(const char* name, const std::vector<std::string>& idNames) {
    auto dialog = std::make_unique<CDlgRes>();
    dialog->name.Assign(name);
    ids.AllocateId(name);
    for (const std::string& idName : idNames) {
      ids.AllocateId(idName);
      std::uint16_t value = 0;
      EXPECT_TRUE(ids.ValueOf(idName, value));
      ids.AddUse(value, idName, name);
      DlgItem item;
      item.id = value;
      item.cx = 10;
      item.cy = 10;
      dialog->AppendCopy(item);
    }
    dialog->count = static_cast<std::uint16_t>(dialog->controls.size());
    return dialog;
  }

  void Delete(CDlgRes& dialog, const std::vector<std::uint32_t>& orders) {
    designtest::DeleteControls(dialog, ids, journal, orders);
  }
  void Place(CDlgRes& dialog) { designtest::PlacePushButton(dialog, ids, journal); }

  Result Undo() {
    CDlgRes* dialog = nullptr;
    const Result result = journal.Undo(ids, dialog);
    undone = dialog;
    return result;
  }

  // The identifier names of the dialog's controls, in order; "?" for a value
  // the table does not name in this dialog.
  std::vector<std::string> Names(const CDlgRes& dialog) const {
    std::vector<std::string> names;
    for (const auto& item : dialog.controls) {
      std::string name;
      names.push_back(ids.NameOf(item->id, dialog.name.Ansi(), name) ? name : "?");
    }
    return names;
  }

  std::vector<std::string> TableNames() const {
    std::vector<std::string> names;
    for (const auto& record : ids.UserIds()) names.push_back(record->name);
    return names;
  }

  IdentifierTable ids;
  CJournal journal;
  CDlgRes* undone = nullptr;
};

TEST_F(JournalTest, UndoOfADeletionRestoresTheControlsAtTheirOrdersAndTheirIdentifiers) {
  ModifiedFlag doc;
  auto dialog = NewDialog("IDD_A", {"IDC_1", "IDC_2", "IDC_3", "IDC_4"});
  Delete(*dialog, {2, 4});
  EXPECT_EQ(Names(*dialog), (std::vector<std::string>{"IDC_1", "IDC_3"}));
  EXPECT_EQ(TableNames(), (std::vector<std::string>{"IDD_A", "IDC_1", "IDC_3"}));
  EXPECT_EQ(doc.modified, 0);

  EXPECT_EQ(Undo(), Result::Undone);
  EXPECT_EQ(undone, dialog.get());
  EXPECT_EQ(Names(*dialog), (std::vector<std::string>{"IDC_1", "IDC_2", "IDC_3", "IDC_4"}));
  EXPECT_EQ(TableNames(), (std::vector<std::string>{"IDD_A", "IDC_1", "IDC_2", "IDC_3", "IDC_4"}));
  for (std::uint32_t order = 1; order <= 4; ++order) EXPECT_EQ(dialog->ControlAt(order)->order, order);
  EXPECT_EQ(doc.modified, 1);
  EXPECT_EQ(Undo(), Result::Empty);
  EXPECT_EQ(undone, nullptr);
}

// The table keeps ten snapshots while the journal and the dialog keep a
// hundred records: the oldest deletion's entry has lost its snapshot.
TEST_F(JournalTest, ElevenDeletionsAndElevenUndosRestoreOnlyTheLastTen) {
  std::vector<std::string> all;
  for (int k = 1; k <= 11; ++k) all.push_back("IDC_" + std::to_string(k));
  auto dialog = NewDialog("IDD_A", all);
  for (int k = 0; k < 11; ++k) Delete(*dialog, {1});
  EXPECT_EQ(dialog->ControlCount(), 0u);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(Undo(), Result::Undone) << k;
  EXPECT_EQ(Undo(), Result::Dropped);
  EXPECT_EQ(Undo(), Result::Empty);
  EXPECT_EQ(Names(*dialog), std::vector<std::string>(all.begin() + 1, all.end()));
  EXPECT_EQ(dialog->undo.Size(), 1u);
  EXPECT_EQ(ids.history.Size(), 0u);
}

// A placement's identifier may be shared with another dialog: taking the
// control back leaves the other dialog's use alone.
TEST_F(JournalTest, UndoOfAPlacementKeepsANameOtherDialogsUse) {
  auto first = NewDialog("IDD_A", {});
  auto second = NewDialog("IDD_B", {});
  Place(*first);
  Place(*second);
  EXPECT_EQ(Names(*second), (std::vector<std::string>{"IDC_BUTTON1"}));
  EXPECT_EQ(Undo(), Result::Undone);
  EXPECT_EQ(second->ControlCount(), 0u);
  EXPECT_EQ(Names(*first), (std::vector<std::string>{"IDC_BUTTON1"}));
  std::string users;
  EXPECT_TRUE(ids.UsersText("IDC_BUTTON1", users));
  EXPECT_EQ(users, "IDD_A");
}

// An entry whose record is no longer on top of its stack would restore
// something else: it is dropped and neither the table nor the dialog changes.
TEST_F(JournalTest, AnEntryWhoseRecordIsGoneIsDropped) {
  auto dialog = NewDialog("IDD_A", {"IDC_1", "IDC_2"});
  Delete(*dialog, {1});
  ids.SnapshotIds();  // a snapshot the journal knows nothing of
  EXPECT_EQ(Undo(), Result::Dropped);
  EXPECT_EQ(undone, nullptr);
  EXPECT_EQ(Names(*dialog), (std::vector<std::string>{"IDC_2"}));
  EXPECT_EQ(ids.history.Size(), 2u);

  Delete(*dialog, {1});
  for (std::size_t k = 0; k < CUndo::kEditDepth; ++k) dialog->PushControlAdded();  // pushes the deletion off
  EXPECT_EQ(Undo(), Result::Dropped);
  EXPECT_EQ(TableNames(), (std::vector<std::string>{"IDD_A"}));
  EXPECT_EQ(dialog->ControlCount(), 0u);
}

}  // namespace
