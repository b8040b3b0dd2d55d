#include <gtest/gtest.h>

#include <string>

#include "editor/properties/identifier_table.h"
#include "editor/script/script_writer.h"

namespace morvid {
namespace {

DlgItem Item(ControlKind kind, std::uint32_t style, const char* text = "") {
  DlgItem item;
  item.kind = kind;
  item.style = style;
  item.x = 7;
  item.y = 8;
  item.cx = 50;
  item.cy = 14;
  item.text.Assign(text);
  item.textLength = static_cast<std::uint32_t>(item.text.Length() + 1);
  item.id = 0xFFFF;
  return item;
}

class ScriptWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ids.AddHeaderId("IDC_STATIC", 0xFFFF); }
  std::string Line(const DlgItem& item) {
    std::string out;
    WriteControl(out, item, "IDD_A", ids);
    return out;
  }
  IdentifierTable ids;
};

TEST_F(ScriptWriterTest, WholeDialogAsExactBytes) {
  CDlgRes dialog;
  dialog.name.Assign("IDD_ABOUT");
  dialog.cx = 186;
  dialog.cy = 95;
  dialog.style = 0x80C800C0;
  dialog.caption.Assign("About \"Morvid\"");
  dialog.captionLength = static_cast<std::uint32_t>(dialog.caption.Length() + 1);
  dialog.pointSize = 8;
  dialog.fontName.Assign("MS Sans Serif");
  dialog.languagePrimary = 9;
  dialog.languageSub = 1;
  dialog.exStyle = 0x188;
  dialog.menuOrdinalFlag = 'I';
  dialog.menu.Assign("IDR_MENU");
  dialog.classOrdinalFlag = 0xFFFF;
  dialog.classAtom = 0x20;
  DlgItem text = Item(ControlKind::StaticText, 0x00020000, "Morvid");
  dialog.AppendCopy(text);
  DlgItem ok = Item(ControlKind::PushButton, 0x00010001, "OK");
  ok.id = 1;
  ids.AddUse(1, "IDOK", "IDD_ABOUT");
  dialog.AppendCopy(ok);
  std::string out;
  WriteDialog(out, dialog, ids);
  EXPECT_EQ(out,
            "\nIDD_ABOUT DIALOGEX 0,0,186,95\r\n"
            "CAPTION \"About \"\"Morvid\"\"\"\r\n"
            "CLASS 0x0020\r\n"
            "MENU IDR_MENU\r\n"
            "FONT 8,\"MS Sans Serif\"\r\n"
            "LANGUAGE 9,1\r\n"
            "STYLE WS_POPUPWINDOW|WS_CAPTION|DS_MODALFRAME|DS_SETFONT\r\n"
            "EXSTYLE WS_EX_PALETTEWINDOW\r\n"
            "BEGIN\r\n"
            "   LTEXT \"Morvid\",IDC_STATIC,7,8,50,14\r\n"
            "   DEFPUSHBUTTON \"OK\",IDOK,7,8,50,14\r\n"
            "END\r\n");
}

TEST_F(ScriptWriterTest, OptionalHeaderLines) {
  CDlgRes dialog;
  dialog.name.Assign("IDD_B");
  dialog.pointSize = 8;
  dialog.fontName.Assign("MS Sans Serif");
  dialog.languagePrimary = 9;
  dialog.classOrdinalFlag = 'M';
  dialog.className.Assign("MyClass");
  dialog.menuOrdinalFlag = 0xFFFF;
  dialog.menuOrdinal = 0x81;
  std::string out;
  WriteDialog(out, dialog, ids);
  EXPECT_EQ(out,
            "\nIDD_B DIALOGEX 0,0,0,0\r\n"
            "CLASS \"MyClass\"\r\n"
            "MENU 0x0081\r\n"
            "FONT 8,\"MS Sans Serif\"\r\n"
            "STYLE WS_OVERLAPPED\r\n"
            "BEGIN\r\n"
            "END\r\n");
}

TEST_F(ScriptWriterTest, LongStyleListsAreWrittenWhole) {
  CDlgRes dialog;
  dialog.name.Assign("IDD_C");
  dialog.style = 0x7FFF3FFF;
  std::string out;
  WriteDialog(out, dialog, ids);
  std::size_t start = out.find("STYLE ");
  std::string line = out.substr(start, out.find("\r\n", start) - start);
  EXPECT_GT(line.size(), 256u);
  EXPECT_NE(line.find("|DS_SHELLFONT"), std::string::npos);
}

TEST_F(ScriptWriterTest, ShortStatementsOrControl) {
  struct Case {
    ControlKind kind;
    std::uint32_t style;
    const char* line;
  };
  const Case cases[] = {
      {ControlKind::StaticText, 0x00020000, "   LTEXT \"t\",IDC_STATIC,7,8,50,14\r\n"},
      {ControlKind::StaticText, 0x00030002, "   RTEXT \"t\",IDC_STATIC,7,8,50,14,WS_TABSTOP\r\n"},
      {ControlKind::StaticText, 0x10020000, "   CONTROL \"t\",IDC_STATIC,\"Static\",WS_GROUP|WS_VISIBLE|SS_LEFT,7,8,50,14\r\n"},
      {ControlKind::StaticText, 0x00020080, "   CONTROL \"t\",IDC_STATIC,\"Static\",WS_GROUP|SS_LEFT|SS_NOPREFIX,7,8,50,14\r\n"},
      {ControlKind::PushButton, 0x00010001, "   DEFPUSHBUTTON \"t\",IDC_STATIC,7,8,50,14\r\n"},
      {ControlKind::PushButton, 0x00030000, "   PUSHBUTTON \"t\",IDC_STATIC,7,8,50,14,WS_GROUP\r\n"},
      {ControlKind::PushButton, 0x00000000, "   CONTROL \"t\",IDC_STATIC,\"Button\",BS_PUSHBUTTON,7,8,50,14\r\n"},
      {ControlKind::CheckBox, 0x08030005, "   STATE3 \"t\",IDC_STATIC,7,8,50,14,WS_DISABLED|WS_GROUP\r\n"},
      {ControlKind::RadioButton, 0x00010009, "   AUTORADIOBUTTON \"t\",IDC_STATIC,7,8,50,14\r\n"},
      {ControlKind::GroupBox, 0x00010007, "   GROUPBOX \"t\",IDC_STATIC,7,8,50,14,WS_TABSTOP\r\n"},
      {ControlKind::Edit, 0x00810080, "   EDITTEXT IDC_STATIC,7,8,50,14,WS_BORDER|WS_TABSTOP|ES_LEFT|ES_AUTOHSCROLL\r\n"},
      {ControlKind::Edit, 0x00010000, "   CONTROL \"t\",IDC_STATIC,\"Edit\",WS_TABSTOP|ES_LEFT,7,8,50,14\r\n"},
      {ControlKind::ComboBox, 0x00210003, "   COMBOBOX IDC_STATIC,7,8,50,14,WS_TABSTOP|WS_VSCROLL|CBS_DROPDOWNLIST\r\n"},
      // COMBOBOX would add CBS_SIMPLE, LISTBOX LBS_NOTIFY: these need CONTROL.
      {ControlKind::ComboBox, 0x00010000, "   CONTROL \"t\",IDC_STATIC,\"ComboBox\",WS_TABSTOP,7,8,50,14\r\n"},
      {ControlKind::ListBox, 0x00800002, "   CONTROL \"t\",IDC_STATIC,\"ListBox\",WS_BORDER|LBS_SORT,7,8,50,14\r\n"},
      {ControlKind::ListBox, 0x00800003, "   LISTBOX IDC_STATIC,7,8,50,14,WS_BORDER|LBS_NOTIFY|LBS_SORT\r\n"},
      {ControlKind::VScrollBar, 0x00000001, "   SCROLLBAR IDC_STATIC,7,8,50,14,SBS_VERT\r\n"},
      {ControlKind::HotKey, 0x00000000, "   CONTROL \"t\",IDC_STATIC,\"msctls_hotkey32\",0x0,7,8,50,14\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Line(Item(c.kind, c.style, "t")), c.line);
}

TEST_F(ScriptWriterTest, ExtendedStylesTextsAndIdentifiers) {
  DlgItem button = Item(ControlKind::PushButton, 0x00010001, "Say \"hi\"\t");
  button.exStyle = 0x20000;
  EXPECT_EQ(Line(button), "   DEFPUSHBUTTON \"Say \"\"hi\"\"\\t\",IDC_STATIC,7,8,50,14,0x0,WS_EX_STATICEDGE\r\n");
  button.style = 0x00030001;
  EXPECT_EQ(Line(button), "   DEFPUSHBUTTON \"Say \"\"hi\"\"\\t\",IDC_STATIC,7,8,50,14,WS_GROUP,WS_EX_STATICEDGE\r\n");

  DlgItem hotkey = Item(ControlKind::HotKey, 0);
  hotkey.exStyle = 0x200;
  EXPECT_EQ(Line(hotkey), "   CONTROL \"\",IDC_STATIC,\"msctls_hotkey32\",0x0,7,8,50,14,WS_EX_CLIENTEDGE\r\n");

  DlgItem icon = Item(ControlKind::StaticPicture, 0x00000003);
  icon.textOrdinalFlag = 0xFFFF;
  icon.textOrdinal = 128;
  EXPECT_EQ(Line(icon), "   CONTROL 128,IDC_STATIC,\"Static\",SS_ICON,7,8,50,14\r\n");
  // A text given by number cannot go into a short statement.
  DlgItem numbered = Item(ControlKind::StaticText, 0x00020000);
  numbered.textOrdinalFlag = 0xFFFF;
  numbered.textOrdinal = 7;
  EXPECT_EQ(Line(numbered), "   CONTROL 7,IDC_STATIC,\"Static\",WS_GROUP|SS_LEFT,7,8,50,14\r\n");

  // Texts are escaped whole, however long the result.
  DlgItem quotes = Item(ControlKind::PushButton, 0x00010000, std::string(255, '"').c_str());
  EXPECT_EQ(Line(quotes), "   PUSHBUTTON \"" + std::string(510, '"') + "\",IDC_STATIC,7,8,50,14\r\n");

  // An identifier without a name is an empty field.
  DlgItem unnamed = Item(ControlKind::PushButton, 0x00010000, "a");
  unnamed.id = 4321;
  EXPECT_EQ(Line(unnamed), "   PUSHBUTTON \"a\",,7,8,50,14\r\n");
}

TEST_F(ScriptWriterTest, CustomControlsKeepTheirClassAndWholeStyle) {
  DlgItem grid = Item(ControlKind::Custom, 0x50010004, "g");
  grid.className.Assign("mygrid");
  grid.classLength = 7;
  EXPECT_EQ(Line(grid), "   CONTROL \"g\",IDC_STATIC,\"mygrid\",0x50010004,7,8,50,14\r\n");
  DlgItem user = Item(ControlKind::Custom, 0x00010008, "u");
  user.classOrdinalFlag = 0xFFFF;
  user.classAtom = 0x80;
  EXPECT_EQ(Line(user), "   CONTROL \"u\",IDC_STATIC,\"Button\",0x00010008,7,8,50,14\r\n");
}

}  // namespace
}  // namespace morvid
