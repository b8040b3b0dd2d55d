// The built-in table of the native builds must say what Windows says.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/foundation/code_page.h"
#include "editor/foundation/string_u.h"
#include "editor/foundation/win/code_page_win.h"

TEST(CodePage, BuiltIn1251AgreesWithWindowsOnEveryByte) {
  CWindowsCodePage windows(1251);
  CCodePage1251 builtIn;
  for (int b = 0; b < 256; ++b) {
    std::string byte(1, static_cast<char>(b));
    std::u16string fromWindows = windows.ToUtf16(byte);
    ASSERT_EQ(fromWindows.size(), 1u) << "byte " << b;
    EXPECT_EQ(static_cast<int>(builtIn.ToUtf16(byte)[0]), static_cast<int>(fromWindows[0])) << "byte " << b;
    EXPECT_EQ(builtIn.ToAnsi(fromWindows), windows.ToAnsi(fromWindows)) << "byte " << b;
  }
}

TEST(CodePage, TheSystemCodePageIsInstalledForCStringU) {
  if (GetACP() != 1251) GTEST_SKIP() << "needs the Russian locale (code page 1251)";
  InstallSystemCodePage();
  CStringU s(L"Диалоги");
  EXPECT_EQ(std::string(s.ToAnsi()), "\xC4\xE8\xE0\xEB\xEE\xE3\xE8");
  EXPECT_EQ(CStringU("\xC4\xE8\xE0\xEB\xEE\xE3\xE8"), s);
  SetActiveCodePage(nullptr);
}
