#include <gtest/gtest.h>

#include <string>

#include "editor/properties/identifier_table.h"
#include "editor/script/script_reader.h"

namespace morvid {
namespace {

class ScriptReaderTest : public ::testing::Test {
 protected:
  // Reads the first dialog statement of the script as the document's word
  // walk does: the word before DIALOG or DIALOGEX is the name.
  int Read(const std::string& script) {
    ScriptCursor cursor(script);
    std::string previous;
    std::string word;
    while (cursor.ReadWord(word) == ScanResult::kFound) {
      if (word == "DIALOG" || word == "DIALOGEX") {
        ids.AllocateId(previous);
        int ok = reader.ReadDialogStatement(cursor, word, previous, result);
        rest = std::string(cursor.Text().substr(cursor.Position()));
        return ok;
      }
      previous = word;
    }
    return -1;
  }

  // One control statement inside a dialog IDD_A.
  int ReadControl(const std::string& statement, const std::string& dialogName = "IDD_A") {
    return Read(dialogName + " DIALOG 0, 0, 100, 50\nBEGIN\n    " + statement + "\nEND\n");
  }
  const DlgItem& Control(std::uint32_t order = 1) { return *result.dialog->ControlAt(order); }
  std::string Message() { return error.message.Ansi(); }

  IdentifierTable ids;
  CErrorU error;
  CScriptReader reader{ids, error};
  DialogStatement result;
  std::string rest;
};

TEST_F(ScriptReaderTest, HeaderDefaultsAndOneMemoryAttribute) {
  ASSERT_EQ(Read("IDD_A DIALOG DISCARDABLE 0, 0, 100, 50\r\nBEGIN\r\nEND\r\nnext"), 1);
  const CDlgRes& dialog = *result.dialog;
  EXPECT_EQ(dialog.name.Ansi(), "IDD_A");
  EXPECT_EQ(dialog.cx, 100);
  EXPECT_EQ(dialog.cy, 50);
  EXPECT_EQ(dialog.style, 0u);
  EXPECT_EQ(dialog.pointSize, 8);
  EXPECT_EQ(dialog.fontName.Ansi(), "MS Sans Serif");
  EXPECT_EQ(dialog.fontLength, 15u);
  EXPECT_EQ(dialog.captionLength, 1u);
  EXPECT_EQ(dialog.menuLength, 1u);
  EXPECT_EQ(dialog.classLength, 1u);
  EXPECT_EQ(dialog.menuOrdinalFlag, 0);
  EXPECT_EQ(dialog.count, 0);
  EXPECT_EQ(rest, "\r\nnext");
  EXPECT_EQ(Message(), "");

  EXPECT_EQ(Read("IDD_A DIALOG MOVEABLE PURE 0, 0, 100, 50\nBEGIN\nEND\n"), 0);
  EXPECT_EQ(Message(), " IDD_A DIALOG ");
}

TEST_F(ScriptReaderTest, HeaderStatements) {
  ASSERT_EQ(Read("IDD_B DIALOGEX 10, 20, 186, 95, 0\n"
                 "STYLE DS_MODALFRAME | WS_POPUP\n"
                 "STYLE WS_CAPTION\n"
                 "EXSTYLE WS_EX_TOOLWINDOW\n"
                 "CAPTION \"About \"\"Morvid\"\"\\tC:\\dir\"\n"
                 "FONT 9, \"Segoe UI\", 400, 0, 0x1\n"
                 "LANGUAGE 9, 1\n"
                 "MENU IDR_MAIN\n"
                 "CLASS \"MyClass\"\n"
                 "{\n}\n"), 1);
  const CDlgRes& dialog = *result.dialog;
  EXPECT_EQ(dialog.x, 10);
  EXPECT_EQ(dialog.style, 0x80C00080u);
  EXPECT_EQ(dialog.exStyle, 0x80u);
  EXPECT_EQ(dialog.caption.Ansi(), "About \"Morvid\"\tC:\\dir");
  EXPECT_EQ(dialog.captionLength, static_cast<std::uint32_t>(dialog.caption.Length() + 1));
  EXPECT_EQ(dialog.pointSize, 9);
  EXPECT_EQ(dialog.fontName.Ansi(), "Segoe UI");
  EXPECT_EQ(dialog.fontLength, 10u);
  EXPECT_EQ(dialog.languagePrimary, 9u);
  EXPECT_EQ(dialog.languageSub, 1u);
  EXPECT_EQ(dialog.menu.Ansi(), "IDR_MAIN");
  EXPECT_EQ(dialog.menuLength, 9u);
  EXPECT_EQ(dialog.menuOrdinalFlag, 'I');
  EXPECT_EQ(dialog.className.Ansi(), "MyClass");
  EXPECT_EQ(dialog.classOrdinalFlag, 'M');

  ASSERT_EQ(Read("IDD_C DIALOG 0,0,1,1 MENU 0x10 CLASS 0x20 BEGIN END"), 1);
  EXPECT_EQ(result.dialog->menuOrdinalFlag, 0xFFFF);
  EXPECT_EQ(result.dialog->menuOrdinal, 0x10);
  EXPECT_EQ(result.dialog->menuLength, 2u);
  EXPECT_EQ(result.dialog->classOrdinalFlag, 0xFFFF);
  EXPECT_EQ(result.dialog->classAtom, 0x20);
}

TEST_F(ScriptReaderTest, StyleExpressionsInTheHeader) {
  ASSERT_EQ(Read("IDD_A DIALOG 0,0,1,1 STYLE 0x80C80000 BEGIN END"), 1);
  EXPECT_EQ(result.dialog->style, 0x80C80000u);
  // The number ends the expression; the loop skips "|" and "WS_CAPTION".
  ASSERT_EQ(Read("IDD_A DIALOG 0,0,1,1 STYLE 0x80000000 | WS_CAPTION\nBEGIN END"), 1);
  EXPECT_EQ(result.dialog->style, 0x80000000u);

  EXPECT_EQ(Read("IDD_A DIALOG 0,0,1,1\nSTYLE WS_POPUP | NOT WS_VISIBLE\nBEGIN END"), 0);
  EXPECT_EQ(Message(), " IDD_A DIALOG STYLE NOT\t");
  error.Clear();
  EXPECT_EQ(Read("IDD_A DIALOG 0,0,1,1 EXSTYLE WS_CHILD BEGIN END"), 0);
  EXPECT_EQ(Message(), " IDD_A DIALOG EXSTYLE WS_CHILD\t");
}

TEST_F(ScriptReaderTest, HeaderFailures) {
  const char* failing[] = {
      "IDD_A DIALOG 0, 0, 100\nBEGIN END",
      "IDD_A DIALOG 0, 0, 100, 50\nSTYLE WS_CHILD",
      "IDD_A DIALOG 0, 0, 100, 50\nCAPTION Title\nBEGIN END",
      "IDD_A DIALOG 0, 0, 100, 50\nFONT 8 \"Tahoma\"\nBEGIN END",
      "IDD_A DIALOG 0, 0, 100, 50\nLANGUAGE 9\nBEGIN END",
      "IDD_A DIALOG 0, 0, 100, 50\nCLASS Name\nBEGIN END",
      "IDD_A DIALOG 0, 0, 100, 50\nBEGIN\nLTEXT \"a\", -1, 1, 2, 3, 4\n",
  };
  for (const char* script : failing) {
    error.Clear();
    EXPECT_EQ(Read(script), 0) << script;
    EXPECT_EQ(result.dialog, nullptr);
  }
  error.Clear();
  Read("IDD_A DIALOG 0, 0, 100, 50\nFONT 8 \"Tahoma\"\nBEGIN END");
  EXPECT_EQ(Message(), " IDD_A DIALOG FONT ");
}

TEST_F(ScriptReaderTest, ShortStatementsKeepOnlyTheirMaskedBits) {
  struct Case {
    const char* statement;
    std::uint32_t style;
    std::uint16_t atom;
    ControlKind kind;
  };
  const Case cases[] = {
      {"LTEXT \"Name:\", IDC_STATIC, 7, 7, 30, 8, SS_NOPREFIX", 0x00020000, 0x82, ControlKind::StaticText},
      {"CTEXT \"a\", -1, 7, 7, 30, 8, WS_TABSTOP | WS_VISIBLE", 0x00030001, 0x82, ControlKind::StaticText},
      {"RTEXT \"a\", -1, 7, 7, 30, 8", 0x00020002, 0x82, ControlKind::StaticText},
      {"COMBOBOX IDC_A, 7, 7, 30, 80", 0x00010001, 0x85, ControlKind::ComboBox},
      {"COMBOBOX IDC_A, 7, 7, 30, 80, CBS_DROPDOWNLIST | WS_VSCROLL", 0x00210003, 0x85, ControlKind::ComboBox},
      {"DEFPUSHBUTTON \"OK\", IDOK, 7, 7, 50, 14, WS_DISABLED | WS_CHILD", 0x08010001, 0x80,
       ControlKind::PushButton},
      {"AUTO3STATE \"a\", IDC_A, 7, 7, 50, 14", 0x00010006, 0x80, ControlKind::CheckBox},
      {"AUTORADIOBUTTON \"a\", IDC_A, 7, 7, 50, 14, WS_GROUP", 0x00030009, 0x80, ControlKind::RadioButton},
      {"GROUPBOX \"a\", -1, 7, 7, 50, 14, WS_TABSTOP | WS_GROUP", 0x00010007, 0x80, ControlKind::GroupBox},
      {"EDITTEXT IDC_A, 7, 7, 50, 14, ES_AUTOHSCROLL | WS_VISIBLE", 0x00810080, 0x81, ControlKind::Edit},
      {"LISTBOX IDC_A, 7, 7, 50, 14, LBS_SORT", 0x00800003, 0x83, ControlKind::ListBox},
      {"SCROLLBAR IDC_A, 7, 7, 50, 14, SBS_VERT | WS_VISIBLE", 0x00000001, 0x84, ControlKind::VScrollBar},
  };
  ids.AddHeaderId("IDC_STATIC", 0xFFFF);
  ids.AddHeaderId("IDC_A", 1000);
  int dialogs = 0;
  for (const Case& c : cases) {
    ASSERT_EQ(ReadControl(c.statement, "IDD_S" + std::to_string(++dialogs)), 1) << c.statement << Message();
    const DlgItem& item = Control();
    EXPECT_EQ(item.style, c.style) << c.statement;
    EXPECT_EQ(item.classOrdinalFlag, 0xFFFF);
    EXPECT_EQ(item.classAtom, c.atom) << c.statement;
    EXPECT_EQ(item.classLength, 2u);
    EXPECT_EQ(item.kind, c.kind) << c.statement;
    EXPECT_EQ(item.extraLength, 1u);
    EXPECT_EQ(item.x, 7);
  }
}

TEST_F(ScriptReaderTest, ControlStatementFields) {
  ids.AddHeaderId("IDC_LIST", 1000);
  ASSERT_EQ(ReadControl("CONTROL \"\",IDC_LIST,\"SysListView32\",LVS_REPORT | WS_BORDER,\n"
                        "        7,7,100,50, WS_EX_CLIENTEDGE"), 1);
  EXPECT_EQ(Control().className.Ansi(), "syslistview32");
  EXPECT_EQ(Control().classLength, 14u);
  EXPECT_EQ(Control().classOrdinalFlag, 0);
  EXPECT_EQ(Control().style, 0x00800001u);
  EXPECT_EQ(Control().exStyle, 0x200u);
  EXPECT_EQ(Control().kind, ControlKind::ListView);
  EXPECT_EQ(Control().id, 1000);
  EXPECT_EQ(Control().textLength, 1u);

  ASSERT_EQ(ReadControl("CONTROL 128, -1, 0x82, SS_ICON, 7, 7, 20, 20", "IDD_B"), 1);
  EXPECT_EQ(Control().textOrdinalFlag, 0xFFFF);
  EXPECT_EQ(Control().textOrdinal, 128);
  EXPECT_EQ(Control().textLength, 2u);
  EXPECT_EQ(Control().classAtom, 0x82);
  EXPECT_EQ(Control().kind, ControlKind::StaticPicture);

  // An empty style is 0; an empty extended style fails.
  for (const char* style : {"0x0", ""}) {
    ASSERT_EQ(ReadControl(std::string("PUSHBUTTON \"a\", 1001, 7, 7, 50, 14, ") + style + ", WS_EX_STATICEDGE",
                          std::string("IDD_C") + style), 1);
    EXPECT_EQ(Control().exStyle, 0x20000u);
    EXPECT_EQ(Control().style, 0x00010000u);
  }
  EXPECT_EQ(ReadControl("PUSHBUTTON \"a\", 1001, 7, 7, 50, 14, 0, ,", "IDD_D"), 0);
}

TEST_F(ScriptReaderTest, ControlFailuresKeepTheirContext) {
  struct Case {
    const char* statement;
    const char* message;
  };
  const Case cases[] = {
      {"PUSHBUTTON \"a\", IDC_NONE, 7, 7, 50, 14", " IDD_A DIALOG \n   PUSHBUTTON IDC_NONE - Not found\t"},
      {"LISTBOX IDC_NONE, 7, 7, 50, 14", " IDD_A DIALOG \n   LISTBOX  IDC_NONE - Not found\t"},
      {"LTEXT \"a\", -1, 7, 7, 50, 14, NOT WS_GROUP", " IDD_A DIALOG \n   LTEXT NOT\t"},
      {"CONTROL \"a\", -1, \"Button\", 0x80000000 | WS_CAPTION, 7, 7, 50, 14", " IDD_A DIALOG \n   CONTROL "},
      {"CONTROL IDS_NONE, -1, \"Static\", 0, 7, 7, 50, 14", " IDD_A DIALOG \n   CONTROL IDS_NONE - Not found\t"},
      {"PUSHBUTTON IDOK, 7, 7, 50, 14", " IDD_A DIALOG \n   PUSHBUTTON "},
      {"EDITTEXT 1001, 7, 7, 50", " IDD_A DIALOG \n   EDITTEXT "},
      {"COMBOBOX 1002, 7, 7, 50, 14, WS_VSCROLL,", " IDD_A DIALOG \n   COMBOBOX  END\t"},
  };
  for (const Case& c : cases) {
    error.Clear();
    EXPECT_EQ(ReadControl(c.statement), 0) << c.statement;
    EXPECT_EQ(Message(), c.message) << c.statement;
  }
}

TEST_F(ScriptReaderTest, NamedIdentifiersRecordTheirUse) {
  ASSERT_EQ(ReadControl("PUSHBUTTON \"OK\", IDOK, 7, 7, 50, 14"), 1);
  EXPECT_EQ(Control().id, 1);
  EXPECT_TRUE(ids.IsValueUsedIn(1, "IDD_A"));
  EXPECT_FALSE(ids.IsValueUsedIn(1, "IDD_B"));

  error.Clear();
  EXPECT_EQ(ReadControl("PUSHBUTTON \"OK\", IDOK, 7, 7, 50, 14\n    PUSHBUTTON \"2\", 1, 7, 7, 50, 14", "IDD_B"), 0);
  EXPECT_EQ(Message(), " IDD_B DIALOG \n   PUSHBUTTON 1 - This value already use\t");
}

TEST_F(ScriptReaderTest, NumericIdentifiersGetNames) {
  ASSERT_EQ(ReadControl("EDITTEXT 1001, 7, 7, 50, 14\n    EDITTEXT 0100, 7, 7, 50, 14"), 1);
  EXPECT_EQ(Control(1).id, 1001);
  EXPECT_EQ(Control(2).id, 64);
  std::uint16_t value = 0;
  ASSERT_TRUE(ids.ValueOf("ID1001", value));
  EXPECT_EQ(value, 1001);
  ASSERT_TRUE(ids.ValueOf("ID64", value));
  std::string name;
  ASSERT_TRUE(ids.NameOf(1001, "IDD_A", name));
  EXPECT_EQ(name, "ID1001");

  // ID2002 is taken by another value, so 2002 gets ID2002_1.
  ids.AddHeaderId("ID2002", 2500);
  ASSERT_EQ(Read("IDD_B DIALOG 0,0,1,1 BEGIN EDITTEXT 2002, 7, 7, 50, 14 END"), 1);
  ASSERT_TRUE(ids.NameOf(2002, "IDD_B", name));
  EXPECT_EQ(name, "ID2002_1");

  error.Clear();
  EXPECT_EQ(Read("IDD_C DIALOG 0,0,1,1 BEGIN EDITTEXT 7, 7, 7, 50, 14 EDITTEXT 0x7, 7, 7, 50, 14 END"), 0);
  EXPECT_EQ(Message(), " IDD_C DIALOG \n   EDITTEXT 7 - This value already use\t");
}

TEST_F(ScriptReaderTest, MinusOneIsTheStaticIdentifierAnyNumberOfTimes) {
  ids.AddHeaderId("IDC_STATIC", 0xFFFF);
  ASSERT_EQ(ReadControl("LTEXT \"a\", -1, 7, 7, 50, 14\n    LTEXT \"b\", -1, 7, 7, 50, 14\n"
                        "    LTEXT \"c\", IDC_STATIC, 7, 7, 50, 14"), 1);
  for (std::uint32_t order = 1; order <= 3; ++order) EXPECT_EQ(Control(order).id, 0xFFFF);
  std::string name;
  ASSERT_TRUE(ids.NameOf(0xFFFF, "IDD_A", name));
  EXPECT_EQ(name, "IDC_STATIC");
  EXPECT_FALSE(ids.IsNameTaken("ID65535"));
}

TEST_F(ScriptReaderTest, SuccessPutsTheErrorTextBack) {
  error.SetMessage("before");
  ASSERT_EQ(ReadControl("LTEXT \"a\", -1, 7, 7, 50, 14\n    EDITTEXT 1001, 7, 7, 50, 14"), 1);
  EXPECT_EQ(Message(), "before");
}

TEST_F(ScriptReaderTest, UnknownStatementsAreSkippedAndReported) {
  ASSERT_EQ(Read("IDD_ABOUT DIALOG 0, 0, 100, 50\n"
                 "BEGIN ICON IDR_MAIN, -1, 7, 7, 20, 20\n"
                 "    ICON IDR_MAIN, -1,\n"
                 "         7, 7, 20, 20\n"
                 "    LTEXT \"a\", -1, 7, 7, 50, 14\n"
                 "    CONTROLX 1, 2\n"
                 "    SS_WHAT 3\n"
                 "    ICON 4\n"
                 "END\n"), 1);
  EXPECT_EQ(result.dialog->count, 1);
  EXPECT_EQ(result.skippedStatements, (std::vector<std::string>{"ICON", "CONTROLX", "SS_WHAT"}));
  ASSERT_EQ(Read("IDD_B DIALOG 0, 0, 100, 50 BEGIN END"), 1);
  EXPECT_TRUE(result.skippedStatements.empty());

  // Words left over after a statement that was read (a help identifier)
  // belong to it; a line after a trailing bar continues the skipped one.
  ASSERT_EQ(Read("IDD_C DIALOGEX 0, 0, 100, 50\n"
                 "BEGIN\n"
                 "    CONTROL \"x\", -1, \"Button\", 0, 7, 7, 50, 14, 0, 123\n"
                 "    ICON IDR_MAIN, -1, 7, 7, 20, 20, SS_ICON |\n"
                 "         WS_GROUP\n"
                 "END\n"), 1);
  EXPECT_EQ(result.skippedStatements, (std::vector<std::string>{"CONTROL", "ICON"}));
}

int hookCalls = 0;
std::string hookClass;
int RefuseClass(const CStringU& className) {
  ++hookCalls;
  hookClass = className.Ansi();
  return className.Ansi() != "refused";
}

TEST_F(ScriptReaderTest, CustomClassesGoThroughTheHook) {
  SetCustomClassHook(RefuseClass);
  hookCalls = 0;
  ASSERT_EQ(ReadControl("CONTROL \"\", 1001, \"MyGrid\", 0x50010004, 7, 7, 50, 14", "IDD_B"), 1);
  EXPECT_EQ(Control().kind, ControlKind::Custom);
  EXPECT_EQ(Control().style, 0x50010004u);
  EXPECT_EQ(hookClass, "mygrid");
  EXPECT_EQ(ReadControl("CONTROL \"\", 1001, \"Refused\", 0, 7, 7, 50, 14", "IDD_C"), 0);
  // A custom class by number cannot be registered.
  EXPECT_EQ(ReadControl("CONTROL \"\", 1001, 0x99, 0, 7, 7, 50, 14", "IDD_D"), 0);
  EXPECT_EQ(hookCalls, 2);
  // Predefined kinds never reach the hook.
  ASSERT_EQ(ReadControl("CONTROL \"\", 1001, \"BUTTON\", BS_PUSHBUTTON, 7, 7, 50, 14", "IDD_E"), 1);
  EXPECT_EQ(hookCalls, 2);
  SetCustomClassHook(nullptr);
}

TEST_F(ScriptReaderTest, OverlongTokensFailWithContext) {
  std::string longText(256, 'x');
  EXPECT_EQ(ReadControl("LTEXT \"" + longText + "\", -1, 7, 7, 50, 14"), 0);
  EXPECT_EQ(Message(), " IDD_A DIALOG \n   LTEXT " + std::string(32, 'x') + "... - Too long\t");
  error.Clear();
  EXPECT_EQ(Read("IDD_A DIALOG 0,0,1,1 CAPTION \"" + longText + "\" BEGIN END"), 0);
  EXPECT_EQ(Message(), " IDD_A DIALOG CAPTION " + std::string(32, 'x') + "... - Too long\t");
  error.Clear();
  EXPECT_EQ(Read("IDD_A DIALOG 0,0,1,1 BEGIN " + longText + " END"), 0);
  // Exactly 255 characters are kept whole.
  error.Clear();
  ASSERT_EQ(ReadControl("LTEXT \"" + longText.substr(1) + "\", -1, 7, 7, 50, 14"), 1);
  EXPECT_EQ(Control().text.Length(), 255);
}

}  // namespace
}  // namespace morvid
