#include "editor/properties/page_text.h"

#include <gtest/gtest.h>

#include "editor/design/dlg_res.h"

namespace {

TEST(PageText, EscapedTextComesBackAsItWas) {
  struct Case {
    std::u16string shown;
    std::u16string stored;
  } cases[] = {
      {u"a\\tb", u"a\tb"},          {u"line\\r\\nnext", u"line\r\nnext"},
      {u"c:\\\\dir", u"c:\\dir"},   {u"ends with \\", u"ends with \\"},
      {u"\\x stays", u"\\x stays"}, {u"\\\\n", u"\\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnescapeText(c.shown), c.stored);
    if (c.stored.find(u"\\x") == std::u16string::npos && c.stored.back() != u'\\') {
      EXPECT_EQ(EscapeText(c.stored), c.shown);
    }
  }
  const std::u16string mixed = u"\\ \t\n\r\\n";
  EXPECT_EQ(UnescapeText(EscapeText(mixed)), mixed);
}

TEST(PageText, PositionTakesTheLeadingNumber) {
  EXPECT_EQ(LeadingNumber(u"12abc"), 12);
  EXPECT_EQ(LeadingNumber(u""), 0);
  EXPECT_EQ(LeadingNumber(u"abc"), 0);
  EXPECT_EQ(LeadingNumber(u" -7"), -7);
  EXPECT_EQ(LeadingNumber(u"70000"), 4464);  // 16 bits
}

TEST(PageText, StoredTextsKeepTheModelsLengthRules) {
  CDlgRes dialog;
  ASSERT_EQ(SetDialogFont(dialog, u"Arial", 10), 1);
  EXPECT_EQ(dialog.fontLength, 7u);
  EXPECT_EQ(dialog.pointSize, 10);
  ASSERT_EQ(SetDialogCaption(dialog, u""), 1);
  EXPECT_EQ(dialog.captionLength, 1u);

  DlgItem item;
  item.textOrdinalFlag = kOrdinalFlag;
  item.textOrdinal = 7;
  ASSERT_EQ(SetControlText(item, u"Имя"), 1);
  EXPECT_EQ(item.textLength, 4u);
  EXPECT_EQ(item.textOrdinalFlag, 0);  // what was typed is what is written

  const std::u16string tooLong(256, u'x');
  EXPECT_EQ(SetControlText(item, tooLong), 0);
  EXPECT_EQ(item.text.View(), u"Имя");
  EXPECT_EQ(SetDialogCaption(dialog, tooLong), 0);
}

}  // namespace
