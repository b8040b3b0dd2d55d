#include "editor/app/script_passes.h"

#include <gtest/gtest.h>

#include <set>

#include "app_test_util.h"
#include "editor/app/safe_file.h"

using apptest::CrLf;
using apptest::ReadBytes;
using apptest::WriteBytes;

namespace {

CStringU U(const std::string& path) { return CStringU(path.c_str()); }

MacroDefined Defined(std::set<std::string> names) {
  return [names](const std::string& name) { return names.count(name) > 0; };
}

class ScriptPasses : public ::testing::Test {
 protected:
  apptest::TempDir dir;
  std::string in = dir.File("in.rc");
  std::string out = dir.File("out.tmp");
  std::string dialogs = dir.File("dialogs.tmp");
  CStringU inU = U(in), outU = U(out), dialogsU = U(dialogs);
};

TEST_F(ScriptPasses, StripCommentsKeepsQuotedTextAndJoinsAroundBlockComments) {
  WriteBytes(in,
             "IDD_A DIALOG 0,0,10,10 // the about box\r\n"
             "CAPTION \"a // b /* c\"\r\n"
             "STYLE WS_POPUP /* one\r\n"
             "two */ | WS_CAPTION\r\n"
             "LTEXT \"first\n"
             "second // still text\" ,-1,1,1,1,1\n"
             "/* a */ BEGIN /* b */ END //");
  ASSERT_EQ(1, StripComments(inU, outU));
  EXPECT_EQ(CrLf("IDD_A DIALOG 0,0,10,10 \n"
                 "CAPTION \"a // b /* c\"\n"
                 "STYLE WS_POPUP  | WS_CAPTION\n"
                 "LTEXT \"first\n"
                 "second // still text\" ,-1,1,1,1,1\n"
                 " BEGIN  END \n"),
            ReadBytes(out));
}

TEST_F(ScriptPasses, ResolveConditionalsDropsBlocksThatDoNotApply) {
  WriteBytes(in,
             "a\n"
             "#ifdef APSTUDIO_INVOKED\n"
             "IDD_HIDDEN DIALOG 0,0,1,1\n"
             "#if X\n"       // nested: the block ends at its own #endif
             "#endif\n"
             "IDD_HIDDEN_TOO DIALOG 0,0,1,1\n"
             "#endif\n"
             "b\n"
             "#ifndef MYFLAG\n"
             "c\n"
             "#else\n"
             "d\n"
             "#endif\n"
             "#ifdef MYFLAG\n"
             "e\n"
             "#endif\n"
             "#ifndef OTHER\n"
             "f\n"
             "#endif\n"
             "#ifdef\n");
  ASSERT_EQ(1, ResolveConditionals(inU, outU, Defined({"MYFLAG"})));
  EXPECT_EQ(CrLf("a\nb\n#ifdef MYFLAG\ne\n#endif\n#ifndef OTHER\nf\n#endif\n#ifdef\n"), ReadBytes(out));
}

TEST_F(ScriptPasses, MergeMovesDialogsToTheEndAndKeepsEverythingElse) {
  WriteBytes(in,
             "#include \"Resource.h\"\r\n"
             "\r\n"
             "\r\n"
             "IDD_A DIALOGEX 0,0,100,50 // old\r\n"
             "STYLE WS_POPUP\r\n"
             "BEGIN\r\n"
             "   ICON 1,IDC_ICON,1,1,20,20\r\n"
             "   LISTBOX IDC_L,1,1,9,9,LBS_EXTENDEDSEL\r\n"
             "END\r\n"
             "\r\n"
             "\r\n"
             "STRINGTABLE\r\n"
             "{\r\n"
             "  IDS_A \"x\" // kept\r\n"
             "}\r\n"
             "IDD_B DIALOG DISCARDABLE 0,0,1,1\r\n"
             "{\r\n"
             "}\r\n"
             "   \r\n"
             "#ifdef APSTUDIO_INVOKED\r\n"
             "IDD_C DIALOG 0,0,1,1\r\n"
             "\r\n"
             "\r\n"
             "#endif\r\n"
             "// Dialogs\r\n"
             "END");
  WriteBytes(dialogs, "\nIDD_A DIALOGEX 0,0,100,50\r\nBEGIN\r\nEND\r\n");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({})));
  EXPECT_EQ(CrLf("#include \"Resource.h\"\n"
                 "\n"
                 "STRINGTABLE\n"
                 "{\n"
                 "  IDS_A \"x\" // kept\n"
                 "}\n"
                 "   \n"
                 "#ifdef APSTUDIO_INVOKED\n"
                 "IDD_C DIALOG 0,0,1,1\n"
                 "\n"
                 "\n"
                 "#endif\n"
                 "END\n"
                 "// Dialogs\n"
                 "\n"
                 "IDD_A DIALOGEX 0,0,100,50\n"
                 "BEGIN\n"
                 "END\n"),
            ReadBytes(out));
}

TEST_F(ScriptPasses, MergeReadsABlockOfADefinedName) {
  WriteBytes(in, "#ifdef MYFLAG\nIDD_A DIALOG 0,0,1,1\nBEGIN\nEND\n#endif\n");
  WriteBytes(dialogs, "");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({"MYFLAG"})));
  EXPECT_EQ(CrLf("#ifdef MYFLAG\n#endif\n// Dialogs\n"), ReadBytes(out));
}

// The merge must see the blocks and dialogs the open saw: a comment glued to
// a directive or keyword, or a dialog inside a block comment, would otherwise
// leave old dialogs in place beside the printed ones.
TEST_F(ScriptPasses, MergeJudgesLinesWithoutTheirComments) {
  WriteBytes(in,
             "#ifdef NOWHERE//skipped\n"
             "IDD_X DIALOG 0,0,1,1\n"
             "#endif//NOWHERE\n"
             "IDD_A DIALOG 0,0,1,1\n"
             "BEGIN\n"
             "END//IDD_A\n"
             "/* IDD_OLD DIALOG 0,0,1,1\n"
             "   IDD_OLD2 DIALOG 0,0,1,1 */\n"
             "IDD_B DIALOG 0,0,1,1\n"
             "{\n"
             "}\n");
  WriteBytes(dialogs, "");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({})));
  EXPECT_EQ(CrLf("#ifdef NOWHERE//skipped\n"
                 "IDD_X DIALOG 0,0,1,1\n"
                 "#endif//NOWHERE\n"
                 "/* IDD_OLD DIALOG 0,0,1,1\n"
                 "   IDD_OLD2 DIALOG 0,0,1,1 */\n"
                 "// Dialogs\n"),
            ReadBytes(out));
}

TEST_F(ScriptPasses, MergeEndsADialogWhereverItsEndStands) {
  WriteBytes(in,
             "IDD_A DIALOG 0,0,10,10 BEGIN END\n"
             "STRINGTABLE\n"
             "BEGIN\n"
             "  1 \"keep END\"\n"
             "END\n"
             "IDD_B DIALOG 0,0,10,10\n"
             "{\n"
             "  LTEXT \"END\",-1,1,1,9,9,LBS_EXTENDEDSEL }\n"
             "1 MENU\n"
             "BEGIN\n"
             "END\n");
  WriteBytes(dialogs, "");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({})));
  EXPECT_EQ(CrLf("STRINGTABLE\n"
                 "BEGIN\n"
                 "  1 \"keep END\"\n"
                 "END\n"
                 "1 MENU\n"
                 "BEGIN\n"
                 "END\n"
                 "// Dialogs\n"),
            ReadBytes(out));
}

TEST_F(ScriptPasses, LoneCarriageReturnsEndLines) {
  WriteBytes(in, "IDD_A DIALOG 0,0,10,10\rBEGIN\rEND\rSTRINGTABLE\rBEGIN\r 1 \"keep me\" // note\rEND\r");
  WriteBytes(dialogs, "");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({})));
  EXPECT_EQ(CrLf("STRINGTABLE\nBEGIN\n 1 \"keep me\" // note\nEND\n// Dialogs\n"), ReadBytes(out));
  ASSERT_EQ(1, StripComments(inU, outU));
  EXPECT_EQ(CrLf("IDD_A DIALOG 0,0,10,10\nBEGIN\nEND\nSTRINGTABLE\nBEGIN\n 1 \"keep me\" \nEND\n"), ReadBytes(out));
}

TEST_F(ScriptPasses, MergeKeepsASkippedBlockWholeWithTheConditionalsInIt) {
  WriteBytes(in,
             "#ifdef APSTUDIO_INVOKED\n"
             "#ifndef X\n"
             "#endif\n"
             "IDD_HIDDEN DIALOG 0,0,1,1\n"
             "#endif\n"
             "IDD_A DIALOG 0,0,1,1\n"
             "BEGIN\n"
             "END\n");
  WriteBytes(dialogs, "");
  ASSERT_EQ(1, MergeDialogs(inU, dialogsU, outU, Defined({})));
  EXPECT_EQ(CrLf("#ifdef APSTUDIO_INVOKED\n#ifndef X\n#endif\nIDD_HIDDEN DIALOG 0,0,1,1\n#endif\n// Dialogs\n"),
            ReadBytes(out));
}

TEST_F(ScriptPasses, PassesFailOnMissingFiles) {
  const CStringU missing = U(dir.File("missing.rc"));
  WriteBytes(in, "x\n");
  EXPECT_EQ(0, StripComments(missing, outU));
  EXPECT_EQ(0, ResolveConditionals(missing, outU, Defined({})));
  EXPECT_EQ(0, MergeDialogs(missing, inU, outU, Defined({})));
  EXPECT_EQ(0, MergeDialogs(inU, missing, outU, Defined({})));
  EXPECT_EQ(0, StripComments(inU, U(dir.File("no/such/folder/out.tmp"))));
  EXPECT_EQ(0, WriteScript(u"Resource.h", missing, inU, PortableFileReplacer()));
  EXPECT_EQ("x\n", ReadBytes(in));
}

TEST_F(ScriptPasses, WriteScriptPutsTheHeaderIncludeFirstOnlyWhenMissing) {
  const std::string script = dir.File("s.rc");
  const CStringU scriptU = U(script);
  WriteBytes(out, "#include <windows.h>\r\nIDD_A DIALOGEX 0,0,1,1\r\n#include \"resource.h\"\r\n");
  ASSERT_EQ(1, WriteScript(u"Resource.h", outU, scriptU, PortableFileReplacer()));
  EXPECT_EQ(CrLf("\n// Resource header\n#include \"Resource.h\"\n\n"
                 "#include <windows.h>\nIDD_A DIALOGEX 0,0,1,1\n#include \"resource.h\"\n"),
            ReadBytes(script));

  WriteBytes(out, "#include \"..\\RESOURCE.H\"\nx\n");
  ASSERT_EQ(1, WriteScript(u"Resource.h", outU, scriptU, PortableFileReplacer()));
  EXPECT_EQ(CrLf("#include \"..\\RESOURCE.H\"\nx\n"), ReadBytes(script));
}

class FailingReplacer : public FileReplacer {
 public:
  bool Replace(const CStringU&, const CStringU&) override { return false; }
};

TEST_F(ScriptPasses, FailedFinalWriteLeavesTheScriptAsItWas) {
  const std::string script = dir.File("s.rc");
  const CStringU scriptU = U(script);
  const std::string original = "original\r\ncontent";
  WriteBytes(script, original);
  WriteBytes(out, "new\n");

  FailingReplacer failing;
  EXPECT_EQ(0, WriteScript(u"Resource.h", outU, scriptU, failing));
  EXPECT_EQ(original, ReadBytes(script));
  EXPECT_FALSE(apptest::fs::exists(SafeWriteTempPath(scriptU).Ansi()));

  // The temporary file cannot be created: a folder stands in its place.
  apptest::fs::create_directory(SafeWriteTempPath(scriptU).Ansi());
  EXPECT_EQ(0, WriteScript(u"Resource.h", outU, scriptU, PortableFileReplacer()));
  EXPECT_EQ(original, ReadBytes(script));
}

}  // namespace
