#include "editor/app/doc.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app_test_util.h"
#include "fake_doc_ui.h"

using apptest::fs::exists;
using apptest::ReadBytes;
using apptest::U8;
using apptest::WriteBytes;
using Answer = CDocUi::Answer;

namespace {

std::string DataFile(const std::string& name) {
  std::string bytes = ReadBytes(std::string(TEST_DATA_DIR) + "/scripts/" + name);
  EXPECT_FALSE(bytes.empty()) << "no test data " << name;
  return bytes;
}

size_t Count(const std::string& text, const std::string& piece) {
  size_t n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

// Fails every replacement of the script, but not of the header.
class ScriptWriteFails : public FileReplacer {
 public:
  bool Replace(const CStringU& from, const CStringU& to) override {
    if (U8(to).find(".rc") != std::string::npos) return false;
    return PortableFileReplacer().Replace(from, to);
  }
};

class DocTest : public ::testing::Test {
 protected:
  void SetUp() override { AppError().Clear(); }

  void Prepare(const std::string& script, const std::string& header) {
    WriteBytes("s.rc", script);
    WriteBytes("Resource.h", header);
  }
  void PrepareSample() { Prepare(DataFile("sample.rc"), DataFile("sample_resource.h")); }
  int Open() { return doc.OpenScript(CStringU(u"s.rc")); }
  int Save() {
    int ok = doc.Save();
    if (ok) KeepSaved();
    return ok;
  }
  bool TempFilesGone() const { return !exists("ex0001.tmp") && !exists("ex0002.tmp"); }
  std::string Names() const {
    std::string names;
    for (const auto& dialog : doc.dialogs) names += U8(dialog->name) + " ";
    return names;
  }
  std::string LastLog() const { return ui.log.empty() ? "" : ui.log.back(); }

  // With MORVID_SAVED_SCRIPTS set, every saved script and its header are
  // kept there for the resource compilers.
  void KeepSaved() {
    const char* keep = std::getenv("MORVID_SAVED_SCRIPTS");
    if (!keep) return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    apptest::fs::path target = apptest::fs::path(keep) /
                               (std::string(test->test_suite_name()) + "." + test->name() + "." + std::to_string(++saves_));
    apptest::fs::create_directories(target);
    apptest::fs::copy_file(U8(doc.pathName), target / "script.rc");
    apptest::fs::copy_file("Resource.h", target / "Resource.h");
  }

  apptest::TempDir dir;
  apptest::CurrentDir cwd{dir.Path()};
  apptest::FakeDocUi ui;
  CDoc doc{ui};

 private:
  int saves_ = 0;
};

TEST_F(DocTest, OpenReadsTheDialogsThatApplyAndWarnsOfSkippedStatements) {
  PrepareSample();
  ASSERT_EQ(1, Open());
  EXPECT_EQ("IDD_ABOUT IDD_LIST ", Names());
  EXPECT_EQ(1, doc.FindDialog(CStringU(u"IDD_LIST")));
  EXPECT_EQ(-1, doc.FindDialog(CStringU(u"IDD_HIDDEN")));
  EXPECT_EQ(0, doc.untitled);
  EXPECT_EQ(0, doc.modified);
  EXPECT_TRUE(doc.macroNames.IsNameTaken("APSTUDIO_READONLY_SYMBOLS"));
  EXPECT_EQ((std::vector<std::string>{"fill tree: s.rc / Диалоги",
                                      "warning: Неподдерживаемые операторы будут удалены при сохранении:\nIDD_ABOUT: ICON"}),
            ui.log);
  EXPECT_TRUE(TempFilesGone());
}

TEST_F(DocTest, FailedOpenShowsWhyAndLeavesANewDocument) {
  const std::string prefix = "Ошибка при открытии файла \"s.rc\"";
  auto utf16 = [](const std::string& ascii) {
    std::string text("\xFF\xFE");
    for (char c : ascii) text += {c, '\0'};
    return text;
  };
  struct Case {
    std::string script;
    const char* header;  // nullptr: no header
    std::string errorStart;
    std::string errorEnd;
  } cases[] = {
      {"IDD_A DIALOG 0,0,10,10\nBEGIN\n PUSHBUTTON \"x\",IDC_GONE,1,1,1,1\nEND\n", "#define IDD_A 100\n",
       prefix + ":\t\n", "IDC_GONE - Not found\t"},
      {"", "", prefix + ".\t\n", ""},
      {"/* only\n a comment */\n", "", prefix + ".\t\n", ""},
      {"IDD_A DIALOG 0,0,10,10\nBEGIN\nEND\n", nullptr, prefix + ":\n Resource.h - Not found.\t\n", ""},
      {"IDD_A DIALOG 0,0,10,10\nBEGIN\nEND\n", "#define IDOK 2\n", prefix + ":\n Resource.h - Not found.\t\n",
       "#define IDOK\t"},
      {utf16("IDD_A DIALOG 0,0,10,10\nBEGIN\nEND\n"), "", prefix + ".\t\n", ""},
      {std::string(300, 'N') + " DIALOG 0,0,10,10\nBEGIN\nEND\n", "", prefix + ":\t\n",
       std::string(32, 'N') + "... - Too long\t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    PrepareSample();
    ASSERT_EQ(1, Open());
    ui.log.clear();
    Prepare(c.script, c.header ? c.header : "");
    if (!c.header) apptest::fs::remove("Resource.h");

    EXPECT_EQ(0, Open());
    ASSERT_EQ(2u, ui.log.size());
    const std::string error = ui.log[0];
    EXPECT_EQ(0u, error.find("error: " + c.errorStart)) << error;
    EXPECT_EQ(error.size() - c.errorEnd.size(), error.rfind(c.errorEnd)) << error;
    if (c.errorEnd.empty()) {
      EXPECT_EQ("error: " + c.errorStart, error);
    }
    EXPECT_EQ("Resource Editor", ui.errorCaption);
    EXPECT_EQ("reset tree: Новый проект", ui.log[1]);
    EXPECT_TRUE(doc.dialogs.empty());
    EXPECT_EQ(1, doc.untitled);
    EXPECT_EQ("Новый проект.rc", U8(doc.pathName));
    EXPECT_TRUE(TempFilesGone());
  }
}

TEST_F(DocTest, OpenOfAnUnreadableScriptFailsQuietlyAndKeepsTheDocument) {
  PrepareSample();
  ASSERT_EQ(1, Open());
  ui.log.clear();
  EXPECT_EQ(0, doc.OpenScript(CStringU(u"missing.rc")));

  // The prepared copy cannot be written: the names of the script in use stay.
  WriteBytes("other.rc", "#define OTHER\n");
  apptest::fs::create_directory("ex0002.tmp");
  EXPECT_EQ(0, doc.OpenScript(CStringU(u"other.rc")));
  EXPECT_FALSE(doc.macroNames.IsNameTaken("OTHER"));
  EXPECT_TRUE(doc.macroNames.IsNameTaken("APSTUDIO_READONLY_SYMBOLS"));

  EXPECT_TRUE(ui.log.empty());
  EXPECT_EQ("IDD_ABOUT IDD_LIST ", Names());
  EXPECT_EQ("s.rc", U8(doc.pathName));
}

TEST_F(DocTest, ConditionalBlocksFollowTheDefinesOfScriptAndHeaderOnOpenAndSave) {
  Prepare(
      "#define MYFLAG\n"
      "#ifdef MYFLAG\nIDD_A DIALOG 0,0,10,10\nBEGIN\nEND\n#endif\n"
      "#ifdef HEADERFLAG\nIDD_B DIALOG 0,0,10,10\nBEGIN\nEND\n#endif\n"
      "#ifndef MYFLAG\nIDD_C DIALOG 0,0,10,10\nBEGIN\nEND\n#endif\n",
      "#define HEADERFLAG 500\n");
  ASSERT_EQ(1, Open());
  EXPECT_EQ("IDD_A IDD_B ", Names());

  ASSERT_EQ(1, Save());
  const std::string saved = ReadBytes("s.rc");
  EXPECT_NE(std::string::npos, saved.find("#ifndef MYFLAG\r\nIDD_C DIALOG 0,0,10,10\r\nBEGIN\r\nEND\r\n#endif\r\n"));
  EXPECT_EQ(1u, Count(saved, "IDD_A DIALOG"));
  EXPECT_EQ(1u, Count(saved, "IDD_B DIALOG"));
  EXPECT_LT(saved.find("// Dialogs"), saved.find("IDD_A DIALOG"));
}

TEST_F(DocTest, SaveMovesTheDialogsToTheEndAndKeepsTheRestOfTheScript) {
  PrepareSample();
  const std::string original = DataFile("sample.rc");
  ASSERT_EQ(1, Open());
  ASSERT_EQ(1, Save());
  EXPECT_EQ(0, doc.modified);
  EXPECT_EQ("tree root: s.rc", LastLog());
  EXPECT_TRUE(TempFilesGone());

  // Before the mark: the script without its dialog blocks, empty-line runs
  // shrunk to one, comments after statements in place.
  std::string expected = original;
  for (const char* block : {"IDD_ABOUT DIALOGEX", "IDD_LIST DIALOG "}) {
    size_t start = expected.find(block);
    expected.erase(start, expected.find("END\r\n", start) + 5 - start);
  }
  for (size_t run; (run = expected.find("\r\n\r\n\r\n")) != std::string::npos;) expected.erase(run, 2);
  const std::string saved = ReadBytes("s.rc");
  const size_t mark = saved.find("// Dialogs\r\n");
  ASSERT_NE(std::string::npos, mark);
  EXPECT_EQ(expected, saved.substr(0, mark));
  EXPECT_NE(std::string::npos, expected.find("\"Hello // not a comment\" // a comment"));
  EXPECT_EQ(std::string::npos, saved.find("ICON"));
  EXPECT_LT(saved.find("\r\nIDD_ABOUT DIALOGEX 0,0,186,95\r\n", mark), saved.find("\r\nIDD_LIST DIALOGEX", mark));
  EXPECT_NE(std::string::npos, saved.find("LBS_EXTENDEDSEL", mark));

  // Saving again changes nothing but one empty line before the mark.
  doc.modified = 1;
  ASSERT_EQ(1, Save());
  const std::string second = ReadBytes("s.rc");
  ASSERT_EQ(1, Save());
  EXPECT_EQ(second, ReadBytes("s.rc"));
  EXPECT_EQ(1u, Count(second, "// Dialogs"));
  EXPECT_EQ(1u, Count(second, "#include \"Resource.h\""));
}

TEST_F(DocTest, SaveRegeneratesTheHeader) {
  Prepare("IDD_DLG1 DIALOG 0,0,100,50\nBEGIN\n PUSHBUTTON \"B\",IDC_BUTTON1,1,1,40,14\n"
          " LTEXT \"T\",IDC_STATIC,1,20,40,8\nEND\n",
          "#define IDC_BUTTON1 101\n#define IDD_DLG1 0x64\n#define IDC_STATIC -1\n");
  ASSERT_EQ(1, Open());
  ASSERT_EQ(1, Save());
  EXPECT_EQ(
      "// Morvid generated header file\r\n#pragma once\r\n\r\n#include <windows.h>\r\n\r\n"
      "#define IDC_STATIC\t\t-1\r\n#define IDD_DLG1\t\t100\r\n#define IDC_BUTTON1\t\t101\r\n",
      ReadBytes("Resource.h"));
  EXPECT_EQ(0u, ReadBytes("s.rc").find("\r\n// Resource header\r\n#include \"Resource.h\"\r\n\r\n// Dialogs\r\n"));
}

TEST_F(DocTest, SavingANewDocumentAsksForAName) {
  ASSERT_EQ(1, doc.New());
  EXPECT_EQ("reset tree: Новый проект", LastLog());
  doc.modified = 1;

  EXPECT_EQ(0, Save());
  EXPECT_EQ("save dialog in C:\\work\\ for Новый проект.rc", LastLog());
  EXPECT_EQ(1, doc.modified);
  EXPECT_EQ(1, doc.untitled);

  // A dialog as the new-dialog command makes it, with its Ok and Cancel.
  auto dialog = std::make_unique<CDlgRes>();
  dialog->FillWithDefaults("IDD_DLG1");
  doc.ids.AllocateId("IDD_DLG1");
  doc.ids.AddUse(1, "IDOK", "IDD_DLG1");
  doc.ids.AddUse(2, "IDCANCEL", "IDD_DLG1");
  doc.dialogs.push_back(std::move(dialog));

  // A name that cannot be written is forgotten: the next save asks again.
  ui.savePath = CStringU(u"no-such-folder/new.rc");
  ui.log.clear();
  EXPECT_EQ(0, Save());
  EXPECT_EQ(1, doc.untitled);
  EXPECT_EQ("Новый проект.rc", U8(doc.pathName));
  EXPECT_EQ("C:\\work\\", U8(ui.workDir));
  EXPECT_EQ("error: Ошибка при сохранении файла \"new.rc\".", LastLog());

  ui.savePath = CStringU(u"new.rc");
  ASSERT_EQ(1, Save());
  EXPECT_EQ(0, doc.modified);
  EXPECT_EQ(0, doc.untitled);
  EXPECT_EQ("new.rc", U8(doc.pathName));
  EXPECT_EQ("tree root: new.rc", LastLog());
  EXPECT_EQ(0u, ReadBytes("new.rc").find("\r\n// Resource header\r\n#include \"Resource.h\"\r\n\r\n"
                                         "// Dialogs\r\n\r\nIDD_DLG1 DIALOGEX 5,5,200,120\r\n"));
}

TEST_F(DocTest, OnlyDialogNamesThatAreIdentifiersGoIntoTheHeader) {
  Prepare("100 DIALOG 0,0,10,10\nBEGIN\nEND\nIDD_B DIALOG 0,0,10,10\nBEGIN\nEND\n", "");
  ASSERT_EQ(1, Open());
  EXPECT_EQ("100 IDD_B ", Names());
  ASSERT_EQ(1, Save());
  const std::string header = ReadBytes("Resource.h");
  EXPECT_EQ(std::string::npos, header.find("100\t")) << header;
  EXPECT_NE(std::string::npos, header.find("#define IDD_B\t\t")) << header;
  ASSERT_EQ(1, Open());
  EXPECT_EQ("100 IDD_B ", Names());
}

TEST_F(DocTest, UnsavedChangesAreSavedDroppedOrKeptAsTheUserSays) {
  PrepareSample();
  ASSERT_EQ(1, Open());
  const std::string original = ReadBytes("s.rc");
  doc.modified = 1;
  ui.log.clear();

  ui.answers = {Answer::Cancel};
  EXPECT_EQ(0, doc.New());
  EXPECT_EQ((std::vector<std::string>{"ask: Документ изменен. Сохранить изменения ?"}), ui.log);
  EXPECT_EQ(2u, doc.dialogs.size());

  ui.answers = {Answer::Yes};
  ui.openPath = CStringU(u"s.rc");
  EXPECT_EQ(1, doc.Open());
  EXPECT_NE(original, ReadBytes("s.rc"));  // saved first
  EXPECT_EQ(2u, doc.dialogs.size());

  doc.modified = 1;
  ui.answers = {Answer::No};
  EXPECT_EQ(1, doc.New());
  EXPECT_TRUE(doc.dialogs.empty());

  // Yes, but the save of the new document is cancelled: New is abandoned.
  doc.modified = 1;
  ui.answers = {Answer::Yes};
  ui.log.clear();
  EXPECT_EQ(0, doc.New());
  EXPECT_EQ(1, doc.modified);
  EXPECT_EQ(2u, ui.log.size());
}

TEST_F(DocTest, FailedSaveKeepsTheScriptAndTheModifiedFlag) {
  PrepareSample();
  ScriptWriteFails failing;
  CDoc failingDoc(ui, failing);
  ASSERT_EQ(1, failingDoc.OpenScript(CStringU(u"s.rc")));
  const std::string original = ReadBytes("s.rc");
  failingDoc.modified = 1;
  ui.log.clear();

  EXPECT_EQ(0, failingDoc.Save());
  EXPECT_EQ(original, ReadBytes("s.rc"));
  EXPECT_EQ(1, failingDoc.modified);
  EXPECT_EQ((std::vector<std::string>{"error: Ошибка при сохранении файла s.rc.   "}), ui.log);
  EXPECT_TRUE(TempFilesGone());
  EXPECT_FALSE(exists("s.rc.~tmp"));

  // The script vanished after it was opened: the merge fails.
  apptest::fs::remove("s.rc");
  ui.log.clear();
  EXPECT_EQ(0, failingDoc.Save());
  EXPECT_EQ((std::vector<std::string>{"error: Ошибка при сохранении файла s.rc.   "}), ui.log);
  EXPECT_EQ(1, failingDoc.modified);
  EXPECT_TRUE(TempFilesGone());
}

}  // namespace
