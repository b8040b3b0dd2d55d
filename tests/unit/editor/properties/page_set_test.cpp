#include "editor/properties/page_set.h"

#include <gtest/gtest.h>

#include "editor/resources/resource.h"

namespace {

// The tab open before a selection change, the kind selected next, and the
// tab its page set opens on.
TEST(PageSet, TabsAreKeptByPositionWithFallBackToGeneral) {
  struct Case {
    int before;
    ControlKind next;
    int opened;
  } cases[] = {
      {1, ControlKind::VScrollBar, 1},  // push button Styles -> scroll bar Styles
      {2, ControlKind::VScrollBar, 0},  // list box Extended Styles -> scroll bar General
      {2, ControlKind::Edit, 2},        // dialog More Styles -> edit Extended Styles
      {3, ControlKind::Edit, 0},        // dialog Extended Styles has no control twin
      {-1, ControlKind::Slider, 0},    {1, ControlKind::StaticText, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(FirstControlTab(c.before, c.next), c.opened) << c.before;
  EXPECT_EQ(FirstDialogTab(3), 3);
  EXPECT_EQ(FirstDialogTab(-1), 0);
  EXPECT_EQ(FirstDialogTab(4), 0);
}

TEST(PageSet, KindsChooseTabsPagesAndCaptions) {
  EXPECT_EQ(ControlTabs(ControlKind::CheckBox).size(), 3u);
  EXPECT_EQ(ControlTabs(ControlKind::HScrollBar).size(), 2u);
  EXPECT_EQ(DialogTabs().size(), 4u);
  for (ControlKind none :
       {ControlKind::StaticPicture, ControlKind::StaticOwnerDraw, ControlKind::HotKey, ControlKind::Custom}) {
    EXPECT_TRUE(ControlTabs(none).empty());
    EXPECT_EQ(ControlPageSet(none), kNoPageSet);
    EXPECT_EQ(ControlPageTemplate(none, 0), 0);
  }
  EXPECT_EQ(ControlPageSet(ControlKind::PushButton), 5u);
  EXPECT_EQ(ControlPageSet(ControlKind::Slider), 16u);
  EXPECT_EQ(ControlPageTemplate(ControlKind::GroupBox, 0), IDD_PAGE_GENERAL);
  EXPECT_EQ(ControlPageTemplate(ControlKind::Edit, 0), IDD_PAGE_GENERAL_NO_TEXT);
  EXPECT_EQ(ControlPageTemplate(ControlKind::RadioButton, 1), IDD_PAGE_RADIO);
  EXPECT_EQ(ControlPageTemplate(ControlKind::HScrollBar, 1), IDD_PAGE_SCROLL);
  EXPECT_EQ(ControlPageTemplate(ControlKind::VScrollBar, 2), 0);
  EXPECT_EQ(ControlPageTemplate(ControlKind::Progress, 2), IDD_PAGE_EX_STYLES);
  EXPECT_EQ(DialogPageTemplate(2), IDD_PAGE_DIALOG_MORE);
  EXPECT_EQ(ControlPageCaption(ControlKind::StaticText), 5100);
  EXPECT_EQ(ControlPageCaption(ControlKind::Slider), 5112);
}

}  // namespace
