#include "editor/design/toolbox.h"

#include <gtest/gtest.h>

namespace {

struct ToolRow {
  int tool;
  ControlKind kind;
  std::uint16_t atom;  // 0: by name
  const char* className;
  std::uint32_t style;
  const char* text;
};

const ToolRow kRows[] = {
    {1, ControlKind::StaticText, 0x82, "", 0x00020000, "Static"},
    {3, ControlKind::PushButton, 0x80, "", 0x00010000, "Button"},
    {4, ControlKind::RadioButton, 0x80, "", 0x00010009, "Radio"},
    {5, ControlKind::CheckBox, 0x80, "", 0x00010003, "Check"},
    {6, ControlKind::GroupBox, 0x80, "", 0x00000007, "Group"},
    {7, ControlKind::Edit, 0x81, "", 0x00810000, "Text"},
    {8, ControlKind::ComboBox, 0x85, "", 0x00010002, ""},
    {9, ControlKind::ListBox, 0x83, "", 0x00800001, ""},
    {10, ControlKind::VScrollBar, 0x84, "", 0x00000001, ""},
    {11, ControlKind::HScrollBar, 0x84, "", 0x00000000, ""},
    {12, ControlKind::UpDown, 0, "msctls_updown32", 0x00000020, ""},
    {13, ControlKind::Progress, 0, "msctls_progress32", 0x00000000, ""},
    {14, ControlKind::Slider, 0, "msctls_trackbar32", 0x00000008, ""},
};

TEST(Toolbox, DefaultsOfEveryPlacingTool) {
  for (const ToolRow& row : kRows) {
    SCOPED_TRACE(row.tool);
    DlgItem item;
    item.id = 77;
    ASSERT_EQ(ToolboxDefaults(row.tool, item), 1);
    EXPECT_EQ(item.kind, row.kind);
    EXPECT_EQ(item.style, row.style);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.extraLength, 1u);
    EXPECT_EQ(item.textOrdinalFlag, 0);
    EXPECT_TRUE(item.text.IsEqual(row.text));
    EXPECT_EQ(item.textLength, static_cast<std::uint32_t>(item.text.Length() + 1));
    if (row.atom != 0) {
      EXPECT_EQ(item.classOrdinalFlag, 0xFFFF);
      EXPECT_EQ(item.classAtom, row.atom);
      EXPECT_EQ(item.classLength, 2u);
      EXPECT_EQ(ControlKindFromAtom(item.classAtom, item.style), row.kind);
    } else {
      EXPECT_EQ(item.classOrdinalFlag, 0);
      EXPECT_TRUE(item.className.IsEqual(row.className));
      EXPECT_EQ(item.classLength, static_cast<std::uint32_t>(item.className.Length() + 1));
      EXPECT_EQ(ControlKindFromClassName(std::string_view(row.className), item.style), row.kind);
    }
  }
  DlgItem item;
  for (int tool : {-1, 0, 2, 15}) EXPECT_EQ(ToolboxDefaults(tool, item), 0) << tool;
}

TEST(Toolbox, IdentifierBases) {
  const char* base = "unset";
  ASSERT_EQ(ToolIdentifierBase(1, base), 1);
  EXPECT_EQ(base, nullptr);  // static identifier
  ASSERT_EQ(ToolIdentifierBase(6, base), 1);
  EXPECT_EQ(base, nullptr);
  ASSERT_EQ(ToolIdentifierBase(10, base), 1);
  EXPECT_STREQ(base, "IDC_SCROLLBAR");
  ASSERT_EQ(ToolIdentifierBase(11, base), 1);
  EXPECT_STREQ(base, "IDC_SCROLLBAR");
  EXPECT_EQ(ToolIdentifierBase(0, base), 0);
}

}  // namespace
