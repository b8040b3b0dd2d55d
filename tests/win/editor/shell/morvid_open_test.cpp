// Morvid.exe started on a script named on its command line: the script's
// folder becomes the current one, so that its Resource.h is found, and a
// script that cannot be opened is reported and leaves a new document.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvid_session.h"
#include "win_test_util.h"

namespace {

using morvidtest::TextOf;

struct CommandLine {
  const wchar_t* folder;  // of the script, below the directory the program starts in
  bool quoted;
  bool absolute;
};

class OpenFromCommandLine : public MorvidSession, public ::testing::WithParamInterface<CommandLine> {};

TEST_P(OpenFromCommandLine, ShowsTheScriptsDialogsWithoutAnError) {
  const CommandLine& line = GetParam();
  const std::wstring examples = wintest::Widen(EXAMPLES_DIR) + L"\\morvid\\";
  ASSERT_TRUE(CreateDirectoryW((folder / line.folder).c_str(), nullptr));
  for (const wchar_t* name : {L"example.rc", L"Resource.h"}) {
    const std::wstring to = folder / (std::wstring(line.folder) + L"\\" + name);
    ASSERT_TRUE(CopyFileW((examples + name).c_str(), to.c_str(), FALSE));
  }
  std::wstring path = std::wstring(line.folder) + L"\\example.rc";
  if (line.absolute) path = folder / path;
  Start(line.quoted ? L"\"" + path + L"\"" : path);
  EXPECT_TRUE(wintest::PumpUntil([&] { return TreeLines().size() == 5; }, 10000));
  EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"example.rc", L" Диалоги", L"  IDD_LOGIN", L"  IDD_SETTINGS",
                                                    L"  IDD_PROGRESS"}));
  EXPECT_EQ(program.FindTopWindow(L"#32770"), nullptr);
}

// Windows passes a file opened from the desktop quoted, with its full path.
INSTANTIATE_TEST_SUITE_P(Paths, OpenFromCommandLine,
                         ::testing::Values(CommandLine{L"morvid", false, false},
                                           CommandLine{L"with blank", true, false},
                                           CommandLine{L"Папка с пробелом", true, true}));

struct FailedOpen {
  const wchar_t* script;
  bool present;
  std::vector<const wchar_t*> messages;  // one box each, in order
};

class FailedOpenFromCommandLine : public MorvidSession, public ::testing::WithParamInterface<FailedOpen> {};

TEST_P(FailedOpenFromCommandLine, SaysWhyAndLeavesANewDocument) {
  const FailedOpen& failed = GetParam();
  if (failed.present) {
    CopyData(std::wstring(L"design\\") + failed.script, failed.script);
    CopyData(L"design\\Resource.h", L"Resource.h");
  }
  ASSERT_TRUE(program.Start(MorvidExePath(), failed.script, folder.Path()));
  for (const wchar_t* message : failed.messages) {
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << wintest::Narrow(message);
    EXPECT_EQ(TextOf(box), L"Resource Editor");
    EXPECT_NE(BoxText(box).find(message), std::wstring::npos) << wintest::Narrow(BoxText(box));
    Answer(box, IDOK);
  }
  Attach();
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});
  EXPECT_EQ(ChildCount(), 0);
  EXPECT_EQ(program.FindTopWindow(L"#32770"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, FailedOpenFromCommandLine,
    ::testing::Values(FailedOpen{L"missing_id.rc", true, {L"IDC_NOWHERE - Not found", L"Ошибка при загрузке файла"}},
                      FailedOpen{L"no_such_script.rc", false, {L"Ошибка при загрузке файла"}}));

}  // namespace
