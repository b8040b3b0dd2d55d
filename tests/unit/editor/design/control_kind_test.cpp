#include "editor/design/control_kind.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
  const char* className;
  std::uint32_t style;
  ControlKind kind;
};

// Every row of the derivation rule, with high-word bits mixed in where only
// the low bits should count.
const Row kRows[] = {
    {"static", 0x50000000, ControlKind::StaticText},
    {"static", 0x1, ControlKind::StaticText},
    {"static", 0xB, ControlKind::StaticText},
    {"static", 0x0C | 0x1000, ControlKind::StaticText},
    {"static", 0x3, ControlKind::StaticPicture},
    {"static", 0xE, ControlKind::StaticPicture},
    {"static", 0x12, ControlKind::StaticPicture},
    {"static", 0xD, ControlKind::StaticOwnerDraw},
    {"static", 0xA, ControlKind::Custom},
    {"static", 0x13, ControlKind::Custom},
    {"static", 0x1F, ControlKind::Custom},
    {"button", 0x50010000, ControlKind::PushButton},
    {"button", 0x1, ControlKind::PushButton},
    {"button", 0xB, ControlKind::PushButton},
    {"button", 0x4, ControlKind::RadioButton},
    {"button", 0x9 | 0x20, ControlKind::RadioButton},
    {"button", 0x2, ControlKind::CheckBox},
    {"button", 0x6, ControlKind::CheckBox},
    {"button", 0x7, ControlKind::GroupBox},
    {"button", 0x8, ControlKind::Custom},
    {"button", 0xA, ControlKind::Custom},
    {"button", 0xF, ControlKind::Custom},
    {"edit", 0xFFFFFFFF, ControlKind::Edit},
    {"combobox", 0x3, ControlKind::ComboBox},
    {"listbox", 0x1, ControlKind::ListBox},
    {"scrollbar", 0x1, ControlKind::VScrollBar},
    {"scrollbar", 0x9, ControlKind::VScrollBar},
    {"scrollbar", 0x0, ControlKind::HScrollBar},
    {"msctls_updown32", 0x20, ControlKind::UpDown},
    {"msctls_progress32", 0, ControlKind::Progress},
    {"msctls_trackbar32", 0x8, ControlKind::Slider},
    {"msctls_hotkey32", 0, ControlKind::HotKey},
    {"syslistview32", 0x1, ControlKind::ListView},
    {"systreeview32", 0x7, ControlKind::TreeView},
    {"systabcontrol32", 0, ControlKind::TabControl},
    {"richedit20w", 0, ControlKind::Custom},
    {"", 0, ControlKind::Custom},
    {"statics", 0, ControlKind::Custom},
};

std::u16string Wide(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

TEST(ControlKindTest, EveryRowOfTheRuleFromNarrowAndWideNames) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.className) + " style " + std::to_string(row.style));
    EXPECT_EQ(row.kind, ControlKindFromClassName(std::string_view(row.className), row.style));
    EXPECT_EQ(row.kind, ControlKindFromClassName(std::u16string_view(Wide(row.className)), row.style));
  }
}

TEST(ControlKindTest, ClassNamesMatchWithoutRegardToCase) {
  EXPECT_EQ(ControlKind::Slider, ControlKindFromClassName(std::string_view("msctls_TRACKBAR32"), 0));
  EXPECT_EQ(ControlKind::VScrollBar, ControlKindFromClassName(std::u16string_view(u"ScrollBar"), 1));
  // A non-ASCII letter must not fold onto an ASCII one.
  EXPECT_EQ(ControlKind::Custom, ControlKindFromClassName(std::u16string_view(u"\u0415dit"), 0));
}

TEST(ControlKindTest, PredefinedAtomsCountAsTheirNames) {
  EXPECT_EQ(ControlKind::PushButton, ControlKindFromAtom(ClassAtom::Button, 0x1));
  EXPECT_EQ(ControlKind::GroupBox, ControlKindFromAtom(ClassAtom::Button, 0x7));
  EXPECT_EQ(ControlKind::Custom, ControlKindFromAtom(ClassAtom::Button, 0x8));
  EXPECT_EQ(ControlKind::Edit, ControlKindFromAtom(ClassAtom::Edit, 0));
  EXPECT_EQ(ControlKind::StaticOwnerDraw, ControlKindFromAtom(ClassAtom::Static, 0xD));
  EXPECT_EQ(ControlKind::Custom, ControlKindFromAtom(ClassAtom::Static, 0x13));
  EXPECT_EQ(ControlKind::ListBox, ControlKindFromAtom(ClassAtom::ListBox, 0));
  EXPECT_EQ(ControlKind::HScrollBar, ControlKindFromAtom(ClassAtom::ScrollBar, 0));
  EXPECT_EQ(ControlKind::VScrollBar, ControlKindFromAtom(ClassAtom::ScrollBar, 1));
  EXPECT_EQ(ControlKind::ComboBox, ControlKindFromAtom(ClassAtom::ComboBox, 2));
  EXPECT_EQ(ControlKind::Custom, ControlKindFromAtom(0x0086, 0));
  EXPECT_EQ(ControlKind::Custom, ControlKindFromAtom(0, 0));
}

}  // namespace
