#include "editor/properties/page_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/resources/resource.h"

namespace {

constexpr int kFillOnly = -2;

struct Shown {
  int id;
  int value;
  int enabled;  // -1: not looked at
};

// A page filled from the styles, then the user's changes one by one.
struct Case {
  const char* what;
  int page;
  std::uint32_t style;
  std::vector<std::pair<int, int>> changes;  // field, check state or selection
  std::uint32_t styleAfter;
  std::vector<Shown> shown;
  std::uint32_t exStyle = 0;
  std::uint32_t exStyleAfter = 0;
};

// Each case: what, page, style; the changes, the style after; the fields shown.
// clang-format off
const Case kCases[] = {
    {"static type with foreign low bits selects nothing", IDD_PAGE_STATIC, 0x5002020A,
     {}, 0x5002020A, {{IDC_STT_TYPE, -1, 1}, {IDC_STT_CENTER_IMAGE, 1, 1}}},
    {"a static type replaces all five low bits", IDD_PAGE_STATIC, 0x5002020A,
     {{IDC_STT_TYPE, 3}}, 0x50020201, {{IDC_STT_TYPE, 3, 1}}},
    {"BS_3STATE shows Tri-state alone", IDD_PAGE_CHECK, 0x5,
     {}, 0x5, {{IDC_CHK_AUTO, 0, 1}, {IDC_CHK_TRI_STATE, 1, 1}}},
    {"Auto with Tri-state gives BS_AUTO3STATE", IDD_PAGE_CHECK, 0x10005,
     {{IDC_CHK_AUTO, 1}}, 0x10006, {{IDC_CHK_AUTO, 1, 1}, {IDC_CHK_TRI_STATE, 1, 1}}},
    {"neither box gives BS_CHECKBOX", IDD_PAGE_CHECK, 0x6,
     {{IDC_CHK_AUTO, 0}, {IDC_CHK_TRI_STATE, 0}}, 0x2, {}},
    {"other button types check neither box", IDD_PAGE_CHECK, 0x7,
     {}, 0x7, {{IDC_CHK_AUTO, 0, 1}, {IDC_CHK_TRI_STATE, 0, 1}}},
    {"Lowercase wins the fill over Uppercase", IDD_PAGE_EDIT, 0x18,
     {}, 0x18, {{IDC_EDT_UPPERCASE, 0, 1}, {IDC_EDT_LOWERCASE, 1, 1}}},
    {"checking Uppercase clears ES_LOWERCASE", IDD_PAGE_EDIT, 0x18,
     {{IDC_EDT_UPPERCASE, 1}}, 0x08, {{IDC_EDT_UPPERCASE, 1, 1}, {IDC_EDT_LOWERCASE, 0, 1}}},
    {"the combo box case pair is the same", IDD_PAGE_COMBO, 0x2000,
     {{IDC_CMB_LOWERCASE, 1}}, 0x4000, {{IDC_CMB_UPPERCASE, 0, 1}, {IDC_CMB_LOWERCASE, 1, 1}}},
    {"a multiline edit shows its dependants and no Password", IDD_PAGE_EDIT, 0x003010E4,
     {}, 0x003010E4,
     {{IDC_EDT_MULTILINE, 1, 1}, {IDC_EDT_PASSWORD, 0, 0}, {IDC_EDT_HSCROLL, 1, 1},
      {IDC_EDT_VSCROLL, 1, 1}, {IDC_EDT_AUTO_VSCROLL, 1, 1}, {IDC_EDT_WANT_RETURN, 1, 1}}},
    {"unchecking Multiline clears its dependants, not Auto HScroll", IDD_PAGE_EDIT, 0x003010C4,
     {{IDC_EDT_MULTILINE, 0}}, 0x00000080,
     {{IDC_EDT_PASSWORD, 0, 1}, {IDC_EDT_HSCROLL, 0, 0}, {IDC_EDT_VSCROLL, 0, 0},
      {IDC_EDT_AUTO_VSCROLL, 0, 0}, {IDC_EDT_WANT_RETURN, 0, 0}, {IDC_EDT_AUTO_HSCROLL, 1, 1}}},
    {"checking Multiline drops Password", IDD_PAGE_EDIT, 0x00300020,
     {{IDC_EDT_MULTILINE, 1}}, 0x00300004,
     {{IDC_EDT_PASSWORD, 0, 0}, {IDC_EDT_HSCROLL, 0, 1}, {IDC_EDT_WANT_RETURN, 0, 1}}},
    {"a single-line edit keeps scroll bits hidden", IDD_PAGE_EDIT, 0x00300020,
     {}, 0x00300020, {{IDC_EDT_PASSWORD, 1, 1}, {IDC_EDT_HSCROLL, 0, 0}, {IDC_EDT_VSCROLL, 0, 0}}},
    {"edit alignment 3 shows Left", IDD_PAGE_EDIT, 0x3,
     {}, 0x3, {{IDC_EDT_ALIGN, 0, 1}}},
    {"combo type 0 shows Simple, Drop list sets 3", IDD_PAGE_COMBO, 0x100,
     {{IDC_CMB_TYPE, 2}}, 0x103, {{IDC_CMB_TYPE, 2, 1}, {IDC_CMB_SORT, 1, 1}}},
    {"list selection prefers None", IDD_PAGE_LIST, 0x4808,
     {}, 0x4808, {{IDC_LST_SELECTION, 3, 1}}},
    {"Multiple clears Extended and None", IDD_PAGE_LIST, 0x4809,
     {{IDC_LST_SELECTION, 1}}, 0x9, {}},
    {"scroll bar alignment", IDD_PAGE_SCROLL, 0x7,
     {{IDC_SCR_ALIGN, 2}}, 0x5, {}},
    {"push button Default replaces owner-draw", IDD_PAGE_PUSH, 0xB,
     {{IDC_PSH_DEFAULT, 1}}, 0x1, {{IDC_PSH_DEFAULT, 1, 1}}},
    {"radio Auto", IDD_PAGE_RADIO, 0x10004,
     {{IDC_RAD_AUTO, 1}, {IDC_RAD_VALIGN, 3}}, 0x10809, {}},
    {"group box alignment", IDD_PAGE_GROUP, 0x307,
     {{IDC_GRP_HALIGN, 1}}, 0x107, {{IDC_GRP_HALIGN, 1, 1}}},
    {"slider ticks are the absence of TBS_NOTICKS", IDD_PAGE_SLIDER, 0x8,
     {}, 0x8, {{IDC_SLD_TICKS, 1, 1}, {IDC_SLD_POINT, 0, 1}, {IDC_SLD_ORIENTATION, 0, 1}}},
    {"unchecking ticks sets TBS_NOTICKS", IDD_PAGE_SLIDER, 0x8,
     {{IDC_SLD_TICKS, 0}, {IDC_SLD_POINT, 2}}, 0x10, {}},
    {"up-down orientation and alignment", IDD_PAGE_UPDOWN, 0x4C,
     {{IDC_UPD_ORIENTATION, 1}}, 0xC, {{IDC_UPD_ALIGNMENT, 1, 1}}},
    {"dialog type prefers Popup", IDD_PAGE_DIALOG_STYLES, 0xC0000000,
     {}, 0xC0000000, {{IDC_DST_TYPE, 1, 1}}},
    {"a child dialog never offers the boxes", IDD_PAGE_DIALOG_STYLES, 0x40CB0000,
     {}, 0x40CB0000, {{IDC_DST_MINIMIZE, 0, 0}, {IDC_DST_MAXIMIZE, 0, 0}, {IDC_DST_SYSMENU, 1, 1}}},
    {"switching to Child clears both boxes", IDD_PAGE_DIALOG_STYLES, 0x80CB0000,
     {{IDC_DST_TYPE, 2}}, 0x40C80000, {{IDC_DST_MINIMIZE, 0, 0}, {IDC_DST_MAXIMIZE, 0, 0}}},
    {"back to Popup with a caption offers them again", IDD_PAGE_DIALOG_STYLES, 0x40C80000,
     {{IDC_DST_TYPE, 1}}, 0x80C80000, {{IDC_DST_MINIMIZE, 0, 1}}},
    {"a caption fixes Border and Dlg Frame", IDD_PAGE_DIALOG_STYLES, 0x80CB0000,
     {}, 0x80CB0000,
     {{IDC_DST_TITLE_BAR, 1, 1}, {IDC_DST_BORDER, 1, 0}, {IDC_DST_DLG_FRAME, 1, 0},
      {IDC_DST_MINIMIZE, 1, 1}}},
    {"removing the title bar takes the system menu and boxes", IDD_PAGE_DIALOG_STYLES, 0x80CB0000,
     {{IDC_DST_TITLE_BAR, 0}}, 0x80000000,
     {{IDC_DST_BORDER, 0, 1}, {IDC_DST_DLG_FRAME, 0, 1}, {IDC_DST_SYSMENU, 0, 0},
      {IDC_DST_MINIMIZE, 0, 0}}},
    {"without a caption the system menu waits", IDD_PAGE_DIALOG_STYLES, 0x80080000,
     {{IDC_DST_TITLE_BAR, 1}}, 0x80C80000,
     {{IDC_DST_SYSMENU, 0, 1}, {IDC_DST_MINIMIZE, 0, 1}, {IDC_DST_BORDER, 1, 0}}},
    {"Border and Dlg Frame exclude each other", IDD_PAGE_DIALOG_STYLES, 0x80400000,
     {{IDC_DST_BORDER, 1}}, 0x80800000, {{IDC_DST_DLG_FRAME, 0, 1}, {IDC_DST_SYSMENU, 0, 0}}},
    {"unchecking the system menu clears the boxes", IDD_PAGE_DIALOG_STYLES, 0x80CB0000,
     {{IDC_DST_SYSMENU, 0}}, 0x80C00000, {{IDC_DST_MAXIMIZE, 0, 0}}},
    {"extended styles leave the style alone", IDD_PAGE_DIALOG_EX, 0x80C80000,
     {{IDC_DEX_TOOL_WINDOW, 1}, {IDC_DEX_CLIENT_EDGE, 0}}, 0x80C80000, {{IDC_DEX_TOPMOST, 1, 1}},
     0x208, 0x88},
};
// clang-format on

TEST(PageRules, FillAndApplyEveryRule) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    PageState state = FillPage(c.page, c.style, c.exStyle);
    for (const auto& [field, value] : c.changes)
      EXPECT_EQ(ApplyField(c.page, state, field, value), 1) << field;
    EXPECT_EQ(state.style, c.styleAfter);
    EXPECT_EQ(state.exStyle, c.exStyle ? c.exStyleAfter : 0u);
    for (const Shown& s : c.shown) {
      EXPECT_EQ(state.Value(s.id), s.value) << s.id;
      if (s.enabled >= 0) {
        EXPECT_EQ(state.Enabled(s.id), s.enabled != 0) << s.id;
      }
    }
  }
}

TEST(PageRules, EveryPageFieldIsFilledAndForeignFieldsAreRefused) {
  const int pages[] = {IDD_PAGE_GENERAL,     IDD_PAGE_GENERAL_NO_TEXT,
                       IDD_PAGE_EX_STYLES,   IDD_PAGE_STATIC,
                       IDD_PAGE_RADIO,       IDD_PAGE_PUSH,
                       IDD_PAGE_CHECK,       IDD_PAGE_GROUP,
                       IDD_PAGE_EDIT,        IDD_PAGE_COMBO,
                       IDD_PAGE_LIST,        IDD_PAGE_SCROLL,
                       IDD_PAGE_UPDOWN,      IDD_PAGE_PROGRESS,
                       IDD_PAGE_SLIDER,      IDD_PAGE_DIALOG_STYLES,
                       IDD_PAGE_DIALOG_MORE, IDD_PAGE_DIALOG_EX};
  for (int page : pages) {
    const PageTable table = PageFields(page);
    ASSERT_GT(table.count, 0u) << page;
    PageState state = FillPage(page, 0, 0);
    EXPECT_EQ(state.fields.size(), table.count);
    // Field ids lie within the page's own range.
    for (size_t i = 0; i < table.count; ++i)
      EXPECT_TRUE(table.fields[i].id > page && table.fields[i].id < page + 30);
  }
  PageState state = FillPage(IDD_PAGE_EDIT, 0, 0);
  EXPECT_EQ(ApplyField(IDD_PAGE_EDIT, state, IDC_CMB_SORT, 1), 0);
  EXPECT_EQ(ApplyField(IDD_PAGE_EDIT, state, IDC_EDT_ALIGN, 3), 0);  // no fourth item
  EXPECT_EQ(state.style, 0u);
  EXPECT_EQ(PageFields(IDD_PAGE_DIALOG).count, 0u);
}

TEST(PageRules, ScrollBarItemsFollowTheOrientation) {
  const PageField* align = FindPageField(IDD_PAGE_SCROLL, IDC_SCR_ALIGN);
  ASSERT_NE(align, nullptr);
  EXPECT_EQ(std::u16string(ComboItems(*align, ControlKind::VScrollBar)[1].text), u"Left");
  EXPECT_EQ(std::u16string(ComboItems(*align, ControlKind::HScrollBar)[2].text), u"Bottom");
}

}  // namespace
