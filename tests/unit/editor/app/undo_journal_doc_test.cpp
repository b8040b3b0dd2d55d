// Undo through the journal on a real document, checked in what it saves.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app_test_util.h"
#include "design/fake_surface.h"
#include "design/surface_edits.h"
#include "editor/app/doc.h"
#include "editor/design/control_clipboard.h"
#include "editor/design/drag_geometry.h"
#include "editor/design/field_change.h"
#include "editor/properties/identifier_commit.h"
#include "editor/properties/page_text.h"
#include "fake_doc_ui.h"

namespace {

using apptest::ReadBytes;
using apptest::WriteBytes;

// IDC_GO holds the greatest value, so a control placed after its deletion
// takes that value.
constexpr char kScript[] =
    "#include \"Resource.h\"\r\n"
    "IDD_ONE DIALOG 0, 0, 100, 60\r\nBEGIN\r\n"
    "    EDITTEXT IDC_NAME,5,5,40,12\r\n    PUSHBUTTON \"Go\",IDC_GO,5,20,40,14\r\nEND\r\n"
    "IDD_TWO DIALOG 0, 0, 100, 60\r\nBEGIN\r\n    EDITTEXT IDC_OTHER,5,5,40,12\r\nEND\r\n";
constexpr char kHeader[] =
    "#define IDD_ONE 100\r\n#define IDD_TWO 101\r\n#define IDC_NAME 102\r\n#define IDC_OTHER 103\r\n"
    "#define IDC_GO 104\r\n";

class UndoJournalDoc : public ::testing::Test {
 protected:
  void SetUp() override {
    AppError().Clear();
    WriteBytes("s.rc", kScript);
    WriteBytes("Resource.h", kHeader);
    ASSERT_EQ(doc.OpenScript(CStringU(u"s.rc")), 1);
    ASSERT_EQ(doc.dialogs.size(), 2u);
  }

  CDlgRes& Dialog(int index) { return *doc.dialogs[static_cast<size_t>(index)]; }

  int Undo() {
    CDlgRes* undone = nullptr;
    return doc.journal.Undo(doc.ids, undone) == CJournal::Result::Undone ? 1 : 0;
  }

  // Saves, then checks that every name of the header is written in the
  // script and every control identifier of the script is a name of the
  // header, no name twice within one dialog.
  void SaveAndCheckNames(const std::set<std::string>& expected) {
    ASSERT_EQ(doc.Save(), 1);
    const std::string script = ReadBytes("s.rc");
    const std::string header = ReadBytes("Resource.h");
    std::set<std::string> defined;
    const std::regex define("#define (\\w+)\\s");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
      if ((*it)[1] != "IDC_STATIC") defined.insert((*it)[1]);
    EXPECT_EQ(defined, expected) << header;

    std::set<std::string> written;
    const std::regex dialogLine("(\\w+) DIALOG");
    for (std::sregex_iterator it(script.begin(), script.end(), dialogLine), end; it != end; ++it)
      written.insert((*it)[1]);
    // A control line: its identifier follows the text, or the keyword of an edit.
    const std::regex controlLine("\\n\\s+(?:EDITTEXT\\s+|\\w+\\s+\"[^\"]*\",)(\\w+),");
    std::set<std::string> controls;
    for (std::sregex_iterator it(script.begin(), script.end(), controlLine), end; it != end; ++it) {
      const std::string id = (*it)[1];
      EXPECT_TRUE(defined.count(id)) << id << " is not a name of the header";
      EXPECT_TRUE(controls.insert(id).second) << id << " twice";
      written.insert(id);
    }
    EXPECT_EQ(written, expected) << script;
  }

  apptest::TempDir dir;
  apptest::CurrentDir cwd{dir.Path()};
  apptest::FakeDocUi ui;
  CDoc doc{ui};
};

TEST_F(UndoJournalDoc, UndoAcrossTwoDialogsKeepsControlsAndHeaderInStep) {
  designtest::DeleteControls(Dialog(0), doc.ids, doc.journal, {2});
  designtest::PlacePushButton(Dialog(1), doc.ids, doc.journal);
  SaveAndCheckNames({"IDD_ONE", "IDD_TWO", "IDC_NAME", "IDC_OTHER", "IDC_BUTTON1"});

  // The placement is newest: it is undone in its own dialog, the one the
  // user has not gone back to.
  doc.modified = 0;
  EXPECT_EQ(doc.journal.NewestDialog(), &Dialog(1));
  ASSERT_EQ(Undo(), 1);
  EXPECT_EQ(doc.modified, 1);
  SaveAndCheckNames({"IDD_ONE", "IDD_TWO", "IDC_NAME", "IDC_OTHER"});

  EXPECT_EQ(doc.journal.NewestDialog(), &Dialog(0));
  ASSERT_EQ(Undo(), 1);
  SaveAndCheckNames({"IDD_ONE", "IDD_TWO", "IDC_NAME", "IDC_OTHER", "IDC_GO"});
  EXPECT_NE(ReadBytes("Resource.h").find("#define IDC_GO\t\t104"), std::string::npos);
  EXPECT_EQ(Undo(), 0);
}

// Every kind of edit, each one step, then as many Ctrl+Z: the document saves
// what it saved before the first edit, to the byte.
TEST_F(UndoJournalDoc, EveryEditUndoneStepByStepSavesTheOriginalAgain) {
  // The first save moves the dialogs under their comment line; from the
  // second on a save writes what it read.
  ASSERT_EQ(doc.Save(), 1);
  ASSERT_EQ(doc.Save(), 1);
  const std::string script = ReadBytes("s.rc");
  const std::string header = ReadBytes("Resource.h");
  CDlgRes& one = Dialog(0);
  CDlgRes& two = Dialog(1);
  designtest::FakeSurface surfaceOne(one), surfaceTwo(two);
  one.surface = &surfaceOne;
  two.surface = &surfaceTwo;
  designtest::FakeMap map;
  CJournal& journal = doc.journal;
  int steps = 0;
  // One gesture on the records at `orders` (none: the dialog's own fields).
  const auto gesture = [&](CDlgRes& dialog, std::vector<std::uint32_t> orders, auto change, bool table = false) {
    CEditStep step(dialog, &journal);
    step.KeepControls(orders);
    if (orders.empty()) step.KeepDialogFields();
    if (table) step.KeepTable(doc.ids);
    change();
    if (step.Finish()) ++steps;
  };

  DlgItem button;  // placed from the palette
  ASSERT_TRUE(ToolboxDefaults(designtest::kPushButtonTool, button));
  ASSERT_TRUE(AllocateControlId(designtest::kPushButtonTool, doc.ids, "IDD_ONE", button.id));
  button.x = 50, button.y = 40, button.cx = 40, button.cy = 14;
  ASSERT_TRUE(one.PlaceNewControl(button));
  journal.RecordPlacement(one);
  ++steps;
  gesture(one, {1, 2}, [&] {
    for (std::uint32_t order : {1u, 2u}) {
      DlgRect r;
      one.RectDialogUnits(order, r);
      one.MoveControl(order, {r.left + 3, r.top + 2, r.right + 3, r.bottom + 2}, map);
    }
  });
  gesture(one, {1}, [&] { one.ControlAt(1)->style |= 0x08000000; });  // WS_DISABLED
  std::uint64_t typing = 0;
  for (const char16_t* caption : {u"W", u"Wen", u"Went"}) {  // one step per page visit
    CEditStep keystroke(one, &journal);
    keystroke.KeepControls({2});
    SetControlText(*one.ControlAt(2), caption);
    typing = keystroke.Finish(typing);
  }
  ++steps;
  gesture(one, {1}, [&] { CommitControlId(doc.ids, "IDD_ONE", one.ControlAt(1)->id, "IDC_FIRST"); }, true);
  designtest::DeleteControls(one, doc.ids, journal, {3});
  ++steps;
  CControlClipboard clipboard;
  one.SelectOnlyAt(1);
  one.AddAsPrimaryAt(2);
  ASSERT_EQ(clipboard.Copy(one, doc.ids), 2u);
  ASSERT_EQ(clipboard.Paste(two, doc.ids, CSurfaceGeometry(map, two.cx, two.cy, 300, 120), journal), 2u);
  ++steps;
  gesture(two, {}, [&] { two.cx = 150, two.x = 0, two.y = 0; });  // the dialog frame
  gesture(one, {}, [&] { CommitDialogName(doc.ids, one, "IDD_FIRST"); }, true);
  ASSERT_EQ(steps, 9);
  ASSERT_EQ(doc.Save(), 1);
  ASSERT_NE(ReadBytes("s.rc"), script);

  for (int k = 0; k < steps; ++k) ASSERT_EQ(Undo(), 1) << k;
  EXPECT_EQ(Undo(), 0);
  ASSERT_EQ(doc.Save(), 1);
  EXPECT_EQ(ReadBytes("s.rc"), script);
  EXPECT_EQ(ReadBytes("Resource.h"), header);
  one.surface = two.surface = nullptr;
}

TEST_F(UndoJournalDoc, OpeningAnotherScriptForgetsTheJournal) {
  designtest::DeleteControls(Dialog(0), doc.ids, doc.journal, {1});
  doc.modified = 0;
  ASSERT_EQ(doc.OpenScript(CStringU(u"s.rc")), 1);
  EXPECT_EQ(Undo(), 0);
  EXPECT_EQ(Dialog(0).ControlCount(), 2u);
  EXPECT_EQ(doc.ids.history.Size(), 0u);
}

}  // namespace
