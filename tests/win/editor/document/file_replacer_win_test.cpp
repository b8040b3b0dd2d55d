#include "editor/app/win/file_replacer_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor_test_util.h"

namespace {

using morvidtest::ReadBytes;

TEST(FileReplacer, SafeWriteReplacesAnExistingFileAndKeepsALockedOne) {
  const morvidtest::ScratchFolder folder(L"replace");
  const std::wstring script = folder / L"s.rc";
  const CStringU path(script.c_str());
  morvidtest::WriteBytes(script, "old");

  Win32FileReplacer replacer;
  ASSERT_EQ(1, WriteFileSafely(path, "new\r\n", replacer));
  EXPECT_EQ("new\r\n", ReadBytes(script));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(SafeWriteTempPath(path).W()));

  // Another program holds the script open without sharing: the save fails
  // and the script keeps its content.
  HANDLE held = CreateFileW(script.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_EQ(0, WriteFileSafely(path, "newer", replacer));
  CloseHandle(held);
  EXPECT_EQ("new\r\n", ReadBytes(script));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(SafeWriteTempPath(path).W()));
}

}  // namespace
