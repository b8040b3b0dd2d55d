// Undo through the journal on a real document, checked in what it saves.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app_test_util.h"
#include "design/surface_edits.h"
#include "editor/app/doc.h"
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

TEST_F(UndoJournalDoc, OpeningAnotherScriptForgetsTheJournal) {
  designtest::DeleteControls(Dialog(0), doc.ids, doc.journal, {1});
  doc.modified = 0;
  ASSERT_EQ(doc.OpenScript(CStringU(u"s.rc")), 1);
  EXPECT_EQ(Undo(), 0);
  EXPECT_EQ(Dialog(0).ControlCount(), 2u);
  EXPECT_EQ(doc.ids.history.Size(), 0u);
}

}  // namespace
