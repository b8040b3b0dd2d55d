#include "editor/app/add_dialog.h"

#include <gtest/gtest.h>

#include "fake_doc_ui.h"

TEST(AddDialog, AppendsANamedModifiedDialogWithItsTwoButtons) {
  apptest::FakeDocUi ui;
  CDoc doc(ui);
  ASSERT_EQ(doc.ids.AddHeaderId("IDD_DLG2", 100), 1);  // taken: the next one skips it
  CDlgRes* first = AddNewDialog(doc);
  ASSERT_NE(first, nullptr);
  CDlgRes* second = AddNewDialog(doc);
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(doc.dialogs.size(), 2u);
  EXPECT_EQ(doc.dialogs[0].get(), first);
  EXPECT_TRUE(first->name.IsEqual("IDD_DLG1"));
  EXPECT_TRUE(second->name.IsEqual("IDD_DLG3"));
  EXPECT_TRUE(doc.ids.IsNameTaken("IDD_DLG1"));
  EXPECT_TRUE(doc.ids.IsNameTaken("IDD_DLG3"));
  EXPECT_EQ(first->controls.size(), 2u);
  EXPECT_EQ(doc.modified, 1);
  EXPECT_EQ(doc.FindDialog(CStringU("IDD_DLG3")), 1);
}
