#include "editor/properties/identifier_commit.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/design/dlg_res.h"
#include "editor/properties/identifier_table.h"

namespace {

std::string NameOf(const IdentifierTable& ids, std::uint16_t value, const std::string& dialog) {
  std::string name;
  ids.NameOf(value, dialog, name);
  return name;
}

// Two dialogs: A has an edit IDC_EDIT1 (100) and the Ok button, B a button IDC_B (101).
class IdCommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ids.AllocateId("IDC_EDIT1");
    ids.AllocateId("IDC_B");
    ids.AllocateId("A");
    ids.AllocateId("B");
    ids.AddUse(0, "IDC_EDIT1", "A");
    ids.AddUse(1, "IDOK", "A");
    ids.AddUse(0, "IDC_B", "B");
    ids.AddHeaderId("IDC_STATIC", 0xFFFF);
  }
  IdentifierTable ids;
  std::uint16_t edit = 100;
};

TEST_F(IdCommitTest, RefusedInputLeavesTheControlAndTableAlone) {
  struct Case {
    const char* input;
    IdCommitResult result;
  } cases[] = {
      {"IDC_ONE IDC_TWO", IdCommitResult::Invalid},
      {"   ", IdCommitResult::Invalid},
      {"123", IdCommitResult::Invalid},
      {"a+b", IdCommitResult::Invalid},
      {"IDOK", IdCommitResult::InUse},
      {" IDC_EDIT1\t", IdCommitResult::Unchanged},
  };
  for (const Case& c : cases) {
    const IdCommit commit = CommitControlId(ids, "A", edit, c.input);
    EXPECT_EQ(commit.result, c.result) << c.input;
    EXPECT_EQ(commit.oldName, "IDC_EDIT1");
    EXPECT_EQ(edit, 100);
  }
  EXPECT_FALSE(ids.IsNameTaken("123"));
  EXPECT_FALSE(ids.IsNameTaken("a+b"));
  EXPECT_EQ(NameOf(ids, 100, "A"), "IDC_EDIT1");
}

TEST_F(IdCommitTest, ControlTakesANewOrSharedName) {
  std::uint16_t button = 101;
  EXPECT_EQ(CommitControlId(ids, "B", button, "IDOK").result, IdCommitResult::Changed);  // used in A only
  EXPECT_EQ(button, 1);
  EXPECT_FALSE(ids.IsNameTaken("IDC_B"));  // its last use went

  const IdCommit commit = CommitControlId(ids, "A", edit, "IDC_NAME");
  EXPECT_EQ(commit.result, IdCommitResult::Changed);
  EXPECT_EQ(commit.word, "IDC_NAME");
  EXPECT_EQ(edit, 104);
  EXPECT_EQ(NameOf(ids, 104, "A"), "IDC_NAME");
  EXPECT_FALSE(ids.IsNameTaken("IDC_EDIT1"));

  // Any number of controls of one dialog may be static.
  std::uint16_t first = 104, second = 1;
  EXPECT_EQ(CommitControlId(ids, "A", first, "IDC_STATIC").result, IdCommitResult::Changed);
  EXPECT_EQ(CommitControlId(ids, "A", second, "IDC_STATIC").result, IdCommitResult::Changed);
  EXPECT_EQ(first, 0xFFFF);
  EXPECT_EQ(second, 0xFFFF);
}

TEST_F(IdCommitTest, DialogTakesOnlyAnUnknownName) {
  CDlgRes dialog;
  dialog.name.Assign("A");
  for (const char* taken : {"IDOK", "IDC_STATIC", "B", "IDC_B", "two words", "9lives"})
    EXPECT_NE(CommitDialogName(ids, dialog, taken).result, IdCommitResult::Changed) << taken;
  EXPECT_EQ(CommitDialogName(ids, dialog, "A").result, IdCommitResult::Unchanged);

  EXPECT_EQ(CommitDialogName(ids, dialog, "IDD_MAIN").result, IdCommitResult::Changed);
  EXPECT_EQ(dialog.name.Ansi(), "IDD_MAIN");
  EXPECT_EQ(NameOf(ids, 100, "IDD_MAIN"), "IDC_EDIT1");
  EXPECT_EQ(NameOf(ids, 1, "IDD_MAIN"), "IDOK");
  EXPECT_FALSE(ids.IsNameTaken("A"));
  EXPECT_TRUE(ids.IsNameTaken("IDD_MAIN"));
}

// A dialog read with a number for its name keeps it, and a new name takes
// its controls' uses along.
TEST_F(IdCommitTest, NumberedDialogKeepsItsControlsWhenRenamed) {
  CDlgRes dialog;
  dialog.name.Assign("101");
  ids.AddUse(0, "IDC_B", "101");
  DlgItem item;
  item.id = 101;
  dialog.AppendCopy(item);
  EXPECT_EQ(CommitDialogName(ids, dialog, "101").result, IdCommitResult::Unchanged);
  EXPECT_EQ(CommitDialogName(ids, dialog, "IDD_NUMBERED").result, IdCommitResult::Changed);
  EXPECT_EQ(NameOf(ids, 101, "IDD_NUMBERED"), "IDC_B");
  EXPECT_EQ(NameOf(ids, 101, "101"), "");
}

}  // namespace
