#include "editor/design/toolbox.h"

#include <gtest/gtest.h>

namespace {

// The kind of each placed record must be the one the script reader would
// derive from its class and style, or a saved and reopened control changes
// its pages; its lengths must match its strings, or its template is wrong.
TEST(Toolbox, PlacedRecordsAreConsistent) {
  for (int tool = 1; tool < kToolCount; ++tool) {
    SCOPED_TRACE(tool);
    DlgItem item;
    if (tool == 2) {
      EXPECT_EQ(ToolboxDefaults(tool, item), 0);
      continue;
    }
    ASSERT_EQ(ToolboxDefaults(tool, item), 1);
    EXPECT_EQ(static_cast<int>(item.kind), tool == 1 ? 0 : tool);
    const ControlKind derived = item.classOrdinalFlag == kOrdinalFlag
                                    ? ControlKindFromAtom(item.classAtom, item.style)
                                    : ControlKindFromClassName(item.className.View(), item.style);
    EXPECT_EQ(derived, item.kind);
    EXPECT_EQ(item.classLength, item.classOrdinalFlag == kOrdinalFlag ? 2u : item.className.Length() + 1u);
    EXPECT_EQ(item.textLength, item.text.Length() + 1u);
    EXPECT_EQ(item.extraLength, 1u);
  }
  DlgItem edit;
  ToolboxDefaults(7, edit);
  EXPECT_EQ(edit.style, 0x00810000u);
  EXPECT_TRUE(edit.text.IsEqual("Text"));
  DlgItem none;
  EXPECT_EQ(ToolboxDefaults(0, none), 0);
  EXPECT_EQ(ToolboxDefaults(15, none), 0);
}

TEST(Toolbox, IdentifierBases) {
  const char* base = "unset";
  ASSERT_EQ(ToolIdentifierBase(6, base), 1);
  EXPECT_EQ(base, nullptr);  // group boxes, like static texts, take the static identifier
  ASSERT_EQ(ToolIdentifierBase(11, base), 1);
  EXPECT_STREQ(base, "IDC_SCROLLBAR");
  EXPECT_EQ(ToolIdentifierBase(0, base), 0);
}

}  // namespace
