#include "editor/app/win/file_replacer_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  std::string dir = std::string(base) + "morvid-replace-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\";
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FileReplacer, SafeWriteReplacesAnExistingFileAndKeepsALockedOne) {
  const std::string dir = TempFolder();
  const std::string script = dir + "s.rc";
  std::ofstream(script, std::ios::binary) << "old";

  Win32FileReplacer replacer;
  ASSERT_EQ(1, WriteFileSafely(CStringU(script.c_str()), "new\r\n", replacer));
  EXPECT_EQ("new\r\n", Read(script));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(SafeWriteTempPath(CStringU(script.c_str())).W()));

  // Another program holds the script open without sharing: the save fails
  // and the script keeps its content.
  HANDLE held = CreateFileA(script.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_EQ(0, WriteFileSafely(CStringU(script.c_str()), "newer", replacer));
  CloseHandle(held);
  EXPECT_EQ("new\r\n", Read(script));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(SafeWriteTempPath(CStringU(script.c_str())).W()));

  DeleteFileA(script.c_str());
  RemoveDirectoryA(dir.c_str());
}

}  // namespace
