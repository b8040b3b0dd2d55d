#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/app/doc.h"
#include "editor/app/win/file_replacer_win.h"
#include "editor_test_util.h"

namespace {

class QuietUi : public CDocUi {
 public:
  CStringU ProgramTitle() override { return CStringU(u"Resource Editor"); }
  Answer AskYesNoCancel(const CStringU&) override { return Answer::No; }
  void ShowWarning(const std::u16string&) override { ++warnings; }
  bool AskOpenPath(const CStringU&, CStringU&) override { return false; }
  bool AskSavePath(const CStringU&, CStringU&) override { return false; }
  CStringU GetWorkDir() override { return CStringU(); }
  void SetWorkDir(const CStringU&) override {}
  void ResetDialogTree(const CStringU&) override {}
  void FillDialogTree(const CStringU&, const CStringU&) override {}
  void SetDialogTreeRoot(const CStringU&) override {}
  int warnings = 0;
};

// Open and save on the real file system, with a Cyrillic folder name: the
// saved script replaces the existing one and both files keep CR LF.
TEST(DocumentOnWindows, SaveReplacesTheOpenedScript) {
  const morvidtest::ScratchFolder folder(L"документ");
  ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
  ASSERT_TRUE(CopyFileW(morvidtest::TestData(L"scripts\\sample.rc").c_str(), L"s.rc", FALSE));
  ASSERT_TRUE(CopyFileW(morvidtest::TestData(L"scripts\\sample_resource.h").c_str(), L"Resource.h", FALSE));

  QuietUi ui;
  Win32FileReplacer replacer;
  {
    CDoc doc(ui, replacer);
    ASSERT_EQ(1, doc.OpenScript(CStringU((folder / L"s.rc").c_str())));
    EXPECT_EQ(2u, doc.dialogs.size());
    EXPECT_EQ(1, ui.warnings);
    doc.modified = 1;
    ASSERT_EQ(1, doc.SaveScript());
    EXPECT_EQ(0, doc.modified);
  }
  const std::string script = morvidtest::ReadBytes(folder / L"s.rc");
  EXPECT_NE(std::string::npos, script.find("END\r\n// Dialogs\r\n\r\nIDD_ABOUT DIALOGEX 0,0,186,95\r\n"));
  EXPECT_EQ(std::string::npos, script.find("ICON"));
  EXPECT_EQ(0u, morvidtest::ReadBytes(folder / L"Resource.h").find("// Morvid generated header file\r\n#pragma once\r\n"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"ex0001.tmp"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"ex0002.tmp"));
}

}  // namespace
