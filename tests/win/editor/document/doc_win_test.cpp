#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "editor/app/doc.h"
#include "editor/app/win/file_replacer_win.h"

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

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Open and save on the real file system, with a Cyrillic folder name: the
// saved script replaces the existing one and both files keep CR LF.
TEST(DocumentOnWindows, SaveReplacesTheOpenedScript) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"morvid-документ-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  wchar_t saved[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
  const std::string data = std::string(TEST_DATA_DIR) + "/scripts/";
  CopyFileA((data + "sample.rc").c_str(), "s.rc", FALSE);
  CopyFileA((data + "sample_resource.h").c_str(), "Resource.h", FALSE);

  QuietUi ui;
  Win32FileReplacer replacer;
  {
    CDoc doc(ui, replacer);
    ASSERT_EQ(1, doc.OpenScript(CStringU((folder + L"\\s.rc").c_str())));
    EXPECT_EQ(2u, doc.dialogs.size());
    EXPECT_EQ(1, ui.warnings);
    doc.modified = 1;
    ASSERT_EQ(1, doc.SaveScript());
    EXPECT_EQ(0, doc.modified);
  }
  const std::string script = Read("s.rc");
  EXPECT_NE(std::string::npos, script.find("END\r\n// Dialogs\r\n\r\nIDD_ABOUT DIALOGEX 0,0,186,95\r\n"));
  EXPECT_EQ(std::string::npos, script.find("ICON"));
  EXPECT_EQ(0u, Read("Resource.h").find("// Morvid generated header file\r\n#pragma once\r\n"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"ex0001.tmp"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"ex0002.tmp"));

  for (const wchar_t* name : {L"s.rc", L"Resource.h"}) DeleteFileW(name);
  SetCurrentDirectoryW(saved);
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
