#include "editor/foundation/win/app_path_u.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

void DeleteWorkDir() { RegDeleteKeyValueW(HKEY_CURRENT_USER, CAppPathU::kRegistryKey, CAppPathU::kWorkDirValue); }

std::wstring CurrentDirectory() {
  wchar_t dir[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, dir);
  return dir;
}

class AppPathU : public ::testing::Test {
 protected:
  void SetUp() override { DeleteWorkDir(); }
  void TearDown() override { DeleteWorkDir(); }
};

TEST_F(AppPathU, WithoutAStoredValueTheCurrentDirectoryWithABackslash) {
  CAppPathU path;
  ASSERT_EQ(path.Init(GetModuleHandleW(nullptr)), 1);
  std::wstring expected = CurrentDirectory();
  if (expected.back() != L'\\') expected += L'\\';
  EXPECT_EQ(path.WorkDir(), expected);
  EXPECT_EQ(std::wstring(path.GetWorkDir().W()), expected);
  ASSERT_FALSE(path.AppDir().empty());
  EXPECT_EQ(path.AppDir().back(), L'\\');
}

TEST_F(AppPathU, ASavedDirectoryIsReadBackAtTheNextStart) {
  CAppPathU first;
  ASSERT_EQ(first.Init(GetModuleHandleW(nullptr)), 1);
  first.SetWorkDir(L"C:\\Проекты\\Диалоги");
  EXPECT_EQ(first.WorkDir(), L"C:\\Проекты\\Диалоги\\");
  ASSERT_EQ(first.SaveWorkDir(), 1);

  CAppPathU next;
  ASSERT_EQ(next.Init(GetModuleHandleW(nullptr)), 1);
  EXPECT_EQ(next.WorkDir(), L"C:\\Проекты\\Диалоги\\");
}

TEST_F(AppPathU, AValueThatIsNotTextIsIgnored) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, CAppPathU::kRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  DWORD number = 7;
  RegSetValueExW(key, CAppPathU::kWorkDirValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof(number));
  RegCloseKey(key);
  CAppPathU path;
  ASSERT_EQ(path.Init(GetModuleHandleW(nullptr)), 1);
  EXPECT_EQ(path.WorkDir().back(), L'\\');
  EXPECT_GT(path.WorkDir().size(), 1u);
}

}  // namespace
