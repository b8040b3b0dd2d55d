#include "editor/design/control_id.h"

#include <gtest/gtest.h>

#include "editor/properties/identifier_table.h"

namespace {

class ControlIds : public ::testing::Test {
 protected:
  std::uint16_t Place(int tool, const char* dialog) {
    std::uint16_t id = 0;
    EXPECT_EQ(AllocateControlId(tool, ids, dialog, id), 1);
    return id;
  }
  IdentifierTable ids;
};

TEST_F(ControlIds, StaticTextsAndGroupBoxesShareTheStaticIdentifier) {
  EXPECT_EQ(Place(1, "IDD_A"), 0xFFFF);
  EXPECT_EQ(ids.StaticName(), "IDC_STATIC");
  EXPECT_EQ(Place(1, "IDD_A"), 0xFFFF);
  EXPECT_EQ(Place(6, "IDD_A"), 0xFFFF);
  EXPECT_TRUE(ids.UserIds().empty());  // no names were made for them
}

TEST_F(ControlIds, AnExistingStaticNameIsKept) {
  ids.AddHeaderId("IDC_NONE", 0xFFFF);
  EXPECT_EQ(Place(6, "IDD_A"), 0xFFFF);
  EXPECT_EQ(ids.StaticName(), "IDC_NONE");
}

TEST_F(ControlIds, BothScrollBarOrientationsCountOnOneBaseName) {
  const std::uint16_t vertical = Place(10, "IDD_A");
  const std::uint16_t horizontal = Place(11, "IDD_A");
  std::uint16_t value = 0;
  ASSERT_TRUE(ids.ValueOf("IDC_SCROLLBAR1", value));
  EXPECT_EQ(vertical, value);
  ASSERT_TRUE(ids.ValueOf("IDC_SCROLLBAR2", value));
  EXPECT_EQ(horizontal, value);
  EXPECT_NE(vertical, horizontal);
}

TEST_F(ControlIds, GeneratedNamesAreSharedAcrossDialogsButNotWithinOne) {
  const std::uint16_t first = Place(3, "IDD_A");
  EXPECT_EQ(first, 100);  // IDC_BUTTON1, the first user identifier
  EXPECT_EQ(Place(3, "IDD_B"), first);
  const std::uint16_t second = Place(3, "IDD_A");
  std::uint16_t value = 0;
  ASSERT_TRUE(ids.ValueOf("IDC_BUTTON2", value));
  EXPECT_EQ(second, value);
  EXPECT_TRUE(ids.IsValueUsedIn(first, "IDD_B"));
  EXPECT_FALSE(ids.IsValueUsedIn(second, "IDD_B"));
}

TEST_F(ControlIds, PointerAndUnknownToolsGetNoIdentifier) {
  std::uint16_t id = 5;
  EXPECT_EQ(AllocateControlId(0, ids, "IDD_A", id), 0);
  EXPECT_EQ(AllocateControlId(2, ids, "IDD_A", id), 0);
  EXPECT_EQ(id, 5);
}

TEST(NewDialogName, FirstFreeNumber) {
  IdentifierTable ids;
  EXPECT_EQ(NewDialogName(ids), "IDD_DLG1");
  ids.AllocateId("IDD_DLG1");
  EXPECT_EQ(NewDialogName(ids), "IDD_DLG2");
  ids.AllocateId("IDD_DLG3");
  EXPECT_EQ(NewDialogName(ids), "IDD_DLG2");
  ids.AddHeaderId("IDD_DLG2", 0xFFFF);  // the static name counts as taken
  EXPECT_EQ(NewDialogName(ids), "IDD_DLG4");
}

}  // namespace
